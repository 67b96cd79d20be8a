#pragma once
// How many content bytes a macro may grow to in the editor and the recorder,
// and the room a press keeps free for the releases that follow it.

#include "core/macros/MacroCodec.h"
#include "core/macros/MacroEventLine.h"

namespace orva {

// The driver budget, kDriverMacroByteBudget, comes with the codec.
inline constexpr int kEepromMacroByteBudget = 186;

// A press is taken only while this much room stays free beyond it: enough
// for the releases of the keys still held, with their delay lines.
inline constexpr int kNoDelayPressReserve = 6;
inline constexpr int kDelayPressReserve = 12;

constexpr int MacroByteBudget(bool EepromMode) {
  return EepromMode ? kEepromMacroByteBudget : kDriverMacroByteBudget;
}

constexpr int pressReserve(DelayMode mode) {
  return mode == DelayMode::None ? kNoDelayPressReserve : kDelayPressReserve;
}

}  // namespace orva
