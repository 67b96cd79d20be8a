// EncodeMacro: event lines and options to stored macro data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/MacroCodec.h"
#include "unit/macros/macro_test_support.h"

namespace orva::test {
namespace {

using Lines = std::vector<std::string>;

Bytes encodedContent(const Lines& lines) {
  MacroData data{};
  EncodeMacro(lines, MacroOptions{}, data);
  return Bytes(data.begin() + 2, data.begin() + 2 + (data[1] ? data[1] - 1 : 0));
}

TEST(EncodeMacro, LinesToContentBytes) {
  struct Row {
    Lines lines;
    Bytes content;
  } rows[] = {
      {{"10", "0 1000"}, {0xFE, 0x7D}},
      {{"10", "0 1001"}, {0xFE, 0x7D}},  // rounded down to 8 ms
      {{"10", "0 2040"}, {0xFE, 0xFF}},
      {{"10", "0 0"}, {0xFE, 0x00}},
      {{"10", "0 4080"}, {0xFE, 0xFF, 0xFE, 0xFF}},  // no pair for a zero rest
      {{"10", "0 2040", "0 2040", "0 920"}, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}},
      {{"10", "0 5000"}, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}},
      {{"10", "0 soon"}, {0xFE, 0x00}},
      {{"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, {0xA1, 0x21}},
      {{"00", "1 A CODE:8204", "2 Ctrl CODE:0101"}, {0x82, 0x04, 0x01, 0x01}},
      {{"00", "3 FB0C", "6 FAF4", "7 FD02", "8 00FC"}, {0xFB, 0x0C, 0xFA, 0xF4, 0xFD, 0x02, 0xFC}},
      {{"00", "not an event", "", "1 Forward CODE:00A8"}, {0xA8}},
      {{"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, {0x21}},  // line 0 is the header, whatever it holds
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.lines.back());
    EXPECT_EQ(encodedContent(row.lines), row.content);
  }
}

TEST(EncodeMacro, StoresStopModeRepetitionLengthAndChecksum) {
  MacroData data{};
  data.fill(0xEE);  // whatever was there before is cleared
  MacroOptions options;
  options.stopMode = StopMode::StopOnRelease;
  options.repetition = Repetition::Times;
  options.repeatCount = 5;
  const EncodedMacro result = EncodeMacro(Lines{"10", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"}, options, data);
  const Bytes expected = {0x01, 0x08, 0xFD, 0x04, 0xA1, 0xFE, 0x03, 0x21, 0xFC, 0x92};
  EXPECT_EQ(prefixOf(data, expected.size()), expected);
  EXPECT_TRUE(zeroFrom(data, expected.size()));
  EXPECT_EQ(result.hexDump, "0108FD04A1FE0321FC92");
  EXPECT_FALSE(result.cut);
}

TEST(EncodeMacro, RepetitionWrapper) {
  struct Row {
    Repetition repetition;
    int count;
    Bytes content;
  } rows[] = {
      {Repetition::Once, 8, {0xA1}},
      {Repetition::Endless, 8, {0xFD, 0xFF, 0xA1, 0xFC}},
      {Repetition::Times, 1, {0xFD, 0x00, 0xA1, 0xFC}},
      {Repetition::Times, 255, {0xFD, 0xFE, 0xA1, 0xFC}},
      {Repetition::Times, 0, {0xFD, 0x00, 0xA1, 0xFC}},    // at least one pass
      {Repetition::Times, 300, {0xFD, 0xFE, 0xA1, 0xFC}},  // never the endless byte
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.count);
    MacroOptions options;
    options.repetition = row.repetition;
    options.repeatCount = row.count;
    MacroData data{};
    EncodeMacro(Lines{"00", "1 LeftKey CODE:00A1"}, options, data);
    EXPECT_EQ(prefixOf(data, row.content.size() + 3), storedBytes(0x00, row.content));
  }
}

TEST(EncodeMacro, NoEventsLeavesAnEmptyMacro) {
  MacroData data{};
  data.fill(0x33);
  MacroOptions options;
  options.stopMode = StopMode::StopOnRelease;
  const EncodedMacro result = EncodeMacro(Lines{"00"}, options, data);
  EXPECT_TRUE(zeroFrom(data, 0));
  EXPECT_TRUE(result.hexDump.empty());
}

Lines clicks(int count) {
  Lines lines{"00"};
  for (int i = 0; i < count; ++i) lines.push_back("1 LeftKey CODE:00A1");
  return lines;
}

TEST(EncodeMacro, ContentPastTheRecordIsCutAtAnEventAndKeepsTheRepetitionEnd) {
  struct Row {
    const char* label;
    Lines lines;
    Repetition repetition;
    int n;
    bool cut;
  } rows[] = {
      {"221 bytes fit", clicks(221), Repetition::Once, 221, false},
      {"the 222nd is dropped", clicks(222), Repetition::Once, 221, true},
      {"with a wrapper", clicks(221), Repetition::Endless, 221, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    MacroOptions options;
    options.repetition = row.repetition;
    MacroData data{};
    const EncodedMacro result = EncodeMacro(row.lines, options, data);
    EXPECT_EQ(data[1], row.n + 1);
    EXPECT_EQ(result.cut, row.cut);
    EXPECT_EQ(data[2 + row.n - 1], row.repetition == Repetition::Once ? 0xA1 : 0xFC);
    EXPECT_EQ(data[2 + row.n], sumXor5A(Bytes(data.begin() + 1, data.begin() + 2 + row.n)));
  }

  // A two-byte delay that no longer fits is left out whole.
  Lines lines = clicks(220);
  lines.push_back("0 8");
  MacroData data{};
  EXPECT_TRUE(EncodeMacro(lines, MacroOptions{}, data).cut);
  EXPECT_EQ(data[1], 221);
  EXPECT_EQ(data[2 + 219], 0xA1);
}

TEST(EncodeMacro, DriverRecordsHaveATwoByteLength) {
  DriverMacroData data{};
  MacroOptions options;
  options.stopMode = StopMode::StopOnRelease;
  const EncodedMacro result = EncodeMacro(Lines{"10", "0 1000"}, options, data);
  const Bytes expected = storedBytes(0x01, {0xFE, 0x7D}, 2);
  ASSERT_EQ(expected, (Bytes{0x01, 0x00, 0x03, 0xFE, 0x7D, 0x24}));
  EXPECT_EQ(prefixOf(data, expected.size()), expected);
  EXPECT_EQ(result.hexDump, "010003FE7D24");

  // 300 events: a length above 255.
  EncodeMacro(clicks(300), MacroOptions{}, data);
  EXPECT_EQ(prefixOf(data, 3), (Bytes{0x00, 0x01, 0x2D}));
  EXPECT_EQ(data[3 + 300], sumXor5A(Bytes(data.begin() + 1, data.begin() + 3 + 300)));
  EXPECT_TRUE(zeroFrom(data, 3 + 301));
}

TEST(EncodeMacro, DriverContentIsCutTo1980Bytes) {
  DriverMacroData data{};
  EXPECT_FALSE(EncodeMacro(clicks(1980), MacroOptions{}, data).cut);
  EXPECT_EQ(prefixOf(data, 3), (Bytes{0x00, 0x07, 0xBD}));  // 1981

  EXPECT_TRUE(EncodeMacro(clicks(2000), MacroOptions{}, data).cut);
  EXPECT_EQ(prefixOf(data, 3), (Bytes{0x00, 0x07, 0xBD}));
  EXPECT_TRUE(zeroFrom(data, 3 + 1981));

  MacroOptions endless;
  endless.repetition = Repetition::Endless;
  EXPECT_TRUE(EncodeMacro(clicks(2000), endless, data).cut);
  EXPECT_EQ(prefixOf(data, 5), (Bytes{0x00, 0x07, 0xBD, 0xFD, 0xFF}));
  EXPECT_EQ(data[3 + 1979], 0xFC);
}

}  // namespace
}  // namespace orva::test
