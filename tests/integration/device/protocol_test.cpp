// The command exchanges and block transfers against the virtual mouse, with
// every wait recorded by the fake clock.
#include <gtest/gtest.h>

#include <functional>

#include "support/VirtualRig.h"

namespace orva::test {
namespace {

std::vector<int> repeat(int times, const std::vector<int>& block) {
  std::vector<int> out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), block.begin(), block.end());
  return out;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct TimingCase {
  const char* name;
  std::function<void(VirtualMouse&)> setup;
  std::function<bool(HidDevice&)> operation;
  bool expectedResult;
  std::vector<int> expectedSleeps;
  int expectedRequests;
};

void PrintTo(const TimingCase& c, std::ostream* os) { *os << c.name; }

class ExchangeTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(ExchangeTiming, SleepsPollsAndAttempts) {
  const TimingCase& c = GetParam();
  VirtualRig rig;
  ASSERT_TRUE(rig.open());
  c.setup(*rig.mouse);
  EXPECT_EQ(c.operation(rig.device), c.expectedResult);
  EXPECT_EQ(rig.clock.sleeps, c.expectedSleeps);
  EXPECT_EQ(static_cast<int>(rig.sentCodes().size()), c.expectedRequests);
}

const auto noSetup = [](VirtualMouse&) {};
const auto ackAfter = [](int polls) { return [polls](VirtualMouse& m) { m.setAckAfterPolls(polls); }; };
const auto withFaults = [](const char* list) {
  return [list](VirtualMouse& m) {
    std::string error;
    m.setFaults(*parseVirtualFaults(list, error));
  };
};
const auto begin = [](HidDevice& d) { return d.SendCommand(Command::Begin); };
const auto readSixBytes = [](HidDevice& d) {
  std::array<std::uint8_t, 6> buf{};
  return d.ReadBlock(0, 6, buf);
};
const auto writeSixBytes = [](HidDevice& d) {
  const std::array<std::uint8_t, 6> buf{1, 2, 3, 4, 5, 6};
  return d.WriteBlock(0, 6, buf);
};
const auto statusWordIsRead = [](HidDevice& d) {
  d.ReadStatusWord();
  return d.response()[7] == kAckDone;
};

INSTANTIATE_TEST_SUITE_P(
    Protocol, ExchangeTiming,
    ::testing::Values(
        TimingCase{"CommandAckedAtFirstPoll", noSetup, begin, true, {10}, 1},
        TimingCase{"CommandAckedAtThirdPoll", ackAfter(2), begin, true, {10, 10, 10}, 1},
        // Five attempts, each a 10 ms wait after the request and five polls
        // that each wait 10 ms while byte 7 is still 0.
        TimingCase{"CommandNeverAcked", withFaults("noack"), begin, false,
                   repeat(5, {10, 10, 10, 10, 10, 10}), 5},
        // A non-zero byte 7 other than 0xCC ends the polls of an attempt at once.
        TimingCase{"CommandAnsweredWithOtherByte", withFaults("nack-every=1"), begin, false,
                   repeat(5, {10}), 5},
        TimingCase{"CommandRefusedOnceThenDone", withFaults("nack-every=2"),
                   [](HidDevice& d) { return d.SendCommand(Command::Begin) && d.SendCommand(Command::End); },
                   true, {10, 10, 10}, 3},
        TimingCase{"ReadChunk", noSetup, readSixBytes, true, {10, 5}, 2},
        TimingCase{"ReadChunkAfterBusyPoll", ackAfter(1), readSixBytes, true, {10, 10, 5, 5}, 2},
        TimingCase{"WriteChunk", noSetup, writeSixBytes, true, {10, 10}, 2},
        TimingCase{"WriteChunkAfterBusyPoll", ackAfter(1), writeSixBytes, true, {10, 10, 10, 5}, 2},
        // The status word waits 5 ms before the request and before every poll.
        TimingCase{"StatusWord", noSetup, statusWordIsRead, true, {5, 5}, 1},
        TimingCase{"StatusWordAfterBusyPolls", ackAfter(2), statusWordIsRead, true, {5, 5, 5, 5}, 1},
        TimingCase{"StatusWordNeverAcked", withFaults("noack"), statusWordIsRead, false,
                   repeat(10, concat({5}, repeat(10, {5}))), 10}),
    [](const auto& info) { return info.param.name; });

class Protocol : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.open()); }
  VirtualRig rig;
};

