#pragma once
// The macros the PC-side driver plays in driver mode: a list of
// DriverMacroRecords, entry k referred to by the address k × 2048 + 288.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/macros/MacroRecord.h"

namespace orva {

using DriverMacroSlots = std::vector<DriverMacroRecord>;

// Codes carry 16-bit addresses: entries 0..31 can be referred to.
inline constexpr int kDriverMacroSlotLimit = 32;
inline constexpr int kDriverMacroSlotBase = 288;

constexpr std::uint16_t DriverMacroSlotAddress(int entry) {
  return static_cast<std::uint16_t>(entry * kDriverMacroRecordSize + kDriverMacroSlotBase);
}
static_assert((kDriverMacroSlotLimit - 1) * kDriverMacroRecordSize + kDriverMacroSlotBase <= 0xFFFF);
static_assert(kDriverMacroSlotLimit * kDriverMacroRecordSize + kDriverMacroSlotBase > 0xFFFF);

// After every change of the driver library (`library.records()`): each entry
// takes the data of the first library macro with the same name.
void RefreshDriverWriteMacro(DriverMacroSlots& slots, std::span<const DriverMacroRecord> library);

// The entries' names, in order.
std::vector<std::string> RefreshDriverMacroName(const DriverMacroSlots& slots);

}  // namespace orva
