#include "core/macros/MacroSlotSelection.h"

#include <algorithm>

namespace orva {

namespace {

constexpr int kFourSlots = 4;

// The rule over slots 1..`count`; count + 1 means no room. The four-slot
// rule also fills its last slot after a used one.
int chooseSlot(const UsedMacroSlots& all, const MacroName& name, const MacroSlotRecords& slots, int count) {
  const auto used = [&](int slot) { return all[slot - 1]; };
  const int c = static_cast<int>(std::count(all.begin(), all.begin() + count, true));

  if (std::all_of(all.begin(), all.begin() + c, [](bool u) { return u; })) {
    int matches = 0;
    int shared = 0;
    for (int slot = 1; slot <= count; ++slot) {
      if (macroNameInUse(name) && slots[slot - 1].name == name) ++matches, shared = slot;
    }
    return matches == 1 ? shared : c + 1;
  }

  if (!used(1) && used(2)) return 1;
  for (int slot = 2; slot < count; ++slot) {
    if (used(slot - 1) && !used(slot) && used(slot + 1)) return slot;
  }
  if (count == kFourSlots && used(count - 1) && !used(count)) return count;
  if (!used(c)) return c;
  // The used slots leave c taken ({3, 4, 5}, {1, 4, 5, 6}, {3, 4, 5, 6}):
  // the lowest free slot instead.
  for (int slot = 1; slot <= count; ++slot) {
    if (!used(slot)) return slot;
  }
  return count + 1;
}

}  // namespace

int FindBaseMacroCount(const UsedMacroSlots& used, const MacroName& name, const MacroSlotRecords& slots) {
  return chooseSlot(used, name, slots, kMacroSlotCount);
}

int FindBaseMacroIndex(const UsedMacroSlots& used, const MacroName& name, const MacroSlotRecords& slots) {
  return chooseSlot(used, name, slots, kFourSlots);
}

std::optional<int> SelectMacroSlot(MenuTarget target, const UsedMacroSlots& used, const MacroName& name,
                                   const MacroSlotRecords& slots) {
  const int six = FindBaseMacroCount(used, name, slots);
  if (target == MenuTarget::MainPage) {
    if (six > kMacroSlotCount) return std::nullopt;
    return six;
  }
  if (six > kFourSlots) return std::nullopt;
  const int four = FindBaseMacroIndex(used, name, slots);
  if (four > kFourSlots) return std::nullopt;
  return four;
}

}  // namespace orva
