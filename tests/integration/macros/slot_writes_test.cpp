// The device macro slots against the virtual mouse: the writes at apply and
// the read of one slot whose name is needed.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/macros/MacroSlots.h"
#include "core/params/Checksum.h"
#include "core/params/DefaultImages.h"
#include "core/params/ParameterCycles.h"
#include "support/VirtualRig.h"

namespace orva::test {
namespace {

using Blocks = std::vector<std::pair<int, int>>;  // (address, length) of each block command

MacroRecord record(const char* name, std::uint8_t event) {
  MacroRecord r;
  r.name = *MacroNameStrToUnicode(name);
  r.data[1] = 2;  // L: one content byte
  r.data[2] = event;
  r.data[3] = checksumOf(std::span(r.data).subspan(1, 2));
  return r;
}

void place(Image& memory, int slot, const MacroRecord& r) {
  r.toBytes(std::span<std::uint8_t, kMacroRecordSize>(memory.data() + MacroSlotAddress(slot) - 33, kMacroRecordSize));
}

MacroRecord at(const VirtualMouse::Memory& memory, int slot) {
  return MacroRecord::fromBytes(std::span(memory).subspan(MacroSlotAddress(slot) - 33, kMacroRecordSize));
}

class SlotWrites : public ::testing::Test {
 protected:
  SlotWrites() : memory(mouseMemory()), rig(memory) {}

  static Image mouseMemory() {
    Image m = *builtInDefaultImage(1);
    place(m, 2, record("two", 0xA2));
    place(m, 5, record("five", 0xA4));
    place(m, 6, record("six", 0xA8));
    return m;
  }

  void SetUp() override {
    ASSERT_TRUE(rig.open());
    ASSERT_TRUE(cycles.InitNoDevice());
  }

  // The slots as a full read of the mouse leaves them.
  void takeInTheMousesSlots() {
    std::copy_n(memory.begin() + 256, 1024, cycles.macroBufferLow.begin());
    std::copy_n(memory.begin() + 1536, 512, cycles.macroBufferHigh.begin());
    slots.ReadAndRefreshMacro(cycles.macroBufferLow, cycles.macroBufferHigh, true);
  }

  Blocks blocks(Command code) const {
    Blocks found;
    for (const WireEntry& w : rig.wire) {
      if (w.direction == TraceDirection::Sent && w.report[1] == static_cast<std::uint8_t>(code)) {
        found.emplace_back(w.report[2] | (w.report[3] << 8), w.report[4] | (w.report[5] << 8));
      }
    }
    return found;
  }

  ApplyOutcome apply() {
    rig.wire.clear();
    return cycles.DownloadParameter(rig.device);
  }

