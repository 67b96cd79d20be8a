#include "core/params/ButtonNames.h"

namespace orva {

KeyNames buttonNames(const ParameterCycles& cycles, KeyNaming naming) {
  const auto slotNames = cycles.macroSlots.RefreshMacroName();
  naming.macroSlotName = [slotNames](int item) {
    return item >= 0 && item < kMacroSlotCount ? slotNames[item] : std::string();
  };
  return RefreshKeyNames(cycles.ProfileCodes1, cycles.ProfileCodes2, naming);
}

}  // namespace orva
