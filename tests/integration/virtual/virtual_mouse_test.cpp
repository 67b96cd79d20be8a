// The simulated firmware: what it answers beyond the plain transfers, its
// faults, and the file that keeps its memory.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/virtual/VirtualMemoryFile.h"
#include "support/TempFolder.h"
#include "support/VirtualRig.h"

namespace orva::test {
namespace {

TEST(VirtualFaultList, ParsesEveryFault) {
  std::string error;
  const auto f = parseVirtualFaults(
      "noack, status=3,noaccess,chip=0x75,stuck=1500,stuck=7,unplug-after=10,nack-every=4", error);
  ASSERT_TRUE(f) << error;
  EXPECT_TRUE(f->noAck);
  EXPECT_EQ(f->status, 3);
  EXPECT_TRUE(f->noAccess);
  EXPECT_EQ(f->chip, 117);
  EXPECT_EQ(f->stuck, (std::vector<std::uint16_t>{1500, 7}));
  EXPECT_EQ(f->unplugAfter, 10);
  EXPECT_EQ(f->nackEvery, 4);
  EXPECT_TRUE(parseVirtualFaults("", error));
}

TEST(VirtualFaultList, RejectsBadItemsWithAReason) {
  const std::pair<const char*, const char*> rows[] = {
      {"bogus", "unknown fault"},         {"status", "needs a value"},
      {"status=256", "0..255"},           {"chip=x", "0..255"},
      {"stuck=2048", "0..2047"},          {"unplug-after=0", "at least 1"},
      {"nack-every=-1", "at least 1"},    {"noack=1", "takes no value"},
  };
  for (auto [list, reason] : rows) {
    std::string error;
    EXPECT_FALSE(parseVirtualFaults(list, error)) << list;
    EXPECT_NE(error.find(reason), std::string::npos) << list << ": " << error;
  }
}

class VirtualFirmware : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.open()); }
  void faults(const char* list) {
    std::string error;
    rig.mouse->setFaults(*parseVirtualFaults(list, error));
  }
  VirtualRig rig;
};

TEST_F(VirtualFirmware, DriverModeHandshakeAndIdentifier) {
  ASSERT_TRUE(rig.device.SendCommand(Command::Begin));
  EXPECT_EQ(rig.device.response()[1], kBeginAnswer);
  ASSERT_TRUE(rig.device.SendCommand(Command::Status, kDriverModeKey, kDriverModeEnter));
  EXPECT_EQ(rig.device.response()[1], kStatusReady);
  EXPECT_TRUE(rig.device.response()[2] & kStatusDriverMode);
  EXPECT_TRUE(rig.mouse->driverMode());
  ASSERT_TRUE(rig.device.SendCommand(Command::Status));
  EXPECT_TRUE(rig.device.response()[2] & kStatusDriverMode);

  ASSERT_TRUE(rig.device.SendCommand(Command::DriverConfig, 5, 0x2A, 7, 9));
  EXPECT_EQ(rig.mouse->driverConfig(), (std::array<std::uint8_t, 4>{5, 0x2A, 7, 9}));
  ASSERT_TRUE(rig.device.SendCommand(Command::DriverId));
  EXPECT_EQ(rig.device.response()[1] * 256 + rig.device.response()[2], VirtualMouse::kDefaultDriverId);

  ASSERT_TRUE(rig.device.SendCommand(Command::Status, kDriverModeKey, 0));
  EXPECT_FALSE(rig.mouse->driverMode());
}

TEST_F(VirtualFirmware, DriverHandshakeReportsTheLedKindOfItsMemory) {
  struct Row {
    std::uint8_t byte0, byte1, expected;
  } rows[] = {{0x00, 0x00, 192}, {0x80, 0x08, 128}, {0x80, 0x10, 64}, {0x80, 0x00, 0}};
  for (const Row& row : rows) {
    const std::array<std::uint8_t, 2> bytes{row.byte0, row.byte1};
    ASSERT_TRUE(rig.device.WriteBlock(0, 2, bytes));
    ASSERT_TRUE(rig.device.SendCommand(Command::Status, kDriverModeKey, kDriverModeEnter));
    EXPECT_EQ(rig.device.response()[3], row.expected) << int(row.byte0) << "/" << int(row.byte1);
  }
}

TEST_F(VirtualFirmware, StuckAddressKeepsItsByte) {
  faults("stuck=1500");
  const std::uint8_t before = rig.mouse->memory()[1500];
  const std::vector<std::uint8_t> src(20, static_cast<std::uint8_t>(before + 1));
  ASSERT_TRUE(rig.device.WriteBlock(1490, 20, src));
  EXPECT_EQ(rig.mouse->memory()[1500], before);
  EXPECT_EQ(rig.mouse->memory()[1499], before + 1);
  EXPECT_EQ(rig.mouse->memory()[1501], before + 1);
}

TEST_F(VirtualFirmware, RefusesWhatAFirmwareCannotDo) {
  const std::array<std::uint8_t, 5> refusedRequests[] = {
      {0x42, 0, 0, 0, 0},       // unknown command
      {5, 0, 0, 0, 0},          // a read chunk without a block
      {7, 1, 2, 3, 4},          // a write chunk without a block
      {4, 0xFF, 0x07, 2, 0},    // a block past the end of the memory (2047 + 2)
  };
  for (const auto& r : refusedRequests) {
    EXPECT_FALSE(rig.device.SendCommand(static_cast<Command>(r[0]), r[1], r[2], r[3], r[4])) << int(r[0]);
    EXPECT_EQ(rig.device.response()[7], VirtualMouse::kRefused);
  }
}

TEST_F(VirtualFirmware, UnplugAfterRemovesItFromTheBus) {
  faults("unplug-after=2");
  EXPECT_TRUE(rig.device.SendCommand(Command::Begin));
  EXPECT_EQ(rig.bus.countInterfaces(), 1);
  EXPECT_TRUE(rig.device.SendCommand(Command::Status));
  EXPECT_EQ(rig.bus.countInterfaces(), 0);
  EXPECT_FALSE(rig.device.SendCommand(Command::End));
}

class MemoryFile : public ::testing::Test {
 protected:
  TempFolder dir;
};

TEST_F(MemoryFile, MissingFileGivesAFreshMemoryAndSavingRoundTrips) {
  std::string error;
  auto memory = loadVirtualMemory(dir / "m.bin", error);
  ASSERT_TRUE(memory) << error;
  EXPECT_EQ(*memory, freshVirtualMemory());
  (*memory)[100] = 0x12;
  ASSERT_TRUE(saveVirtualMemory(dir / "m.bin", *memory, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(dir / "m.bin"), 2048u);
  EXPECT_EQ(loadVirtualMemory(dir / "m.bin", error), memory);
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(MemoryFile, FileOfAnotherSizeIsRefused) {
  for (int size : {0, 2047, 2049}) {
    dir.write("m.bin", std::vector<std::uint8_t>(size, 'x'));
    std::string error;
    EXPECT_FALSE(loadVirtualMemory(dir / "m.bin", error)) << size;
    EXPECT_NE(error.find("2048"), std::string::npos) << error;
  }
}

TEST_F(MemoryFile, SavingIntoAMissingFolderFailsAndSaysSo) {
  std::string error;
  EXPECT_FALSE(saveVirtualMemory(dir / "no" / "such" / "m.bin", freshVirtualMemory(), error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace orva::test
