// The presence poll and the readiness and identity check against virtual
// interfaces.
#include <gtest/gtest.h>

#include "core/device/Discovery.h"
#include "support/VirtualRig.h"

namespace orva::test {
namespace {

HidInterfaceInfo unrelated(const std::string& path) { return {path, 0x046D, 0xC077, 0x0111, 0}; }

// Identity of the shipped default image (255, 255) and reserve pair (0, 0).
const AcceptedIdentities kShippedIdentities{255, 255, 0, 0};

VirtualMouse::Memory memoryWithIdentity(std::uint8_t manu, std::uint8_t pro) {
  VirtualMouse::Memory m = patternedMemory();
  m[54] = manu;
  m[55] = pro;
  return m;
}

class Discovery : public ::testing::Test {
 protected:
  explicit Discovery(const VirtualMouse::Memory& memory = memoryWithIdentity(255, 255))
      : rig(memory), poll(rig.device, rig.clock, kShippedIdentities) {}

  // The first tick that finds the mouse, then a clean trace.
  void startOpen() {
    const PollResult first = poll.tick();
    ASSERT_EQ(first.action, PollAction::Opened);
    ASSERT_EQ(first.devInfo->outcome, DevInfoOutcome::Accepted);
    rig.wire.clear();
    rig.clock.sleeps.clear();
  }

  VirtualRig rig;
  PresencePoll poll;
};

TEST_F(Discovery, FirstTickOpensTheMouseAndAcceptsIt) {
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::Opened);
  EXPECT_FALSE(r.deviceLost);
  ASSERT_TRUE(r.devInfo);
  EXPECT_EQ(r.devInfo->outcome, DevInfoOutcome::Accepted);
  EXPECT_TRUE(r.devInfo->ParamAccess);
  EXPECT_EQ(r.devInfo->ChipModel, 144);
  EXPECT_EQ(r.devInfo->identity, (std::array<std::uint8_t, 2>{255, 255}));
  EXPECT_TRUE(rig.device.isOpen());
  EXPECT_EQ(rig.device.DevVendorID, 0x1BCFu);
  EXPECT_EQ(rig.device.DevProductID, 0x08A0u);
  EXPECT_EQ(poll.LastHidCount(), 1);
  // Three settling waits before the open, then the exchanges; the accepted
  // sequence stays open for the read cycle (no End yet).
  EXPECT_EQ(std::vector<int>(rig.clock.sleeps.begin(), rig.clock.sleeps.begin() + 3), (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(rig.sentCodes(), (std::vector<std::uint8_t>{1, 3, 4, 5}));
}

TEST_F(Discovery, NoMouseAtStartShowsDeviceLostOnce) {
  rig.bus.unplug("virtual:mouse");
  rig.bus.plug(unrelated("virtual:keyboard"));
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::NotFound);
  EXPECT_TRUE(r.deviceLost);
  EXPECT_FALSE(r.accessDenied);
  // The empty second candidate slot is never tried: one set of settling waits.
  EXPECT_EQ(rig.clock.sleeps, (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(poll.tick().action, PollAction::Unchanged);
}

TEST_F(Discovery, MachineWithoutAnyHidInterfaceStillReportsTheMissingMouse) {
  rig.bus.unplug("virtual:mouse");
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::NotFound);
  EXPECT_TRUE(r.deviceLost);
  EXPECT_EQ(poll.LastHidCount(), 0);
}

TEST_F(Discovery, MousePluggedLaterIsOpenedByTheNextTick) {
  rig.bus.unplug("virtual:mouse");
  rig.bus.plug(unrelated("virtual:keyboard"));
  ASSERT_EQ(poll.tick().action, PollAction::NotFound);
  rig.bus.plug(VirtualHidBus::mouseInterface(), rig.mouse);
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::Opened);
  EXPECT_EQ(r.devInfo->outcome, DevInfoOutcome::Accepted);
}

TEST_F(Discovery, UnpluggingTheMouseLosesIt) {
  startOpen();
  rig.bus.unplug("virtual:mouse");
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::Lost);
  EXPECT_TRUE(r.deviceLost);
  EXPECT_FALSE(rig.device.isOpen());
  EXPECT_EQ(rig.device.DevVendorID, 0u);
  EXPECT_EQ(rig.device.DevProductID, 0u);
}

TEST_F(Discovery, UnrelatedDevicePluggedWhileOpenChangesNothing) {
  startOpen();
  rig.bus.plug(unrelated("virtual:keyboard"));
  EXPECT_EQ(poll.tick().action, PollAction::AlreadyOpen);
  EXPECT_EQ(poll.LastHidCount(), 2);
  EXPECT_EQ(poll.tick().action, PollAction::Unchanged);  // guard released, count remembered
  EXPECT_TRUE(rig.wire.empty());
  EXPECT_TRUE(rig.device.isOpen());
}

TEST_F(Discovery, UnrelatedDeviceUnpluggedWhileOpenReopensTheMouseQuietly) {
  rig.bus.plug(unrelated("virtual:keyboard"));
  startOpen();
  rig.bus.unplug("virtual:keyboard");
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::Reopened);
  EXPECT_FALSE(r.deviceLost);
  EXPECT_TRUE(rig.device.isOpen());
  EXPECT_TRUE(rig.wire.empty());
  EXPECT_EQ(rig.bus.openConnections("virtual:mouse"), 1);
}

