#pragma once
// Finding the mouse: the presence poll that watches the number of HID
// interfaces, and the readiness and identity check of a mouse once opened.
// Outcomes are values; the window decides what to show.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/device/Clock.h"
#include "core/device/HidDevice.h"

namespace orva {

struct DeviceCandidate {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  bool empty() const { return vendorId == 0 || productId == 0; }
};
inline constexpr DeviceCandidate kMouseCandidate{0x1BCF, 0x08A0};

// Chip model for a status chip code; 0 for a chip the program does not know.
std::uint8_t chipModelFromCode(std::uint8_t chipCode);

// Identity bytes (memory addresses 54 and 55) a mouse must carry: those of
// the built-in default image, or the reserve pair of the settings block.
struct AcceptedIdentities {
  std::uint8_t ExpectedManuID = 0;
  std::uint8_t ExpectedProID = 0;
  int Rev_Manu_ID = 0;
  int Rev_Pro_ID = 0;
  bool accepts(std::uint8_t manu, std::uint8_t pro) const;
  // The expected pair from a default image, the reserve pair as given.
  static AcceptedIdentities fromImage(std::span<const std::uint8_t> defaultImage, int revManu,
                                      int revPro);
};
inline constexpr std::uint16_t kIdentityAddress = 54;

enum class DevInfoOutcome {
  Stopped,           // BeginCmd or StatusCmd unanswered, or not ready: nothing is shown
  Accepted,          // the read cycle follows and closes the command sequence
  IdentityMismatch,  // sequence closed, mouse left open and unread: "Str107"
  NotUsable,         // no parameter access or unknown chip: sequence closed, mouse released: "Str020"
};

struct DevInfo {
  DevInfoOutcome outcome = DevInfoOutcome::Stopped;
  std::optional<std::uint8_t> status;  // StatusCmd byte 1, when it was answered
  bool ParamAccess = false;
  std::uint8_t chipCode = 0;
  std::uint8_t ChipModel = 0;
  std::optional<std::array<std::uint8_t, 2>> identity;  // manufacturer, product
};

// BeginCmd, StatusCmd and the identity read of an open mouse. On Accepted
// the command sequence is still open for the read cycle.
DevInfo ReadDevInfo(HidDevice& device, const AcceptedIdentities& identities);

enum class PollAction {
  Busy,              // a tick is already running
  Unchanged,         // same interface count
  Unstable,          // counts flickered; the tick is ignored
  Reopened,          // an interface went away, the mouse is still there
  Lost,              // an interface went away and so did the mouse
  AlreadyOpen,       // an interface appeared while the mouse is open
  Opened,            // the mouse was found; `devInfo` tells what came of it
  NotFound,          // an interface appeared, but no candidate matched
};

struct PollResult {
  PollAction action = PollAction::Unchanged;
  int count = 0;
  // The device-lost presentation is due (Lost, NotFound, or a candidate
  // slot that failed before a later one opened).
  bool deviceLost = false;
  // A matching interface was present but could not be opened for lack of
  // permission.
  bool accessDenied = false;
  std::optional<DevInfo> devInfo;
};

class PresencePoll {
 public:
  PresencePoll(HidDevice& device, Clock& clock, const AcceptedIdentities& identities,
               const std::array<DeviceCandidate, 2>& candidates = {kMouseCandidate, DeviceCandidate{}});

  PollResult tick();
  // -1 until a count was taken, so that the first tick acts even on a
  // machine with no HID interface at all.
  int LastHidCount() const { return LastHidCount_; }

 private:
  PollResult interfaceAppeared(int count);

  HidDevice& device_;
  Clock& clock_;
  AcceptedIdentities identities_;
  std::array<DeviceCandidate, 2> DevCandidates_;
  int LastHidCount_ = -1;
  bool PollBusy_ = false;
};

}  // namespace orva
