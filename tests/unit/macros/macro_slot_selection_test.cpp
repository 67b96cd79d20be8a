// Choosing the device slot for a library macro.
#include <gtest/gtest.h>

#include <set>

#include "core/macros/MacroSlotSelection.h"

namespace orva {
namespace {

UsedMacroSlots usedOf(std::set<int> slots) {
  UsedMacroSlots used{};
  for (int s : slots) used[s - 1] = true;
  return used;
}

MacroSlotRecords named(std::initializer_list<std::pair<int, const char*>> names) {
  MacroSlotRecords records{};
  for (const auto& [slot, name] : names) records[slot - 1].name = *MacroNameStrToUnicode(name);
  return records;
}

const MacroName kMine = *MacroNameStrToUnicode("mine");

TEST(SelectMacroSlot, Patterns) {
  struct Row {
    std::set<int> used;
    MacroSlotRecords slots;
    MenuTarget target;
    std::optional<int> slot;
  } rows[] = {
      {{}, {}, MenuTarget::MainPage, 1},
      {{1, 2}, {}, MenuTarget::MainPage, 3},
      {{2, 3}, {}, MenuTarget::MainPage, 1},
      {{1, 3}, {}, MenuTarget::MainPage, 2},
      {{1, 2, 4, 5}, {}, MenuTarget::MainPage, 3},
      {{1, 2, 3, 4, 6}, {}, MenuTarget::MainPage, 5},
      {{1, 2, 3, 4, 5, 6}, named({{1, "a"}, {2, "b"}}), MenuTarget::MainPage, std::nullopt},
      // Sharing a slot of the same name.
      {{1, 2, 3, 4, 5, 6}, named({{4, "mine"}}), MenuTarget::MainPage, 4},
      {{1, 2}, named({{2, "mine"}}), MenuTarget::MainPage, 2},
      {{1, 2}, named({{5, "mine"}}), MenuTarget::MainPage, 5},
      {{1, 2}, named({{1, "mine"}, {2, "mine"}}), MenuTarget::MainPage, 3},  // not exactly one
      {{1, 3}, named({{3, "mine"}}), MenuTarget::MainPage, 2},               // only with no hole
      // The patterns where the count names a used slot: the lowest free one.
      {{3, 4, 5}, {}, MenuTarget::MainPage, 1},
      {{1, 4, 5, 6}, {}, MenuTarget::MainPage, 2},
      {{3, 4, 5, 6}, {}, MenuTarget::MainPage, 1},
      // The engineering page: slots 1..4 only.
      {{1, 2, 3}, {}, MenuTarget::EngineeringPage, 4},
      {{3}, {}, MenuTarget::EngineeringPage, 4},  // the four-slot rule fills after slot 3
      {{3}, {}, MenuTarget::MainPage, 1},
      {{5, 6}, {}, MenuTarget::EngineeringPage, 1},
      {{1, 2, 3, 4}, {}, MenuTarget::EngineeringPage, std::nullopt},
      {{1, 2, 3, 4, 6}, {}, MenuTarget::EngineeringPage, std::nullopt},
      {{1, 2, 3, 4, 5, 6}, named({{3, "mine"}}), MenuTarget::EngineeringPage, 3},
      {{1, 2, 3, 4, 5, 6}, named({{5, "mine"}}), MenuTarget::EngineeringPage, std::nullopt},
  };
  for (const Row& row : rows) {
    std::string label;
    for (int s : row.used) label += std::to_string(s) + " ";
    SCOPED_TRACE(label + (row.target == MenuTarget::MainPage ? "main" : "engineering"));
    EXPECT_EQ(SelectMacroSlot(row.target, usedOf(row.used), kMine, row.slots), row.slot);
  }
}

TEST(SelectMacroSlot, NeverTakesAReferencedSlotUnlessSharingIt) {
  const MacroSlotRecords none{};
  for (int pattern = 0; pattern < 64; ++pattern) {
    UsedMacroSlots used{};
    for (int k = 0; k < 6; ++k) used[k] = (pattern >> k) & 1;
    const bool allUsed = pattern == 63;
    const bool lowFull = (pattern & 0x0F) == 0x0F;
    SCOPED_TRACE(pattern);

    const auto onMain = SelectMacroSlot(MenuTarget::MainPage, used, kMine, none);
    ASSERT_EQ(onMain.has_value(), !allUsed);
    if (onMain) {
      EXPECT_FALSE(used[*onMain - 1]);
    }

    const auto engineering = SelectMacroSlot(MenuTarget::EngineeringPage, used, kMine, none);
    if (lowFull) {
      EXPECT_FALSE(engineering.has_value());
    }
    if (engineering) {
      EXPECT_LE(*engineering, 4);
      EXPECT_FALSE(used[*engineering - 1]);
    }
  }
}

}  // namespace
}  // namespace orva
