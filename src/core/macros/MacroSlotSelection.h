#pragma once
// Which device slot a library macro goes to when it is assigned to a button.

#include <optional>

#include "core/macros/MacroName.h"
#include "core/macros/MacroSlots.h"

namespace orva {

// Where the button menu was opened: the main page uses all six slots, the
// engineering page only slots 1..4.
enum class MenuTarget { MainPage, EngineeringPage };

// Six-slot rule: 1..6, or 7 when there is no room. `used` must not count the
// button being assigned.
//  - The used slots are exactly 1..c: slot c + 1, unless the macro's name is
//    the name of exactly one slot, which it then shares.
//  - Otherwise the first free slot between two used ones (or slot 1 when
//    slot 2 is used), else the lowest free slot.
int FindBaseMacroCount(const UsedMacroSlots& used, const MacroName& name, const MacroSlotRecords& slots);

// The same over slots 1..4: 1..4, or 5 when there is no room.
int FindBaseMacroIndex(const UsedMacroSlots& used, const MacroName& name, const MacroSlotRecords& slots);

// The slot for `target`, or nothing when there is no room: the main page
// takes the six-slot choice; the engineering page refuses when the six-slot
// choice is above 4 and otherwise takes the four-slot choice.
std::optional<int> SelectMacroSlot(MenuTarget target, const UsedMacroSlots& used, const MacroName& name,
                                   const MacroSlotRecords& slots);

}  // namespace orva
