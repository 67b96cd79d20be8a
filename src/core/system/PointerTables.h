#pragma once
// The operating system's pointer settings against the positions 1..11 of the
// three sliders of the advanced page: pointer speed, double-click time and
// wheel lines. Writing maps a position to the value stored; reading maps any
// stored value back to a position.

namespace orva {

inline constexpr int kFirstSliderStep = 1;
inline constexpr int kLastSliderStep = 11;
// Wheel position and WheelScrollLines value for "one screen at a time".
inline constexpr int kScrollOneScreen = -1;

// Positions outside 1..11 are taken as the nearest end, as the sliders limit them.
int MouseSensitivityForStep(int step);   // 1, 2, 4, 6, ..., 20
int DoubleClickMsForStep(int step);      // 900, 830, ..., 200
// kScrollOneScreen stays; other positions give their own number of lines.
int WheelScrollLinesForStep(int step);

// 0..20 by pairs (0 and 1 → 1, 20 → 11); any other value → 6.
int SpeedStepForSensitivity(int sensitivity);
// The first position whose time is at most `ms`; below 270 ms → 11.
int DoubleClickStepForMs(int ms);
// kScrollOneScreen stays, 0 → 3, 1..11 the same, any other value → 11.
int WheelStepForScrollLines(int lines);

}  // namespace orva
