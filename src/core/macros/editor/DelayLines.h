#pragma once
// The delay lines the recorder puts before an event. A key event gets one
// line of at most 2040 ms; a mouse button event gets up to 10,200 ms split
// into lines of 2040 ms and a rest. A pause of 0 ms gives no line.

#include <string>
#include <vector>

#include "core/macros/MacroEventLine.h"

namespace orva {

inline constexpr int kMaxMouseDelayLines = 5;
inline constexpr int kMaxMouseDelayMs = kMaxMouseDelayLines * kMaxDelayPairMs;  // 10,200

std::vector<std::string> keyDelayLines(int ms);
std::vector<std::string> mouseDelayLines(int ms);

}  // namespace orva
