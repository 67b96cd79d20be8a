// The lines a fire recording adds, with its delay lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fire/FireRecorder.h"

namespace orva::fire {
namespace {

using Lines = std::vector<std::string>;

TEST(FireRecorder, DelayLinesByMode) {
  struct Row {
    const char* what;
    DelayMode mode;
    int fixedMs;
    std::optional<std::uint32_t> last;
    std::uint32_t now;
    Lines lines;
  };
  const Row rows[] = {
      {"first event, recorded", DelayMode::Recorded, 50, std::nullopt, 5000, {}},
      {"first event, fixed", DelayMode::Fixed, 50, std::nullopt, 5000, {}},
      {"recorded", DelayMode::Recorded, 50, 1000, 6000, {"0 2040", "0 2040", "0 920"}},
      {"recorded, capped", DelayMode::Recorded, 50, 1000, 31000, Lines(5, "0 2040")},
      {"recorded across a wrap of the tick", DelayMode::Recorded, 50, 0xFFFFFF00u, 0xA0, {"0 416"}},
      {"fixed", DelayMode::Fixed, 50, 1000, 6000, {"0 50"}},
      {"fixed, 0 ms", DelayMode::Fixed, 0, 1000, 6000, {}},
      {"none", DelayMode::None, 50, 1000, 6000, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fireDelayLines(row.mode, row.fixedMs, row.last, row.now), row.lines) << row.what;
  }
}

TEST(FireRecorder, LeftClicksWithTheirPauses) {
  FireRecorder recorded(DelayMode::Recorded, 50);
  recorded.leftButton(true, 1000);
  recorded.leftButton(false, 1100);
  recorded.leftButton(true, 1300);
  EXPECT_EQ(recorded.lines(), (Lines{"10", "1 LeftKey CODE:00A1", "0 100", "2 LeftKey CODE:0021", "0 200",
                                     "1 LeftKey CODE:00A1"}));

  FireRecorder fixed(DelayMode::Fixed, 50);
  fixed.leftButton(true, 1000);
  fixed.leftButton(false, 9000);
  EXPECT_EQ(fixed.lines(), (Lines{"0150", "1 LeftKey CODE:00A1", "0 50", "2 LeftKey CODE:0021"}));
}

}  // namespace
}  // namespace orva::fire