TEST_F(Protocol, BlockReadsCopyExactlyTheRequestedBytesInWholeChunks) {
  for (int length : {2, 6, 255, 1024, 2048}) {
    SCOPED_TRACE(length);
    rig.wire.clear();
    std::vector<std::uint8_t> dest(kImageSize, 0x00);
    ASSERT_TRUE(rig.device.ReadBlock(0, static_cast<std::uint16_t>(length), dest));
    EXPECT_EQ(rig.sentWithCode(Command::ReadData), (length + 5) / 6);
    EXPECT_TRUE(std::equal(dest.begin(), dest.begin() + length, rig.mouse->memory().begin()));
    EXPECT_TRUE(std::all_of(dest.begin() + length, dest.end(), [](auto b) { return b == 0xFF; }));
  }
}

TEST_F(Protocol, BlockWritesChangeExactlyTheRequestedBytes) {
  for (int length : {2, 6, 255, 1024, 2048}) {
    SCOPED_TRACE(length);
    rig.wire.clear();
    const VirtualMouse::Memory before = rig.mouse->memory();
    std::vector<std::uint8_t> src(length);
    for (int i = 0; i < length; ++i) src[i] = static_cast<std::uint8_t>(before[i] ^ 0x5A);
    ASSERT_TRUE(rig.device.WriteBlock(0, static_cast<std::uint16_t>(length), src));
    EXPECT_EQ(rig.sentWithCode(Command::WriteData), (length + 5) / 6);
    const auto& after = rig.mouse->memory();
    EXPECT_TRUE(std::equal(src.begin(), src.end(), after.begin()));
    EXPECT_TRUE(std::equal(after.begin() + length, after.end(), before.begin() + length));
  }
}

TEST_F(Protocol, IdentityReadSendsTheDocumentedRequests) {
  std::array<std::uint8_t, 2> identity{};
  ASSERT_TRUE(rig.device.ReadBlockQuiet(54, 2, identity));
  EXPECT_EQ(rig.sentLines(), (std::vector<std::string>{"> 04 04 36 00 02 00 00 00",
                                                         "> 04 05 00 00 00 00 00 00"}));
  EXPECT_EQ(identity[0], rig.mouse->memory()[54]);
  EXPECT_EQ(identity[1], rig.mouse->memory()[55]);
}

TEST_F(Protocol, ParameterWriteSendsBlockThen43ChunksWithStaleTail) {
  std::vector<std::uint8_t> image(kImageSize);
  for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i);
  ASSERT_TRUE(rig.device.WriteBlock(0, 255, image));
  const auto lines = rig.sentLines();
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(lines[0], "> 04 06 00 00 FF 00 00 00");
  EXPECT_EQ(lines[1], "> 04 07 00 01 02 03 04 05");
  // The last chunk carries bytes 252..254 and keeps 249..251 of the chunk before.
  EXPECT_EQ(lines[43], "> 04 07 FC FD FE F9 FA FB");
  EXPECT_EQ(rig.mouse->memory()[254], 254);
  EXPECT_EQ(rig.mouse->memory()[255], patternedMemory()[255]);
}

TEST_F(Protocol, SingleChunkWriteIsPaddedWithFF) {
  const std::array<std::uint8_t, 2> two{0x12, 0x34};
  ASSERT_TRUE(rig.device.WriteBlock(1500, 2, two));
  EXPECT_EQ(rig.sentLines(), (std::vector<std::string>{"> 04 06 DC 05 02 00 00 00",
                                                         "> 04 07 12 34 FF FF FF FF"}));
}

TEST_F(Protocol, FullReadStartsWithWholeMemoryBlockCommand) {
  std::vector<std::uint8_t> dest(kImageSize);
  std::vector<std::pair<int, int>> progress;
  rig.device.setChunkProgress([&](int i, int n) { progress.emplace_back(i, n); });
  ASSERT_TRUE(rig.device.ReadBlock(0, 2048, dest));
  EXPECT_EQ(rig.sentLines().front(), "> 04 04 00 00 00 08 00 00");
  ASSERT_EQ(progress.size(), 342u);
  EXPECT_EQ(progress.front(), std::make_pair(0, 342));
  EXPECT_EQ(progress.back(), std::make_pair(341, 342));
}

