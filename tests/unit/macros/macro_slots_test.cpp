// The six device slots in the macro buffers, their checks, the codes that
// refer to them.
#include <gtest/gtest.h>

#include "core/macros/MacroReferenceCode.h"
#include "core/macros/MacroSlots.h"
#include "unit/macros/macro_test_support.h"

namespace orva::test {
namespace {

TEST(MacroSlots, AddressesAndReferenceCodes) {
  struct Row {
    int slot;
    std::uint16_t address;
    StopMode stop;
    std::string code;
  } rows[] = {
      {1, 0x0121, StopMode::PlayToEnd, "060121"},      {2, 0x0221, StopMode::StopOnRelease, "0E0221"},
      {3, 0x0321, StopMode::PlayToEnd, "060321"},      {4, 0x0421, StopMode::PlayToEnd, "060421"},
      {5, 0x0621, StopMode::StopOnRelease, "0E0621"},  {6, 0x0721, StopMode::StopOnRelease, "0E0721"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.slot);
    EXPECT_EQ(MacroSlotAddress(row.slot), row.address);
    EXPECT_EQ(macroSlotAt(row.address), row.slot);
    EXPECT_EQ(MacroReferenceCode(row.stop, row.address), row.code);
    EXPECT_EQ(macroReferenceAddress(row.code), row.address);
  }
  EXPECT_EQ(macroSlotAt(0x00F0), std::nullopt);
  EXPECT_EQ(macroReferenceAddress("0e0721"), 0x0721);
  for (const char* other : {"010100", "0A0500", "06012", "0601211", "06X121", ""}) {
    EXPECT_EQ(macroReferenceAddress(other), std::nullopt) << other;
  }
}

TEST(MacroSlots, UsedSlotsFromTheCodesOfBothProfiles) {
  ProfileCodes p1{"010100", "060121", "0600F0", "0E0621", "020104", "", "060120", "000000", "0A0000"};
  ProfileCodes p2{"010100", "0E0121", "060421", "010200", "010400", "010800", "011000", "070000", "080000"};
  EXPECT_EQ(usedMacroSlots(p1, p2), (UsedMacroSlots{true, false, false, true, true, false}));
}

// Buffers whose slots carry their number in every byte of the name and a
// sound one-event macro.
struct Buffers {
  MacroBufferLow low{};
  MacroBufferHigh high{};

  std::uint8_t* at(int slot) {
    const int offset = MacroSlotAddress(slot) - 33;
    return offset < 1536 ? low.data() + offset - 256 : high.data() + offset - 1536;
  }
  void fillSlot(int slot, const Bytes& data) {
    std::fill_n(at(slot), 32, static_cast<std::uint8_t>(slot));
    std::copy(data.begin(), data.end(), at(slot) + 32);
  }
};

TEST(MacroSlots, ReadAndRefreshMacroTakesEachSlotAndDropsBadDataOfSlots1To4) {
  Buffers buffers;
  const Bytes sound = storedBytes(0x01, {0xA1, 0x21});
  Bytes bad = sound;
  bad.back() ^= 0x01;
  for (int slot = 1; slot <= 6; ++slot) buffers.fillSlot(slot, slot % 2 == 0 ? bad : sound);

  DeviceMacroSlots slots;
  slots.ReadAndRefreshMacro(buffers.low, buffers.high, true);
  for (int slot = 1; slot <= 6; ++slot) {
    SCOPED_TRACE(slot);
    MacroName name;
    name.fill(static_cast<std::uint8_t>(slot));
    EXPECT_EQ(slots.slot(slot).name, name);
    const bool dropped = slot == 2 || slot == 4;
    EXPECT_EQ(slots.slot(slot).data, dataOf<MacroData>(dropped ? Bytes{} : slot % 2 == 0 ? bad : sound));
  }
}

TEST(MacroSlots, CheckMacroContentBufRules) {
  struct Row {
    const char* label;
    Bytes data;
    bool kept;
  } rows[] = {
      {"sound", storedBytes(0x00, {0xFE, 0x7D}), true},
      {"checksum off by one", {0x00, 0x03, 0xFE, 0x7D, 0x25}, false},
      {"empty", {}, true},  // zero stays zero
      {"erased memory", Bytes(224, 0xFF), false},
      {"length beyond the slot", {0x00, 0xFA, 0x01}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    MacroSlotRecords records{};
    for (auto& r : records) {
      r.name[1] = 'n';
      r.data = dataOf<MacroData>(row.data);
    }
    CheckMacroContentBuf(records);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(records[i].name[1], 'n');
      const bool kept = row.kept || i >= 4;  // slots 5 and 6 are not checked
      EXPECT_EQ(records[i].data, kept ? dataOf<MacroData>(row.data) : MacroData{}) << "slot " << i + 1;
    }
  }
}

TEST(MacroSlots, RefreshBaseMacroBufPutsEachSlotBackInItsPlace) {
  Buffers buffers;
  DeviceMacroSlots slots;
  slots.ReadAndRefreshMacro(buffers.low, buffers.high, false);
  MacroRecord record;
  record.name = *MacroNameStrToUnicode("X");
  record.data = dataOf<MacroData>(storedBytes(0x00, {0xA1}));
  slots.store(3, record);
  slots.store(6, record);
  slots.RefreshBaseMacroBuf(buffers.low, buffers.high);

  MacroBufferLow low{};
  MacroBufferHigh high{};
  std::array<std::uint8_t, 256> bytes;
  record.toBytes(bytes);
  std::copy(bytes.begin(), bytes.end(), low.begin() + 512);   // image 768
  std::copy(bytes.begin(), bytes.end(), high.begin() + 256);  // image 1792
  EXPECT_EQ(buffers.low, low);
  EXPECT_EQ(buffers.high, high);
  EXPECT_EQ(slots.RefreshMacroName(), (std::array<std::string, 6>{"", "", "X", "", "", "X"}));
}

}  // namespace
}  // namespace orva::test
