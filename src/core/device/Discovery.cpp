#include "core/device/Discovery.h"

namespace orva {

namespace {

constexpr int kCountPasses = 5;
constexpr int kStablePassesNeeded = 2;
constexpr int kOpenSettleSleeps = 3;
constexpr int kOpenSettleSleepMs = 10;

class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyGuard() { flag_ = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& flag_;
};

PollResult resultOf(PollAction action, int count) {
  PollResult r;
  r.action = action;
  r.count = count;
  return r;
}

}  // namespace

std::uint8_t chipModelFromCode(std::uint8_t chipCode) {
  switch (chipCode) {
    case 53: return 144;
    case 117: return 153;
    case 253: return 152;
    default: return 0;
  }
}

bool AcceptedIdentities::accepts(std::uint8_t manu, std::uint8_t pro) const {
  return (manu == ExpectedManuID && pro == ExpectedProID) || (manu == Rev_Manu_ID && pro == Rev_Pro_ID);
}

AcceptedIdentities AcceptedIdentities::fromImage(std::span<const std::uint8_t> defaultImage,
                                                 int revManu, int revPro) {
  AcceptedIdentities ids;
  if (defaultImage.size() > kIdentityAddress + 1) {
    ids.ExpectedManuID = defaultImage[kIdentityAddress];
    ids.ExpectedProID = defaultImage[kIdentityAddress + 1];
  }
  ids.Rev_Manu_ID = revManu;
  ids.Rev_Pro_ID = revPro;
  return ids;
}

DevInfo ReadDevInfo(HidDevice& device, const AcceptedIdentities& identities) {
  DevInfo info;
  if (!device.SendCommand(Command::Begin)) return info;
  if (!device.SendCommand(Command::Status)) return info;
  const FeatureReport& answer = device.response();
  info.status = answer[1];
  info.ParamAccess = (answer[2] & kStatusParamAccess) != 0;
  info.chipCode = answer[3];
  info.ChipModel = chipModelFromCode(answer[3]);
  if (answer[1] != kStatusReady) return info;

  if (!info.ParamAccess || info.ChipModel == 0) {
    device.SendCommand(Command::SystemReload);
    device.SendCommand(Command::End);
    device.release();
    info.outcome = DevInfoOutcome::NotUsable;
    return info;
  }

  std::array<std::uint8_t, 2> identity{};
  // Unread identity bytes would read as 0xFF, 0xFF, the generic identity
  // that is accepted; a mouse that does not answer the read is not accepted.
  if (!device.ReadBlockQuiet(kIdentityAddress, 2, identity)) return info;
  info.identity = identity;
  if (identities.accepts(identity[0], identity[1])) {
    info.outcome = DevInfoOutcome::Accepted;
    return info;
  }
  device.SendCommand(Command::SystemReload);
  device.SendCommand(Command::End);
  info.outcome = DevInfoOutcome::IdentityMismatch;
  return info;
}

PresencePoll::PresencePoll(HidDevice& device, Clock& clock, const AcceptedIdentities& identities,
                           const std::array<DeviceCandidate, 2>& candidates)
    : device_(device), clock_(clock), identities_(identities), DevCandidates_(candidates) {}

PollResult PresencePoll::tick() {
  if (PollBusy_) return resultOf(PollAction::Busy, LastHidCount_);
  BusyGuard guard(PollBusy_);

  int count = 0;
  int stablePasses = 0;
  for (int pass = 0; pass < kCountPasses; ++pass) {
    const int first = device_.CountHidInterfaces();
    const int second = device_.CountHidInterfaces();
    if (first == second) ++stablePasses;
    count = first;
  }
  if (count == LastHidCount_) return resultOf(PollAction::Unchanged, count);
  if (stablePasses < kStablePassesNeeded) return resultOf(PollAction::Unstable, count);

  PollResult result = resultOf(PollAction::Unchanged, count);
  if (count < LastHidCount_) {
    std::uint16_t version = static_cast<std::uint16_t>(device_.DevVersion);
    const OpenResult reopened = device_.OpenHidDevice(static_cast<std::uint16_t>(device_.DevVendorID),
                                                      static_cast<std::uint16_t>(device_.DevProductID), version);
    if (reopened == OpenResult::Opened) {
      result.action = PollAction::Reopened;
    } else {
      result.action = PollAction::Lost;
      result.deviceLost = true;
      result.accessDenied = reopened == OpenResult::AccessDenied;
      device_.DevVendorID = 0;
      device_.DevProductID = 0;
      device_.release();
    }
  } else {
    result = interfaceAppeared(count);
  }
  LastHidCount_ = count;
  return result;
}

PollResult PresencePoll::interfaceAppeared(int count) {
  PollResult result = resultOf(PollAction::AlreadyOpen, count);
  if (device_.isOpen()) return result;

  result.action = PollAction::NotFound;
  for (const DeviceCandidate& candidate : DevCandidates_) {
    if (candidate.empty()) continue;
    // Give a freshly plugged mouse a moment before opening it.
    for (int i = 0; i < kOpenSettleSleeps; ++i) clock_.sleepMs(kOpenSettleSleepMs);
    device_.DevVersion = kExpectedRelease;
    std::uint16_t version = kExpectedRelease;
    const OpenResult opened = device_.OpenHidDevice(candidate.vendorId, candidate.productId, version);
    if (opened == OpenResult::Opened) {
      device_.DevVersion = version;
      result.action = PollAction::Opened;
      result.devInfo = ReadDevInfo(device_, identities_);
      return result;
    }
    result.deviceLost = true;
    result.accessDenied = result.accessDenied || opened == OpenResult::AccessDenied;
  }
  return result;
}

}  // namespace orva
