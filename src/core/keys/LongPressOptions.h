#pragma once
// The long-press ways of switching between the two profiles: holding the
// middle button or the DPI button (never both), and holding the gun key.

#include "core/params/ParamModel.h"

namespace orva {

inline constexpr int kLongPressOptions = 3;

// Toggles option `option` (1 middle button, 2 DPI button, 3 gun key).
// Setting the middle-button option clears the DPI-button one and the other
// way round; both may be off. Any other number changes nothing.
void IB_ComboKeyClick(ParamModel& model, int option);

// Whether option `option` (1..3) is set.
bool longPressOption(const ParamModel& model, int option);

}  // namespace orva
