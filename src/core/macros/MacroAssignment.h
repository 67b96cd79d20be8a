#pragma once
// Assigning a library macro to a button: the slot it goes to and the code
// the button gets.

#include <functional>
#include <string>
#include <string_view>

#include "core/macros/DriverMacroSlots.h"
#include "core/macros/MacroSlotSelection.h"
#include "core/macros/MacroSlots.h"
#include "core/params/ParamModel.h"

namespace orva {

// Whether a profile with codes `codes` still has a left click once button
// `button` (0..8) gets `newCode` (the button assignment's rule).
using LeftClickRule = std::function<bool(const ProfileCodes& codes, int button, std::string_view newCode)>;

enum class MacroAssignOutcome {
  Assigned,
  NoFreeSlot,       // refused without a message; the button keeps its code
  LeftClickNeeded,  // "Please keep a Left Key": the button is a left click
};

struct MacroAssignment {
  MacroAssignOutcome outcome = MacroAssignOutcome::NoFreeSlot;
  int slot = 0;      // Assigned: device slot 1..6, or driver entry 0..31
  std::string code;  // the button's code afterwards, in every outcome
};

// EEPROM mode. `profile` (1 or 2) and `button` (0..8) name the button; its
// own code does not count as using a slot. When assigned, the record is in
// the chosen slot and the slots are back in the macro buffers.
MacroAssignment AssignMacroToButton(DeviceMacroSlots& slots, MacroBufferLow& low, MacroBufferHigh& high,
                                    const MacroRecord& macro, MenuTarget target, const ProfileCodes& profile1,
                                    const ProfileCodes& profile2, int profile, int button,
                                    const LeftClickRule& keepsLeftClick);

// Driver mode: the first entry with the macro's name, else the macro
// appended as a new entry (refused once 32 entries exist).
MacroAssignment AssignDriverMacroToButton(DriverMacroSlots& slots, const DriverMacroRecord& macro,
                                          const ProfileCodes& codes, int button,
                                          const LeftClickRule& keepsLeftClick);

}  // namespace orva
