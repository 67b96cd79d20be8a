#pragma once
// Profile files: the whole 2048-byte image, saved from the mouse and loaded
// back into it.

#include <filesystem>
#include <string>

#include "core/params/ParameterCycles.h"

namespace orva {

// The file a save creates for the name chosen in the dialog: ".bin" is
// always appended, so "a.bin" becomes "a.bin.bin" and never overwrites the
// chosen file itself.
std::filesystem::path profileFileName(const std::filesystem::path& chosen);

enum class SaveOutcome {
  Saved,
  NotRead,     // the identity check or the full read did not succeed: no file written
  FileError,   // the file could not be written (`error` says why)
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::NotRead;
  DevInfo devInfo;             // what the readiness and identity check found
  std::filesystem::path file;  // the file written
  std::string error;
};

// Reads the whole image from the mouse (after the readiness and identity
// check) and writes it to profileFileName(chosen), atomically.
SaveResult SaveProfile(ParameterCycles& cycles, HidDevice& device, const AcceptedIdentities& identities,
                       const std::filesystem::path& chosen);

// Reads up to 2048 bytes of `file` over the image (the rest is kept), shows
// it and writes it whole to the mouse. A file that cannot be read changes
// nothing: outcome FileUnreadable with `error` set.
WriteResult LoadProfile(ParameterCycles& cycles, HidDevice& device, const std::filesystem::path& file,
                        std::string& error);

}  // namespace orva