TEST_F(Discovery, LaterOfTwoMatchingInterfacesWinsAndTheEarlierIsClosed) {
  auto second = std::make_shared<VirtualMouse>(memoryWithIdentity(255, 255));
  rig.bus.plug(VirtualHidBus::mouseInterface("virtual:mouse-2"), second);
  ASSERT_EQ(poll.tick().action, PollAction::Opened);
  EXPECT_EQ(rig.bus.openConnections("virtual:mouse"), 0);
  EXPECT_EQ(rig.bus.openConnections("virtual:mouse-2"), 1);
  rig.mouse->setButtons(0x0001);
  second->setButtons(0x0004);
  EXPECT_EQ(rig.device.ReadStatusWord(), 0x0004);
}

TEST_F(Discovery, InterfacesThatDoNotMatchExactlyAreNeverOpened) {
  rig.bus.unplug("virtual:mouse");
  struct Row {
    const char* what;
    HidInterfaceInfo info;
  } rows[] = {
      {"feature length 9", {"virtual:wide", 0x1BCF, 0x08A0, 0x0104, 9}},
      {"other release", {"virtual:old", 0x1BCF, 0x08A0, 0x0103, 8}},
      {"other product", {"virtual:other", 0x1BCF, 0x08A1, 0x0104, 8}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    rig.bus.plug(row.info, rig.mouse);
    const PollResult r = poll.tick();
    EXPECT_EQ(r.action, PollAction::NotFound);
    EXPECT_FALSE(rig.device.isOpen());
    EXPECT_EQ(rig.bus.openConnections(row.info.path), 0);
  }
}

TEST_F(Discovery, MouseWithoutPermissionIsReportedAsAccessDenied) {
  rig.bus.unplug("virtual:mouse");
  rig.bus.plug(VirtualHidBus::mouseInterface(), rig.mouse, /*denyAccess=*/true);
  const PollResult r = poll.tick();
  EXPECT_EQ(r.action, PollAction::NotFound);
  EXPECT_TRUE(r.deviceLost);
  EXPECT_TRUE(r.accessDenied);
}

// A transport whose interface count follows a script, to show flicker.
class ScriptedCountBus final : public Transport {
 public:
  ScriptedCountBus(Transport& inner, std::vector<int> counts) : inner_(inner), counts_(std::move(counts)) {}
  std::vector<HidInterfaceInfo> enumerate() override { return inner_.enumerate(); }
  int countInterfaces() override {
    if (onCount) onCount();
    const int c = counts_[next_ % counts_.size()];
    ++next_;
    return c;
  }
  std::unique_ptr<HidConnection> open(const std::string& path, OpenError& error) override {
    return inner_.open(path, error);
  }
  std::function<void()> onCount;

 private:
  Transport& inner_;
  std::vector<int> counts_;
  std::size_t next_ = 0;
};

TEST(DiscoveryFlicker, FewerThanTwoStablePassesAreIgnored) {
  VirtualRig rig;
  struct Row {
    std::vector<int> counts;  // ten counts: five passes of two
    PollAction expected;
    int lastCountAfter;
  } rows[] = {
      {{1, 2, 1, 2, 1, 2, 1, 2, 1, 2}, PollAction::Unstable, -1},
      {{1, 1, 1, 2, 1, 2, 1, 2, 1, 2}, PollAction::Unstable, -1},
      {{1, 1, 1, 2, 1, 2, 2, 1, 1, 1}, PollAction::Opened, 1},  // two stable passes, count from the last pass
  };
  for (const Row& row : rows) {
    ScriptedCountBus scripted(rig.bus, row.counts);
    HidDevice scriptedDevice(scripted, rig.clock);
    PresencePoll poll(scriptedDevice, rig.clock, kShippedIdentities);
    EXPECT_EQ(poll.tick().action, row.expected);
    EXPECT_EQ(poll.LastHidCount(), row.lastCountAfter);
  }
}

TEST(DiscoveryGuard, ANestedTickReturnsAtOnce) {
  VirtualRig rig;
  ScriptedCountBus scripted(rig.bus, {1});
  HidDevice device(scripted, rig.clock);
  PresencePoll poll(device, rig.clock, kShippedIdentities);
  std::vector<PollAction> nested;
  scripted.onCount = [&] { nested.push_back(poll.tick().action); };
  EXPECT_EQ(poll.tick().action, PollAction::Opened);
  ASSERT_EQ(nested.size(), 10u);
  EXPECT_TRUE(std::ranges::all_of(nested, [](PollAction a) { return a == PollAction::Busy; }));
  scripted.onCount = nullptr;
  EXPECT_EQ(poll.tick().action, PollAction::Unchanged);  // the guard was released
}

struct IdentityCase {
  const char* name;
  std::uint8_t manu, pro;
  const char* faults;
  DevInfoOutcome outcome;
  std::vector<std::uint8_t> codes;  // commands sent by the check
  bool stillOpen;
};

void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.name; }