  Image memory;
  VirtualRig rig;
  ParameterCycles cycles;
  DeviceMacroSlots& slots{cycles.macroSlots};
};

TEST_F(SlotWrites, ApplyWritesTheReferencedSlotsThatDifferFromTheMouse) {
  takeInTheMousesSlots();
  cycles.ProfileCodes1[1] = "060121";  // slot 1: a new macro
  cycles.ProfileCodes1[2] = "060221";  // slot 2: as the mouse holds it
  cycles.ProfileCodes2[3] = "0E0621";  // slot 5: renamed
  cycles.ProfileCodes2[4] = "060721";  // slot 6: same name, other events
  slots.store(1, record("one", 0xA1));
  slots.store(3, record("three", 0xB0));  // no button names slot 3
  slots.store(5, record("5ive", 0xA4));
  slots.store(6, record("six", 0xA1));

  ASSERT_EQ(apply(), ApplyOutcome::Written);
  EXPECT_EQ(blocks(Command::WriteBlock),
            (Blocks{{0, 255}, {256, 32}, {288, 224}, {1536, 32}, {1568, 224}, {1792, 32}, {1824, 224}}));
  const auto& m = rig.mouse->memory();
  EXPECT_EQ(at(m, 1), record("one", 0xA1));
  EXPECT_EQ(at(m, 2), record("two", 0xA2));
  EXPECT_EQ(at(m, 3), MacroRecord{});
  EXPECT_EQ(at(m, 5), record("5ive", 0xA4));
  EXPECT_EQ(at(m, 6), record("six", 0xA1));
  EXPECT_TRUE(std::equal(m.begin() + 1280, m.begin() + 1536, memory.begin() + 1280));  // nothing else touched

  // The mouse now holds them: the next apply writes parameters only.
  ASSERT_EQ(apply(), ApplyOutcome::Written);
  EXPECT_EQ(blocks(Command::WriteBlock), (Blocks{{0, 255}}));
}

TEST_F(SlotWrites, SlotsNotKnownToBeInTheMouseAreWrittenWhenReferenced) {
  slots.ReadAndRefreshMacro(cycles.macroBufferLow, cycles.macroBufferHigh, false);
  cycles.ProfileCodes1[4] = "060421";
  ASSERT_EQ(apply(), ApplyOutcome::Written);
  EXPECT_EQ(blocks(Command::WriteBlock), (Blocks{{0, 255}, {1024, 32}, {1056, 224}}));
}

TEST_F(SlotWrites, AFailedWriteIsReportedAndTriedAgainNextTime) {
  takeInTheMousesSlots();
  cycles.ProfileCodes1[1] = "060121";
  slots.store(1, record("one", 0xA1));
  std::string error;
  rig.mouse->setFaults(*parseVirtualFaults("noack", error));
  EXPECT_FALSE(slots.writeReferencedMacroSlots(rig.device, cycles.ProfileCodes1, cycles.ProfileCodes2));

  rig.mouse->setFaults({});
  rig.wire.clear();
  EXPECT_TRUE(slots.writeReferencedMacroSlots(rig.device, cycles.ProfileCodes1, cycles.ProfileCodes2));
  EXPECT_EQ(blocks(Command::WriteBlock), (Blocks{{256, 32}, {288, 224}}));
  EXPECT_EQ(at(rig.mouse->memory(), 1), record("one", 0xA1));
}

TEST_F(SlotWrites, ReadingASlotWhoseNameIsNeededKeepsTheMousesMacro) {
  // After a parameters-only read the copies are the no-device image's empty slots.
  slots.ReadAndRefreshMacro(cycles.macroBufferLow, cycles.macroBufferHigh, false);
  cycles.ProfileCodes1[5] = "060221";
  rig.wire.clear();
  ASSERT_TRUE(slots.ReadMacroSlot(rig.device, 2));
  EXPECT_EQ(blocks(Command::ReadBlock), (Blocks{{512, 256}}));
  EXPECT_EQ(slots.RefreshMacroName()[1], "two");
  EXPECT_EQ(slots.slot(2), record("two", 0xA2));
  slots.RefreshBaseMacroBuf(cycles.macroBufferLow, cycles.macroBufferHigh);

  ASSERT_EQ(apply(), ApplyOutcome::Written);
  EXPECT_EQ(blocks(Command::WriteBlock), (Blocks{{0, 255}}));
  EXPECT_EQ(at(rig.mouse->memory(), 2), record("two", 0xA2));
}

TEST_F(SlotWrites, ReadingASlotKeepsAnAssignmentNotYetApplied) {
  slots.ReadAndRefreshMacro(cycles.macroBufferLow, cycles.macroBufferHigh, false);
  cycles.ProfileCodes1[5] = "060221";
  slots.store(2, record("mine", 0xB0));
  ASSERT_TRUE(slots.ReadMacroSlot(rig.device, 2));
  EXPECT_EQ(slots.slot(2), record("mine", 0xB0));

  ASSERT_EQ(apply(), ApplyOutcome::Written);
  EXPECT_EQ(blocks(Command::WriteBlock), (Blocks{{0, 255}, {512, 32}, {544, 224}}));
  EXPECT_EQ(at(rig.mouse->memory(), 2), record("mine", 0xB0));
}

}  // namespace
}  // namespace orva::test
