// Assigning a library macro to a button, in EEPROM and in driver mode.
#include <gtest/gtest.h>

#include "core/macros/MacroAssignment.h"
#include "unit/macros/macro_test_support.h"

namespace orva::test {
namespace {

// The profile keeps a left click when another button has one or the new
// code is one.
const LeftClickRule kKeepsLeftClick = [](const ProfileCodes& codes, int button, std::string_view newCode) {
  for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
    if (i != button && codes[i] == "010100") return true;
  }
  return newCode == "010100";
};

template <class Record>
Record macroNamed(const char* name, std::uint8_t stop) {
  Record record;
  record.name = *MacroNameStrToUnicode(name);
  const Bytes stored = storedBytes(stop, {0xA1, 0x21}, Record::kLayout.lengthBytes);
  std::copy(stored.begin(), stored.end(), record.data.begin());
  return record;
}

class Assignment : public ::testing::Test {
 protected:
  MacroAssignment assign(const MacroRecord& macro, int profile, int button,
                         MenuTarget target = MenuTarget::MainPage) {
    return AssignMacroToButton(slots, low, high, macro, target, p1, p2, profile, button, kKeepsLeftClick);
  }

  DeviceMacroSlots slots;
  MacroBufferLow low{};
  MacroBufferHigh high{};
  ProfileCodes p1{"010100", "010200", "010400", "010800", "011000", "070000", "080000", "050000", "000000"};
  ProfileCodes p2 = p1;
};

TEST_F(Assignment, TakesTheNextSlotAndBuildsTheCodeFromTheStopMode) {
  p2[4] = "060121";  // slot 1 in use by profile 2
  const MacroRecord macro = macroNamed<MacroRecord>("jump", 0x01);
  const MacroAssignment result = assign(macro, 1, 3);
  EXPECT_EQ(result.outcome, MacroAssignOutcome::Assigned);
  EXPECT_EQ(result.slot, 2);
  EXPECT_EQ(result.code, "0E0221");
  EXPECT_EQ(slots.slot(2), macro);
  // Image 512..767 holds the slot.
  std::array<std::uint8_t, 256> bytes;
  macro.toBytes(bytes);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), low.begin() + 256));
}

TEST_F(Assignment, TheButtonsOwnOldMacroDoesNotHoldItsSlot) {
  p1[3] = "060121";
  const MacroAssignment result = assign(macroNamed<MacroRecord>("other", 0x00), 1, 3);
  EXPECT_EQ(result.slot, 1);
  EXPECT_EQ(result.code, "060121");
}

TEST_F(Assignment, RefusalsLeaveTheSlotsAlone) {
  const MacroRecord macro = macroNamed<MacroRecord>("x", 0x00);
  {
    SCOPED_TRACE("no room");
    p1[5] = "060121", p1[6] = "060221", p1[7] = "060321";
    p2[5] = "060421", p2[6] = "0E0621", p2[7] = "0E0721";
    const MacroAssignment result = assign(macro, 1, 8);
    EXPECT_EQ(result.outcome, MacroAssignOutcome::NoFreeSlot);
    EXPECT_EQ(result.code, "000000");
  }
  {
    SCOPED_TRACE("the engineering page has no room in slots 1..4 when 1..4 are taken");
    p2[6] = "000000", p2[7] = "000000";
    EXPECT_EQ(assign(macro, 1, 8, MenuTarget::EngineeringPage).outcome, MacroAssignOutcome::NoFreeSlot);
  }
  {
    SCOPED_TRACE("the only left click");
    const MacroAssignment result = assign(macro, 2, 0);
    EXPECT_EQ(result.outcome, MacroAssignOutcome::LeftClickNeeded);
    EXPECT_EQ(result.code, "010100");
  }
  EXPECT_EQ(slots.records(), MacroSlotRecords{});
  EXPECT_EQ(low, MacroBufferLow{});
  EXPECT_EQ(high, MacroBufferHigh{});
}

TEST(DriverAssignment, AppendsOnceThenReusesTheEntryOfTheSameName) {
  DriverMacroSlots slots;
  ProfileCodes codes{"010100", "010200", "010400", "010800", "011000", "070000", "080000", "050000", "000000"};
  const DriverMacroRecord first = macroNamed<DriverMacroRecord>("first", 0x00);
  const DriverMacroRecord second = macroNamed<DriverMacroRecord>("second", 0x01);

  MacroAssignment result = AssignDriverMacroToButton(slots, first, codes, 3, kKeepsLeftClick);
  EXPECT_EQ(result.outcome, MacroAssignOutcome::Assigned);
  EXPECT_EQ(result.slot, 0);
  EXPECT_EQ(result.code, "060120");
  result = AssignDriverMacroToButton(slots, first, codes, 4, kKeepsLeftClick);
  EXPECT_EQ(result.code, "060120");
  result = AssignDriverMacroToButton(slots, second, codes, 5, kKeepsLeftClick);
  EXPECT_EQ(result.code, "0E0920");  // 2048 + 288
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[1], second);

  EXPECT_EQ(AssignDriverMacroToButton(slots, second, codes, 0, kKeepsLeftClick).outcome,
            MacroAssignOutcome::LeftClickNeeded);

  // Codes reach entry 31 and no further.
  while (slots.size() < 32) slots.push_back(macroNamed<DriverMacroRecord>("", 0x00));
  slots[31].name = *MacroNameStrToUnicode("last");
  result = AssignDriverMacroToButton(slots, slots[31], codes, 6, kKeepsLeftClick);
  EXPECT_EQ(result.code, "06F920");
  result = AssignDriverMacroToButton(slots, macroNamed<DriverMacroRecord>("one more", 0x00), codes, 6,
                                     kKeepsLeftClick);
  EXPECT_EQ(result.outcome, MacroAssignOutcome::NoFreeSlot);
  EXPECT_EQ(result.code, "080000");
  EXPECT_EQ(slots.size(), 32u);
}

TEST(DriverMacroSlots, RefreshDriverWriteMacroTakesTheDataOfTheFirstLibraryMacroOfTheSameName) {
  DriverMacroSlots slots{macroNamed<DriverMacroRecord>("a", 0x00), macroNamed<DriverMacroRecord>("gone", 0x00)};
  std::vector<DriverMacroRecord> library{macroNamed<DriverMacroRecord>("b", 0x00),
                                         macroNamed<DriverMacroRecord>("a", 0x01),
                                         macroNamed<DriverMacroRecord>("a", 0x00)};
  library[1].data[10] = 0x77;
  const DriverMacroSlots unchanged = slots;
  RefreshDriverWriteMacro(slots, library);
  EXPECT_EQ(slots[0].data, library[1].data);
  EXPECT_EQ(slots[0].name, unchanged[0].name);
  EXPECT_EQ(slots[1], unchanged[1]);
  EXPECT_EQ(RefreshDriverMacroName(slots), (std::vector<std::string>{"a", "gone"}));
}

}  // namespace
}  // namespace orva::test
