#pragma once
// The options of a macro as the editor shows and sets them: stop mode,
// repetition and delay mode. A plain value, no widgets.

#include "core/macros/MacroEventLine.h"
#include "core/macros/MacroRecord.h"

namespace orva {

enum class Repetition {
  Once,     // no repetition wrapper
  Times,    // played `repeatCount` times
  Endless,  // until the button stops it
};

inline constexpr int kMinRepeatCount = 1;
inline constexpr int kMaxRepeatCount = 255;  // a count byte of 0xFF would mean endless

struct MacroOptions {
  StopMode stopMode = StopMode::PlayToEnd;
  Repetition repetition = Repetition::Once;
  int repeatCount = 8;  // passes, kMinRepeatCount..kMaxRepeatCount
  DelayMode delayMode = DelayMode::None;
  int fixedDelayMs = 32;  // the delay of DelayMode::Fixed

  bool operator==(const MacroOptions&) const = default;
};

}  // namespace orva