TEST_F(Protocol, QuietReadReportsNoProgress) {
  int calls = 0;
  rig.device.setChunkProgress([&](int, int) { ++calls; });
  std::array<std::uint8_t, 12> dest{};
  ASSERT_TRUE(rig.device.ReadBlockQuiet(0, 12, dest));
  EXPECT_EQ(calls, 0);
}

TEST_F(Protocol, ChunksLostMidReadReadAsFFWhileTheBlockSucceeds) {
  std::string error;
  rig.mouse->setFaults(*parseVirtualFaults("unplug-after=3", error));  // block command and two chunks
  std::vector<std::uint8_t> dest(kImageSize);
  EXPECT_TRUE(rig.device.ReadBlock(0, 30, dest));
  EXPECT_TRUE(std::equal(dest.begin(), dest.begin() + 12, rig.mouse->memory().begin()));
  EXPECT_TRUE(std::all_of(dest.begin() + 12, dest.end(), [](auto b) { return b == 0xFF; }));
}

TEST_F(Protocol, RetriedChunksNeitherSkipNorRepeatData) {
  std::string error;
  rig.mouse->setFaults(*parseVirtualFaults("nack-every=4", error));
  std::vector<std::uint8_t> dest(kImageSize);
  ASSERT_TRUE(rig.device.ReadBlock(0, 2048, dest));
  EXPECT_TRUE(std::equal(dest.begin(), dest.end(), rig.mouse->memory().begin()));

  std::vector<std::uint8_t> src(kImageSize);
  for (int i = 0; i < kImageSize; ++i) src[i] = static_cast<std::uint8_t>(255 - dest[i]);
  ASSERT_TRUE(rig.device.WriteBlock(0, 2048, src));
  EXPECT_TRUE(std::equal(src.begin(), src.end(), rig.mouse->memory().begin()));
}

TEST_F(Protocol, RefusedBlockCommandFailsAndLeavesDestinationFF) {
  std::string error;
  rig.mouse->setFaults(*parseVirtualFaults("noaccess", error));
  std::vector<std::uint8_t> dest(kImageSize, 0);
  EXPECT_FALSE(rig.device.ReadBlock(0, 255, dest));
  EXPECT_TRUE(std::all_of(dest.begin(), dest.end(), [](auto b) { return b == 0xFF; }));
  EXPECT_EQ(rig.sentWithCode(Command::ReadData), 0);
  EXPECT_FALSE(rig.device.WriteBlock(0, 6, dest));
  EXPECT_EQ(rig.sentWithCode(Command::WriteData), 0);
}

TEST_F(Protocol, WithoutDeviceNothingIsSentAndReadsFillFF) {
  rig.device.release();
  std::vector<std::uint8_t> dest(16, 0);
  EXPECT_FALSE(rig.device.SendCommand(Command::Begin));
  EXPECT_FALSE(rig.device.ReadBlock(0, 6, dest));
  EXPECT_TRUE(std::all_of(dest.begin(), dest.end(), [](auto b) { return b == 0xFF; }));
  EXPECT_EQ(rig.device.ReadStatusWord(), 0);
  EXPECT_TRUE(rig.wire.empty());
  EXPECT_TRUE(rig.clock.sleeps.empty());
}

TEST_F(Protocol, BuffersShorterThanTheBlockAreRefusedBeforeTalking) {
  std::array<std::uint8_t, 4> small{};
  EXPECT_FALSE(rig.device.ReadBlock(0, 6, small));
  EXPECT_FALSE(rig.device.WriteBlock(0, 6, small));
  EXPECT_TRUE(rig.wire.empty());
}

TEST_F(Protocol, StatusWordCarriesTheButtonsHeld) {
  rig.mouse->setButtons(0x0201);
  EXPECT_EQ(rig.device.ReadStatusWord(), 0x0201);
}

TEST_F(Protocol, AnUnpluggedDeviceFailsFastInsteadOfWaitingOutEveryPoll) {
  rig.bus.unplug("virtual:mouse");
  EXPECT_FALSE(rig.device.SendCommand(Command::Begin));
  EXPECT_TRUE(rig.clock.sleeps.empty());
}

}  // namespace
}  // namespace orva::test
