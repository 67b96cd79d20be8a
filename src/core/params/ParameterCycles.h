#pragma once
// The cycles that move the parameter image between the mouse, the built-in
// and file defaults and the model: no-device fill, read, apply, default and
// whole-image write with read-back verification. Each returns what the
// window must show; none of them touches a widget. All run on the device
// thread.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/device/Discovery.h"
#include "core/device/HidDevice.h"
#include "core/macros/MacroSlots.h"
#include "core/params/DefaultImages.h"
#include "core/params/ImageLayout.h"
#include "core/params/ParamModel.h"
#include "core/params/ParamSections.h"

namespace orva {

using FireMacroBlock = std::array<std::uint8_t, kFireMacroBlockSize>;

enum class ApplyOutcome {
  Written,       // bytes 0..254, the fire-macro directory when loaded and the changed macro slots written
  NotReady,      // the mouse answered a status other than ready: nothing written, no End sent
  NoAccess,      // ready but without parameter access: nothing written
  DeviceFailed,  // BeginCmd/StatusCmd or a block command went unanswered
};

enum class WriteOutcome {
  Verified,      // written whole and read back equal
  Fail,          // differences remain after three repair passes: "Str109"
  Aborted,       // a block write or read-back was not acknowledged: stopped without a message
  NotReady,
  NotUsable,     // no parameter access or an unknown chip: nothing written
  DeviceFailed,  // BeginCmd/StatusCmd unanswered
  FileUnreadable,  // the image file exists but could not be read: nothing changed
};

struct WriteResult {
  WriteOutcome outcome = WriteOutcome::DeviceFailed;
  std::vector<int> VerifyDiff;   // addresses still different at the end
  int repairPasses = 0;
  std::vector<Section> repaired;  // sections the checks replaced when the image was taken in
};

struct ReadResult {
  bool ok = false;  // false: the block command failed and nothing was taken in
  std::vector<Section> repaired;
};

enum class FireDirectoryOutcome { Read, IdentityMismatch, NotUsable, Stopped, ReadFailed };

class ParameterCycles {
 public:
  // Loads the built-in default images and shows image 1 (no mouse). False
  // when a built-in image is missing from the program.
  bool InitNoDevice();

  // Image → sections (checked) → model; with the macro and fire areas or
  // without them (a parameters-only read). `heldByMouse`: the image is what
  // the mouse holds, so its macro slots need no writing. Returns the
  // repaired sections.
  std::vector<Section> TakeInImage(bool withMacroAndFireAreas, bool heldByMouse = false);

  // The read cycle that follows an accepted identity check: 255 bytes, or
  // all 2048 when `full`. Ends the command sequence.
  ReadResult readCycle(HidDevice& device, bool full);

  // Apply: model → sections (aim keys rewritten) → image, then the
  // parameter write and the macro slots the buttons refer to.
  ApplyOutcome DownloadParameter(HidDevice& device);

  // Default n (1..3): the default file at `defaultFile` when it exists, else
  // built-in image n; shown and written whole. Nothing when the file exists
  // but cannot be read (`fileError` says why).
  WriteResult TLDefaultParameter(HidDevice& device, int n, const std::string& defaultFile,
                                 std::string& fileError);

  // Shows the image in DataBuf and writes it whole with verification.
  WriteResult MemoToDataBuf_OnClick(HidDevice& device);
  WriteResult WriteWholeImage(HidDevice& device);

  // The fire-macro directory, read once from the mouse when first needed.
  FireDirectoryOutcome RefreshFireDirectory(HidDevice& device, const AcceptedIdentities& identities);

  // State the window shows and edits.
  Image DataBuf{};
  ParamSections sections;
  ParamModel model;
  ProfileCodes ProfileCodes1;
  ProfileCodes ProfileCodes2;
  std::array<std::uint8_t, kMacroAreaLow.length> macroBufferLow{};
  std::array<std::uint8_t, kMacroAreaHigh.length> macroBufferHigh{};
  std::array<std::uint8_t, kFireMacroDirectory.length> fireMacroDirectory{};
  std::array<FireMacroBlock, kFireMacroCount> fireMacroBlocks{};
  bool FireDirectoryLoaded = false;
  DeviceMacroSlots macroSlots;
  std::uint8_t AimValue = 0;  // the DPI index every aim key carries
  std::array<std::optional<Image>, kDefaultImageCount> defaultImages;

 private:
  void takeInFireDirectory();
  // BeginCmd and StatusCmd; the status answer when both were acknowledged.
  std::optional<FeatureReport> beginWithStatus(HidDevice& device);
};

}  // namespace orva
