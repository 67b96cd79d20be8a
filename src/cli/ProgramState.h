#pragma once
// What the desktop program holds at start-up and the commands work on: the
// settings block, the accepted identities and the parameter image with
// default image 1 shown.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/device/Discovery.h"
#include "core/params/ParameterCycles.h"
#include "core/skin/OrgSettings.h"

namespace orva::cli {

struct ProgramState {
  OrgSettings org;
  AcceptedIdentities identities;
  ParameterCycles cycles;
};

// Null with a message on `err` when the built-in configuration is broken.
std::unique_ptr<ProgramState> loadProgramState(std::ostream& err);

// Reads an image file over the image the way Load Profile does (up to 2048
// bytes, the rest kept). False with a message on `err` when it cannot be read.
bool readImageFile(ProgramState& state, const std::string& file, std::ostream& err);

// Explains on `err` why a readiness and identity check did not accept the
// mouse (nothing for Accepted).
void explainDevInfo(const DevInfo& info, std::ostream& err);

std::string sectionNames(const std::vector<Section>& sections);

// The read the program runs when the mouse appears: readiness and identity
// check, then the read cycle (255 bytes, or all 2048 when `full`). Nothing,
// with the reason on `err`, when the mouse was not accepted or did not answer.
std::optional<ReadResult> readAcceptedMouse(HidDevice& device, ProgramState& state, bool full, std::ostream& err);

}  // namespace orva::cli