class ReadDevInfoOutcome : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(ReadDevInfoOutcome, DecidesAndClosesTheSequenceAsRequired) {
  const IdentityCase& c = GetParam();
  VirtualRig rig(memoryWithIdentity(c.manu, c.pro));
  std::string error;
  rig.mouse->setFaults(*parseVirtualFaults(c.faults, error));
  ASSERT_TRUE(rig.open());
  const DevInfo info = ReadDevInfo(rig.device, kShippedIdentities);
  EXPECT_EQ(info.outcome, c.outcome);
  std::vector<std::uint8_t> codes = rig.sentCodes();
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());  // retries of one request count once
  EXPECT_EQ(codes, c.codes);
  EXPECT_EQ(rig.device.isOpen(), c.stillOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Discovery, ReadDevInfoOutcome,
    ::testing::Values(
        IdentityCase{"GenericIdentity", 255, 255, "", DevInfoOutcome::Accepted, {1, 3, 4, 5}, true},
        IdentityCase{"ReserveIdentity", 0, 0, "", DevInfoOutcome::Accepted, {1, 3, 4, 5}, true},
        IdentityCase{"Mismatch", 1, 2, "", DevInfoOutcome::IdentityMismatch, {1, 3, 4, 5, 8, 2}, true},
        IdentityCase{"HalfOfEachPair", 255, 0, "", DevInfoOutcome::IdentityMismatch, {1, 3, 4, 5, 8, 2}, true},
        IdentityCase{"NoParameterAccess", 255, 255, "noaccess", DevInfoOutcome::NotUsable, {1, 3, 8, 2}, false},
        IdentityCase{"UnknownChip", 255, 255, "chip=54", DevInfoOutcome::NotUsable, {1, 3, 8, 2}, false},
        IdentityCase{"OtherKnownChip", 255, 255, "chip=253", DevInfoOutcome::Accepted, {1, 3, 4, 5}, true},
        IdentityCase{"NotReady", 255, 255, "status=3", DevInfoOutcome::Stopped, {1, 3}, true},
        IdentityCase{"NoAnswer", 255, 255, "noack", DevInfoOutcome::Stopped, {1}, true},
        IdentityCase{"GoneDuringIdentityRead", 255, 255, "unplug-after=2", DevInfoOutcome::Stopped, {1, 3, 4}, true}),
    [](const auto& info) { return info.param.name; });

TEST(ChipModel, KnownCodesMapAndOthersAreUnknown) {
  const std::pair<int, int> rows[] = {{53, 144}, {117, 153}, {253, 152}, {0, 0}, {54, 0}, {255, 0}};
  for (auto [code, model] : rows) EXPECT_EQ(chipModelFromCode(static_cast<std::uint8_t>(code)), model) << code;
}

}  // namespace
}  // namespace orva::test
