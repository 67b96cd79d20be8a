// Slider positions against the pointer settings, both ways.
#include "core/system/PointerTables.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

struct StepRow {
  int step;
  int sensitivity;
  int doubleClickMs;
};

constexpr StepRow kRows[] = {{1, 1, 900},  {2, 2, 830},  {3, 4, 760},  {4, 6, 690},
                             {5, 8, 620},  {6, 10, 550}, {7, 12, 480}, {8, 14, 410},
                             {9, 16, 340}, {10, 18, 270}, {11, 20, 200}};

TEST(PointerTables, EveryPositionWritesItsValueAndReadsBack) {
  for (const StepRow& r : kRows) {
    SCOPED_TRACE(r.step);
    EXPECT_EQ(MouseSensitivityForStep(r.step), r.sensitivity);
    EXPECT_EQ(DoubleClickMsForStep(r.step), r.doubleClickMs);
    EXPECT_EQ(WheelScrollLinesForStep(r.step), r.step);
    EXPECT_EQ(SpeedStepForSensitivity(r.sensitivity), r.step);
    EXPECT_EQ(DoubleClickStepForMs(r.doubleClickMs), r.step);
    EXPECT_EQ(WheelStepForScrollLines(r.step), r.step);
  }
}

TEST(PointerTables, PositionsOutsideTheSliderTakeTheNearestEnd) {
  EXPECT_EQ(MouseSensitivityForStep(0), 1);
  EXPECT_EQ(MouseSensitivityForStep(12), 20);
  EXPECT_EQ(DoubleClickMsForStep(-3), 900);
  EXPECT_EQ(DoubleClickMsForStep(40), 200);
  EXPECT_EQ(WheelScrollLinesForStep(0), 1);
  EXPECT_EQ(WheelScrollLinesForStep(-2), 1);
  EXPECT_EQ(WheelScrollLinesForStep(12), 11);
  EXPECT_EQ(WheelScrollLinesForStep(kScrollOneScreen), -1);
}

struct ReadCase {
  int value;
  int step;
};

TEST(PointerTables, SensitivityReadsBackByPairs) {
  const ReadCase cases[] = {{0, 1},  {1, 1},   {2, 2},  {3, 2},   {4, 3},   {5, 3},   {9, 5},
                            {10, 6}, {11, 6},  {17, 9}, {18, 10}, {19, 10}, {20, 11},
                            // Outside the system's range: the middle.
                            {-1, 6}, {21, 6}, {100, 6}};
  for (const ReadCase& c : cases) EXPECT_EQ(SpeedStepForSensitivity(c.value), c.step) << c.value;
}

TEST(PointerTables, DoubleClickTimeReadsBackByBands) {
  const ReadCase cases[] = {{5000, 1}, {901, 1}, {900, 1}, {899, 2}, {830, 2}, {829, 3}, {760, 3},
                            {759, 4},  {690, 4}, {620, 5}, {619, 6}, {550, 6}, {549, 7}, {500, 7},
                            {480, 7},  {479, 8}, {410, 8}, {409, 9}, {340, 9}, {339, 10}, {270, 10},
                            {269, 11}, {200, 11}, {199, 11}, {0, 11}, {-5, 11}};
  for (const ReadCase& c : cases) EXPECT_EQ(DoubleClickStepForMs(c.value), c.step) << c.value;
}

TEST(PointerTables, WheelLinesReadBack) {
  const ReadCase cases[] = {{-1, kScrollOneScreen}, {0, 3}, {1, 1}, {11, 11}, {12, 11},
                            {25, 11}, {100, 11}, {-2, 11}, {-100, 11}};
  for (const ReadCase& c : cases) EXPECT_EQ(WheelStepForScrollLines(c.value), c.step) << c.value;
}

}  // namespace
}  // namespace orva
