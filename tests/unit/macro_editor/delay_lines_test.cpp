// Delay lines before recorded events, and the bytes lines stand for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/editor/DelayLines.h"
#include "core/macros/editor/LineBytes.h"

namespace orva {
namespace {

using Lines = std::vector<std::string>;

TEST(DelayLines, KeyEventsGetOneLineCappedAt2040) {
  const std::pair<int, Lines> rows[] = {
      {0, {}}, {1, {"0 1"}}, {100, {"0 100"}}, {2040, {"0 2040"}}, {2041, {"0 2040"}}, {5000, {"0 2040"}},
  };
  for (const auto& [ms, lines] : rows) EXPECT_EQ(keyDelayLines(ms), lines) << ms << " ms";
}

TEST(DelayLines, MouseEventsSplitUpTo10200) {
  const std::pair<int, Lines> rows[] = {
      {0, {}},
      {920, {"0 920"}},
      {2040, {"0 2040"}},
      {4081, {"0 2040", "0 2040", "0 1"}},
      {5000, {"0 2040", "0 2040", "0 920"}},
      {10200, {"0 2040", "0 2040", "0 2040", "0 2040", "0 2040"}},
      {60000, {"0 2040", "0 2040", "0 2040", "0 2040", "0 2040"}},
  };
  for (const auto& [ms, lines] : rows) EXPECT_EQ(mouseDelayLines(ms), lines) << ms << " ms";
}

TEST(LineBytes, CountsWhatTheLinesAreStoredAs) {
  const std::pair<const char*, int> rows[] = {
      {"0 0", 2},     // FE 00
      {"0 2040", 2},  // FE FF
      {"0 2041", 4},  // FE FF FE 00
      {"0 5000", 6},  // a merged line: FE FF FE FF FE 73
      {"1 LeftKey CODE:00A1", 1},
      {"2 Backward CODE:0030", 1},
      {"1 A CODE:8204", 2},
      {"2 Shift CODE:0102", 2},
      {"4 FBFB", 2},
      {"7 FD04", 2},
      {"8 00FC", 1},
  };
  for (const auto& [line, bytes] : rows) EXPECT_EQ(lineByteCount(line), bytes) << line;
  EXPECT_EQ(contentByteCount({"1 A CODE:8204", "0 100", "2 A CODE:0204", "1 LeftKey CODE:00A1"}), 7);
}

}  // namespace
}  // namespace orva
