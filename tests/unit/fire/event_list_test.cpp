// The fire event-list editor: lines to block and back, and blocks that
// would not fit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fire/FireEventList.h"
#include "unit/fire/fire_test_blocks.h"

namespace orva::fire {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

Bytes contentOf(const FireMacroBlock& block) {
  const auto content = fireContent(block);
  return {content.begin(), content.end()};
}

TEST(FireEventList, LinesBecomeContentBytes) {
  const std::pair<Lines, Bytes> rows[] = {
      {{"00", "0 5000"}, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}},
      {{"00", "0 0"}, {0xFE, 0x00}},
      {{"00", "0 2040"}, {0xFE, 0xFF}},
      {{"00", "0 100"}, {0xFE, 0x0C}},
      {{"00", "4 FBFB", "6 FA80", "7 FDFF", "8 00FC"}, {0xFB, 0xFB, 0xFA, 0x80, 0xFD, 0xFF, 0xFC}},
      {{"00", "1 A CODE:8204", "not an event", "2 A CODE:0204"}, {0x82, 0x04, 0x02, 0x04}},
  };
  for (const auto& [lines, content] : rows) {
    const FireEncoding encoding = encodeFireMacro(lines, StopMode::PlayToEnd, FireOverflow::Refuse);
    ASSERT_TRUE(encoding.block) << lines[1];
    EXPECT_EQ(contentOf(*encoding.block), content) << lines[1];
  }
}

TEST(FireEventList, NoEventsGiveAnEmptyBlock) {
  for (const Lines& lines : {Lines{}, Lines{"00"}}) {
    const FireEncoding encoding = encodeFireMacro(lines, StopMode::StopOnRelease, FireOverflow::Refuse);
    EXPECT_EQ(encoding.status, FireEncodeStatus::Stored);
    EXPECT_EQ(encoding.block, FireMacroBlock{});
  }
}

TEST(FireEventList, TwentyOneBytesFitATwentySecondIsRefused) {
  Lines lines = {"00"};
  lines.insert(lines.end(), 10, "0 8");
  lines.push_back("8 00FC");
  const FireEncoding fits = encodeFireMacro(lines, StopMode::PlayToEnd, FireOverflow::Refuse);
  ASSERT_TRUE(fits.block);
  EXPECT_EQ((*fits.block)[1], 22);
  EXPECT_EQ((*fits.block)[23], 0x52);  // the checksum takes the block's last byte

  lines.push_back("8 00FC");
  const FireEncoding refused = encodeFireMacro(lines, StopMode::PlayToEnd, FireOverflow::Refuse);
  EXPECT_EQ(refused.status, FireEncodeStatus::Refused);
  EXPECT_FALSE(refused.block);
}

// Four recorded clicks, 96 ms held, 200 ms apart: 22 bytes.
const Lines kFourClicks = {
    "10",
    "1 LeftKey CODE:00A1", "0 96", "2 LeftKey CODE:0021", "0 200",
    "1 LeftKey CODE:00A1", "0 96", "2 LeftKey CODE:0021", "0 200",
    "1 LeftKey CODE:00A1", "0 96", "2 LeftKey CODE:0021", "0 200",
    "1 LeftKey CODE:00A1", "0 96", "2 LeftKey CODE:0021",
};

TEST(FireEventList, CutKeepsWholeClicks) {
  const FireEncoding cut = encodeFireMacro(kFourClicks, StopMode::StopOnRelease, FireOverflow::Cut);
  EXPECT_EQ(cut.status, FireEncodeStatus::Cut);
  EXPECT_EQ(cut.eventLinesStored, 12u);
  const auto click = {0xA1, 0xFE, 0x0C, 0x21, 0xFE, 0x19};
  FireMacroBlock expected = test::blockOf({0x01, 19});
  for (int i = 0; i < 3; ++i) std::ranges::copy(click, expected.begin() + 2 + 6 * i);
  expected[20] = 0xE6;
  EXPECT_EQ(cut.block, expected);

  EXPECT_EQ(encodeFireMacro(kFourClicks, StopMode::StopOnRelease, FireOverflow::Refuse).status,
            FireEncodeStatus::Refused);
}

Lines withDelays(Lines head, int count, Lines tail) {
  head.insert(head.end(), static_cast<std::size_t>(count), "0 2040");
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(FireEventList, CutNeverLeavesTheButtonOrARepetitionOpen) {
  struct Row {
    const char* what;
    Lines lines;
    Bytes kept;
    std::size_t linesKept;
  };
  const Row rows[] = {
      {"repetition still open", withDelays({"00", "7 FD04"}, 10, {"8 00FC"}), {}, 0},
      {"button still held", withDelays({"00", "1 LeftKey CODE:00A1"}, 10, {"2 LeftKey CODE:0021"}), {}, 0},
      {"cut after the last settled line", withDelays({"00", "0 8", "1 LeftKey CODE:00A1"}, 9, {"2 LeftKey CODE:0021"}),
       {0xFE, 0x01}, 1},
  };
  for (const Row& row : rows) {
    const FireEncoding cut = encodeFireMacro(row.lines, StopMode::PlayToEnd, FireOverflow::Cut);
    EXPECT_EQ(cut.status, FireEncodeStatus::Cut) << row.what;
    ASSERT_TRUE(cut.block) << row.what;
    EXPECT_EQ(contentOf(*cut.block), row.kept) << row.what;
    EXPECT_EQ(cut.eventLinesStored, row.linesKept) << row.what;
  }
}

TEST(FireEventList, DecodedLinesEncodeToTheSameBlock) {
  const FireMacroBlock keys = test::blockOf({0x00, 5, 0x82, 0x04, 0x02, 0x04, 0xCB});
  const auto name = [](std::uint8_t, std::uint8_t usage) { return usage == 0x04 ? std::string("A") : std::string(); };
  EXPECT_EQ(decodeFireMacro(keys, name).lines, (Lines{"00", "1 A CODE:8204", "2 A CODE:0204"}));

  for (const FireMacroBlock& block : {test::kBurst, keys}) {
    const FireDecoding decoding = decodeFireMacro(block, name);
    const FireEncoding encoding = encodeFireMacro(decoding.lines, decoding.stopMode, FireOverflow::Refuse);
    EXPECT_EQ(encoding.block, block) << fireBlockDump(block);
  }
}

}  // namespace
}  // namespace orva::fire
