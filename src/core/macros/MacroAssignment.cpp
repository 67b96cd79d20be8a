#include "core/macros/MacroAssignment.h"

#include <algorithm>

#include "core/keys/KeyCode.h"
#include "core/macros/MacroReferenceCode.h"

namespace orva {

namespace {

constexpr std::string_view kNoFunctionCode = "000000";

MacroAssignment refused(MacroAssignOutcome outcome, std::string code) {
  MacroAssignment result;
  result.outcome = outcome;
  result.code = std::move(code);
  return result;
}

}  // namespace

MacroAssignment AssignMacroToButton(DeviceMacroSlots& slots, MacroBufferLow& low, MacroBufferHigh& high,
                                    const MacroRecord& macro, MenuTarget target, const ProfileCodes& profile1,
                                    const ProfileCodes& profile2, int profile, int button,
                                    const LeftClickRule& keepsLeftClick) {
  ProfileCodes without1 = profile1;
  ProfileCodes without2 = profile2;
  ProfileCodes& own = profile == 1 ? without1 : without2;
  const std::string previous = own[button];
  own[button] = kNoFunctionCode;

  const auto slot = SelectMacroSlot(target, usedMacroSlots(without1, without2), macro.name, slots.records());
  if (!slot) return refused(MacroAssignOutcome::NoFreeSlot, previous);

  const std::string code = MacroReferenceCode(stopModeOf(macro.data), MacroSlotAddress(*slot));
  if (!keepsLeftClick(profile == 1 ? profile1 : profile2, button, code)) {
    return refused(MacroAssignOutcome::LeftClickNeeded, std::string(kLeftClickCode));
  }
  slots.store(*slot, macro);
  slots.RefreshBaseMacroBuf(low, high);
  return {MacroAssignOutcome::Assigned, *slot, code};
}

MacroAssignment AssignDriverMacroToButton(DriverMacroSlots& slots, const DriverMacroRecord& macro,
                                          const ProfileCodes& codes, int button,
                                          const LeftClickRule& keepsLeftClick) {
  const auto found = std::ranges::find_if(slots, [&](const DriverMacroRecord& e) { return e.name == macro.name; });
  const int entry = static_cast<int>(found - slots.begin());
  if (entry >= kDriverMacroSlotLimit) return refused(MacroAssignOutcome::NoFreeSlot, codes[button]);

  const std::string code = MacroReferenceCode(stopModeOf(macro.data), DriverMacroSlotAddress(entry));
  if (!keepsLeftClick(codes, button, code)) {
    return refused(MacroAssignOutcome::LeftClickNeeded, std::string(kLeftClickCode));
  }
  if (found == slots.end()) slots.push_back(macro);
  return {MacroAssignOutcome::Assigned, entry, code};
}

}  // namespace orva
