// DecodeMacro: stored macro data to event lines and options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/MacroCodec.h"
#include "unit/macros/macro_test_support.h"

namespace orva::test {
namespace {

using Lines = std::vector<std::string>;

const MacroKeyNames kNames{
    [](int vk) {
      switch (vk) {
        case 17: return std::string("Ctrl");
        case 16: return std::string("Shift");
        case 18: return std::string("Alt");
        case 91: return std::string("LWin");
        case 92: return std::string("RWin");
        default: return std::string("vk") + std::to_string(vk);
      }
    },
    [](std::uint8_t usage) { return usage == 0x04 ? std::string("A") : std::string("u") + std::to_string(usage); },
};

DecodedMacro decoded(const Bytes& content, std::uint8_t stop = 0x00, const MacroOptions& current = {}) {
  const auto result = DecodeMacro(dataOf<MacroData>(storedBytes(stop, content)), kNames, current);
  EXPECT_TRUE(result.has_value());
  return result.value_or(DecodedMacro{});
}

TEST(DecodeMacro, TheStoredExampleShowsItsOptionsAndThreeLines) {
  const MacroData data = dataOf<MacroData>({0x01, 0x08, 0xFD, 0x04, 0xA1, 0xFE, 0x03, 0x21, 0xFC, 0x92});
  const auto result = DecodeMacro(data, kNames);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->options.stopMode, StopMode::StopOnRelease);
  EXPECT_EQ(result->options.repetition, Repetition::Times);
  EXPECT_EQ(result->options.repeatCount, 5);
  EXPECT_EQ(result->lines, (Lines{"10", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"}));
}

TEST(DecodeMacro, EventsToLines) {
  struct Row {
    const char* label;
    Bytes content;
    Lines events;  // the lines after the header
  } rows[] = {
      {"modifiers by virtual key",
       {0x81, 0x01, 0x81, 0x02, 0x81, 0x04, 0x81, 0x08, 0x01, 0x80},
       {"1 Ctrl CODE:8101", "1 Shift CODE:8102", "1 Alt CODE:8104", "1 LWin CODE:8108", "2 RWin CODE:0180"}},
      {"a modifier without a name keeps its code", {0x81, 0x10}, {"1  CODE:8110"}},
      {"keys by usage", {0x82, 0x04, 0x02, 0x04}, {"1 A CODE:8204", "2 A CODE:0204"}},
      {"mouse buttons",
       {0xA2, 0x22, 0xA4, 0x24, 0xA8, 0x28, 0xB0, 0x30},
       {"1 RightKey CODE:00A2", "2 RightKey CODE:0022", "1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024",
        "1 Forward CODE:00A8", "2 Forward CODE:0028", "1 Backward CODE:00B0", "2 Backward CODE:0030"}},
      {"movement by sign", {0xFB, 0x0C, 0xFB, 0xF4, 0xFA, 0x7F, 0xFA, 0x80}, {"3 FB0C", "4 FBF4", "5 FA7F", "6 FA80"}},
      {"five pairs merge", {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}, {"0 5000"}},
      {"a sixth pair starts a new line",
       {0xFE, 0x01, 0xFE, 0x01, 0xFE, 0x01, 0xFE, 0x01, 0xFE, 0x01, 0xFE, 0x02},
       {"0 40", "0 16"}},
      {"an event between pairs separates them", {0xFE, 0x01, 0xA1, 0xFE, 0x02}, {"0 8", "1 LeftKey CODE:00A1", "0 16"}},
      {"repetition bytes give no line", {0xFD, 0xFF, 0xA1, 0xFC, 0x21}, {"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}},
      {"a byte that is no event ends the walk", {0xA1, 0x07, 0x21}, {"1 LeftKey CODE:00A1"}},
      {"so does an event cut short", {0xA1, 0x82}, {"1 LeftKey CODE:00A1"}},
      {"and a delay cut short after a pair", {0xFE, 0x05, 0xFE}, {"0 40"}},
      {"a button byte naming no button", {0xA1, 0xA3}, {"1 LeftKey CODE:00A1"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const DecodedMacro result = decoded(row.content);
    ASSERT_FALSE(result.lines.empty());
    EXPECT_EQ(Lines(result.lines.begin() + 1, result.lines.end()), row.events);
  }
}

TEST(DecodeMacro, HeaderFromTheFirstFourDelayLines) {
  struct Row {
    const char* label;
    Bytes content;
    std::string header;
    DelayMode mode;
    int fixedMs;
  } rows[] = {
      {"no delays", {0xA1, 0x21}, "00", DelayMode::None, 77},
      {"four zero delays", {0xFE, 0, 0xA1, 0xFE, 0, 0x21, 0xFE, 0, 0xA1, 0xFE, 0, 0x21}, "00", DelayMode::None, 77},
      {"four equal delays", {0xFE, 4, 0xA1, 0xFE, 4, 0x21, 0xFE, 4, 0xA1, 0xFE, 4, 0x21}, "0132", DelayMode::Fixed, 32},
      {"a fifth delay does not count",
       {0xFE, 4, 0xA1, 0xFE, 4, 0x21, 0xFE, 4, 0xA1, 0xFE, 4, 0x21, 0xFE, 9},
       "0132",
       DelayMode::Fixed,
       32},
      {"one differs", {0xFE, 4, 0xA1, 0xFE, 4, 0x21, 0xFE, 4, 0xA1, 0xFE, 5, 0x21}, "10", DelayMode::Recorded, 77},
      {"fewer than four count the missing as 0", {0xFE, 4, 0xA1, 0xFE, 4, 0x21}, "10", DelayMode::Recorded, 77},
  };
  MacroOptions current;
  current.fixedDelayMs = 77;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const DecodedMacro result = decoded(row.content, 0x00, current);
    EXPECT_EQ(result.lines.at(0), row.header);
    EXPECT_EQ(result.options.delayMode, row.mode);
    EXPECT_EQ(result.options.fixedDelayMs, row.fixedMs);
  }
}

TEST(DecodeMacro, RepetitionAndStopModeOptions) {
  struct Row {
    std::uint8_t stop;
    Bytes content;
    StopMode stopMode;
    Repetition repetition;
    int count;
  } rows[] = {
      {0x00, {0xA1}, StopMode::PlayToEnd, Repetition::Once, 3},
      {0x01, {0xFD, 0xFF, 0xA1, 0xFC}, StopMode::StopOnRelease, Repetition::Endless, 3},
      {0x00, {0xFD, 0x00, 0xA1, 0xFC}, StopMode::PlayToEnd, Repetition::Times, 1},
      {0x00, {0xFD, 0xFE, 0xA1, 0xFC}, StopMode::PlayToEnd, Repetition::Times, 255},
      {0x07, {0xA1, 0xFD, 0x04}, StopMode::PlayToEnd, Repetition::Once, 3},  // only a leading FD wraps
      {0x00, {0xFD}, StopMode::PlayToEnd, Repetition::Once, 3},
  };
  MacroOptions current;
  current.repeatCount = 3;
  for (const Row& row : rows) {
    const DecodedMacro result = decoded(row.content, row.stop, current);
    EXPECT_EQ(result.options.stopMode, row.stopMode);
    EXPECT_EQ(result.options.repetition, row.repetition);
    EXPECT_EQ(result.options.repeatCount, row.count);
  }
}

TEST(DecodeMacro, EmptyAndErasedRecordsHoldNoEvents) {
  EXPECT_FALSE(DecodeMacro(MacroData{}, kNames).has_value());
  EXPECT_FALSE(DecodeMacro(dataOf<MacroData>({0x01, 0xFF, 0xA1}), kNames).has_value());
  EXPECT_FALSE(DecodeMacro(DriverMacroData{}, kNames).has_value());
  EXPECT_FALSE(DecodeMacro(dataOf<DriverMacroData>({0x00, 0xFF, 0xFF, 0xA1}), kNames).has_value());
  // L = 1: a macro without content.
  const auto none = DecodeMacro(dataOf<MacroData>({0x00, 0x01, 0x5B}), kNames);
  ASSERT_TRUE(none.has_value());
  EXPECT_EQ(none->lines, (Lines{"00"}));
}

TEST(DecodeMacro, ALengthPastTheRecordReadsOnlyTheRecord) {
  MacroData data{};
  data.fill(0xA1);
  data[0] = 0x00;
  data[1] = 0xFE;  // claims 253 content bytes, 221 fit before the checksum byte
  const auto result = DecodeMacro(data, kNames);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->lines.size(), 1u + 221u);

  DriverMacroData big{};
  big.fill(0x21);
  big[0] = 0x00, big[1] = 0xFF, big[2] = 0xFE;
  const auto driver = DecodeMacro(big, kNames);
  ASSERT_TRUE(driver.has_value());
  EXPECT_EQ(driver->lines.size(), 1u + 2012u);
}

TEST(DecodeMacro, DriverRecordsDecodeFromAfterTheTwoLengthBytes) {
  Bytes content;
  for (int i = 0; i < 150; ++i) content.insert(content.end(), {0xA1, 0x21});
  const auto result = DecodeMacro(dataOf<DriverMacroData>(storedBytes(0x01, content, 2)), kNames);
  ASSERT_TRUE(result.has_value());
  ASSERT_EQ(result->lines.size(), 301u);
  EXPECT_EQ(result->lines[1], "1 LeftKey CODE:00A1");
  EXPECT_EQ(result->lines[300], "2 LeftKey CODE:0021");
  EXPECT_EQ(result->options.stopMode, StopMode::StopOnRelease);
}

TEST(MacroCodec, MergedDelaysAreStoredBackUnchanged) {
  const Bytes content = {0xA1, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73, 0x21};
  const DecodedMacro shown = decoded(content);
  EXPECT_EQ(shown.lines, (Lines{"10", "1 LeftKey CODE:00A1", "0 5000", "2 LeftKey CODE:0021"}));
  MacroData again{};
  EncodeMacro(shown.lines, shown.options, again);
  EXPECT_EQ(prefixOf(again, content.size() + 3), storedBytes(0x00, content));
}

}  // namespace
}  // namespace orva::test
