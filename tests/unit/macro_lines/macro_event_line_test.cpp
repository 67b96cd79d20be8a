// The text lines the macro editor works on, and the bytes they stand for.
#include <gtest/gtest.h>

#include "core/macros/MacroEventLine.h"

namespace orva {
namespace {

TEST(MacroEventLine, EventsBecomeTheirLines) {
  const std::pair<std::string, std::string> rows[] = {
      {keyEventLine(true, "Ctrl", kEventModifierDown, 0x01), "1 Ctrl CODE:8101"},
      {keyEventLine(false, "A", kEventKeyUp, 0x04), "2 A CODE:0204"},
      {mouseButtonLine(0xA1), "1 LeftKey CODE:00A1"},
      {mouseButtonLine(0x21), "2 LeftKey CODE:0021"},
      {mouseButtonLine(0xA2), "1 RightKey CODE:00A2"},
      {mouseButtonLine(0x24), "2 MiddleKey CODE:0024"},
      {mouseButtonLine(0xA8), "1 Forward CODE:00A8"},
      {mouseButtonLine(0x30), "2 Backward CODE:0030"},
      {moveLine(kEventMoveX, 0x0C), "3 FB0C"},
      {moveLine(kEventMoveX, 0x80), "4 FB80"},
      {moveLine(kEventMoveY, 0x7F), "5 FA7F"},
      {moveLine(kEventMoveY, 0xF4), "6 FAF4"},
      {delayLine(1000), "0 1000"},
      {repeatStartLine(4), "7 FD04"},
      {repeatEndLine(), "8 00FC"},
      {headerLine(DelayMode::None), "00"},
      {headerLine(DelayMode::Fixed, 50), "0150"},
      {headerLine(DelayMode::Recorded), "10"},
  };
  for (const auto& [line, expected] : rows) EXPECT_EQ(line, expected);
}

TEST(MacroEventLine, LinesGiveTheirBytes) {
  using Bytes = std::vector<std::uint8_t>;
  const std::pair<const char*, std::optional<Bytes>> rows[] = {
      {"1 LeftKey CODE:00A1", Bytes{0xA1}},
      {"1 A CODE:8204", Bytes{0x82, 0x04}},
      {"3 FB0C", Bytes{0xFB, 0x0C}},
      {"8 00FC", Bytes{0xFC}},
      {"7 FDFF", Bytes{0xFD, 0xFF}},
      {"0 24", std::nullopt},   // delays are read by their milliseconds
      {"1 X CODE:82ZZ", std::nullopt},
      {"xyz", std::nullopt},
  };
  for (const auto& [line, bytes] : rows) EXPECT_EQ(eventLineBytes(line), bytes) << line;
}

TEST(MacroEventLine, DelayMilliseconds) {
  const std::pair<const char*, int> rows[] = {{"0 1000", 1000}, {"0 0", 0}, {"0 ", 0}, {"0 12a", 0}, {"0", 0}, {"0 -5", 0}};
  for (auto [line, ms] : rows) EXPECT_EQ(delayLineMs(line), ms) << line;
  EXPECT_TRUE(isDelayLine("0 24"));
  EXPECT_FALSE(isDelayLine("1 LeftKey CODE:00A1"));
}

TEST(MacroEventLine, EventBytesAndTheirLengths) {
  const std::pair<int, int> rows[] = {  // byte, length (0: not an event)
      {0x81, 2}, {0x01, 2}, {0x82, 2}, {0x02, 2}, {0xFB, 2}, {0xFA, 2}, {0xFE, 2}, {0xFD, 2},
      {0xFC, 1}, {0xA1, 1}, {0x21, 1}, {0xB0, 1}, {0x30, 1}, {0xA3, 0}, {0x20, 0}, {0x00, 0}, {0x42, 0},
  };
  for (auto [byte, length] : rows) {
    const auto b = static_cast<std::uint8_t>(byte);
    EXPECT_EQ(isEventByte(b), length != 0) << byte;
    if (length) EXPECT_EQ(eventLength(b), length) << byte;
  }
}

TEST(MacroEventLine, DelaysAreStoredAsPairsOfAtMost2040Ms) {
  using Bytes = std::vector<std::uint8_t>;
  const std::pair<int, Bytes> rows[] = {
      {0, {0xFE, 0x00}},    {1000, {0xFE, 0x7D}}, {1001, {0xFE, 0x7D}},
      {2040, {0xFE, 0xFF}}, {4080, {0xFE, 0xFF, 0xFE, 0xFF}},
      {5000, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}},
  };
  for (const auto& [ms, bytes] : rows) {
    EXPECT_EQ(delayBytes(ms), bytes) << ms;
    EXPECT_EQ(lineBytes(delayLine(ms)), bytes) << ms;
  }
  EXPECT_EQ(lineBytes("1 LeftKey CODE:00A1"), Bytes{0xA1});
  EXPECT_TRUE(lineBytes("not a line").empty());
}

}  // namespace
}  // namespace orva
