#include "core/system/PointerTables.h"

#include <algorithm>
#include <array>

namespace orva {
namespace {

constexpr int kSteps = kLastSliderStep - kFirstSliderStep + 1;

constexpr std::array<int, kSteps> kSensitivity = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int, kSteps> kDoubleClickMs = {900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};

constexpr int kMinSensitivity = 0;
constexpr int kMaxSensitivity = 20;
constexpr int kUnknownSensitivityStep = 6;  // the middle of the scale
constexpr int kNoWheelLines = 0;
constexpr int kNoWheelLinesStep = 3;        // the system's usual three lines

int clampStep(int step) { return std::clamp(step, kFirstSliderStep, kLastSliderStep); }
int at(const std::array<int, kSteps>& table, int step) { return table[clampStep(step) - kFirstSliderStep]; }

}  // namespace

int MouseSensitivityForStep(int step) { return at(kSensitivity, step); }

int DoubleClickMsForStep(int step) { return at(kDoubleClickMs, step); }

int WheelScrollLinesForStep(int step) { return step == kScrollOneScreen ? kScrollOneScreen : clampStep(step); }

int SpeedStepForSensitivity(int sensitivity) {
  if (sensitivity < kMinSensitivity || sensitivity > kMaxSensitivity) return kUnknownSensitivityStep;
  // The last position whose value does not exceed it; 0 lies below them all.
  int step = kFirstSliderStep;
  for (int k = kFirstSliderStep; k <= kLastSliderStep; ++k) {
    if (at(kSensitivity, k) <= sensitivity) step = k;
  }
  return step;
}

int DoubleClickStepForMs(int ms) {
  for (int k = kFirstSliderStep; k < kLastSliderStep; ++k) {
    if (ms >= at(kDoubleClickMs, k)) return k;
  }
  return kLastSliderStep;
}

int WheelStepForScrollLines(int lines) {
  if (lines == kScrollOneScreen) return kScrollOneScreen;
  if (lines == kNoWheelLines) return kNoWheelLinesStep;
  if (lines < kFirstSliderStep || lines > kLastSliderStep) return kLastSliderStep;
  return lines;
}

}  // namespace orva
