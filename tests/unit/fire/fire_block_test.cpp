// The stored form of a fire macro, its fields and its event lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fire/FireEventList.h"
#include "core/fire/FireMacroBlock.h"
#include "core/fire/FirePhaseFields.h"
#include "unit/fire/fire_test_blocks.h"

namespace orva::fire {
namespace {

using test::blockOf;
using test::kBurst;
using Lines = std::vector<std::string>;

const Lines kBurstLines = {"00",     "7 FD04", "1 LeftKey CODE:00A1", "3 FB00", "5 FA0A",
                           "0 96",   "2 LeftKey CODE:0021", "8 00FC"};

TEST(FireBlock, BurstIsStoredSealedAndZeroPadded) {
  const FireEncoding encoding = encodeFireMacro(kBurstLines, StopMode::StopOnRelease, FireOverflow::Refuse);
  EXPECT_EQ(encoding.status, FireEncodeStatus::Stored);
  ASSERT_TRUE(encoding.block);
  EXPECT_EQ(*encoding.block, kBurst);  // 01 0C FD 04 A1 FB 00 FA 0A FE 0C 21 FC 8E and ten zeros
  EXPECT_EQ(encoding.eventLinesStored, 7u);
  EXPECT_EQ(fireBlockDump(kBurst), "010CFD04A1FB00FA0AFE0C21FC8E");
}

TEST(FireBlock, BurstShowsItsFieldsAndLines) {
  const FirePhase phase = FillPhaseFields(kBurst);
  EXPECT_EQ(phase.fields, (FirePhaseFields{.count = 5, .x = 0, .y = 10, .pauseMs = 96,
                                           .stopMode = StopMode::StopOnRelease}));
  EXPECT_EQ(phase.positions, (FireOperandPositions{.count = 3, .x = 6, .y = 8, .pause = 10}));

  const FireDecoding decoding = decodeFireMacro(kBurst);
  EXPECT_EQ(decoding.stopMode, StopMode::StopOnRelease);
  EXPECT_EQ(decoding.lines, kBurstLines);
}

TEST(FireBlock, KeySlotsAddressTheLengthBytes) {
  const std::tuple<int, StopMode, KeyCode> rows[] = {
      {1, StopMode::StopOnRelease, {0x0E, 0x05, 0x01}},
      {2, StopMode::PlayToEnd, {0x0B, 0x05, 0x19}},
      {10, StopMode::StopOnRelease, {0x0E, 0x05, 0xD9}},
  };
  for (const auto& [fireMacro, mode, slot] : rows) EXPECT_EQ(fireKeySlot(fireMacro, mode), slot) << fireMacro;
  EXPECT_EQ(fireKeySlot(1, stopModeOf(kBurst))[0], 0x0E);
}

// Damaged or unusual blocks are read without leaving the block.
TEST(FireBlock, DecodingStaysInsideTheBlock) {
  FireMacroBlock longest{};  // L = 22: 21 content bytes, checksum in the last byte
  longest[1] = 22;
  for (std::size_t i = 2; i < 22; i += 2) {
    longest[i] = 0xFE;
    longest[i + 1] = 0x01;
  }
  longest[22] = 0xFC;
  Lines longestLines = {"00"};
  longestLines.insert(longestLines.end(), 10, "0 8");
  longestLines.push_back("8 00FC");

  struct Row {
    const char* what;
    FireMacroBlock block;
    Lines lines;
  };
  const Row rows[] = {
      {"blank length 0", blockOf({0x01, 0x00, 0xA1}), {}},
      {"erased length 0xFF", blockOf({0xFF, 0xFF, 0xFF, 0xFF}), {}},
      {"length one past the block", blockOf({0x01, 23, 0xA1}), {}},
      {"length far past the block", blockOf({0x01, 200, 0xA1, 0x21}), {}},
      {"no content", blockOf({0x01, 1, 0x5B}), {"00"}},
      {"operand cut off by the length", blockOf({0x00, 3, 0xA1, 0xFD, 0x04}), {"00", "1 LeftKey CODE:00A1"}},
      {"byte that is no event", blockOf({0x00, 4, 0xA1, 0x42, 0x21}), {"00", "1 LeftKey CODE:00A1"}},
      {"largest content", longest, longestLines},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(decodeFireMacro(row.block).lines, row.lines) << row.what;
    const FirePhase phase = FillPhaseFields(row.block);
    EXPECT_EQ(phase.positions, FireOperandPositions{}) << row.what;
    EXPECT_EQ(phase.fields.count, 0) << row.what;
  }
}

TEST(FireBlock, FieldsComeFromTheFirstEventsAndThePauseAfterY) {
  struct Row {
    const char* what;
    FireMacroBlock block;
    FirePhaseFields fields;
    FireOperandPositions positions;
  };
  const Row rows[] = {
      {"later repetition and movements are not fields",
       blockOf({0x00, 9, 0xFD, 0x04, 0xFD, 0x09, 0xFB, 0xFB, 0xFB, 0x01}),
       {.count = 5, .x = -5}, {.count = 3, .x = 7}},
      {"the pause is the delay after the first Y, not the one before",
       blockOf({0x00, 9, 0xFE, 0x05, 0xFA, 0x85, 0xFE, 0x0C, 0xFE, 0x0D}),
       {.y = -123, .pauseMs = 96}, {.y = 5, .pause = 7}},
      {"other events are stepped over", blockOf({0x00, 7, 0x82, 0x04, 0xA2, 0x22, 0xFD, 0xFF}),
       {.count = 256}, {.count = 7}},
      {"the walk ends at a byte that is no event", blockOf({0x00, 6, 0xFD, 0x04, 0x42, 0xFB, 0x05}),
       {.count = 5}, {.count = 3}},
  };
  for (const Row& row : rows) {
    const FirePhase phase = FillPhaseFields(row.block);
    EXPECT_EQ(phase.fields, row.fields) << row.what;
    EXPECT_EQ(phase.positions, row.positions) << row.what;
  }
}

TEST(FireBlock, StopModeLiesOutsideTheChecksum) {
  FireMacroBlock block = kBurst;
  setStopMode(block, StopMode::PlayToEnd);
  EXPECT_EQ(block[0], 0x00);
  EXPECT_EQ(block[13], 0x8E);
  EXPECT_EQ(stopModeOf(block), StopMode::PlayToEnd);
  EXPECT_EQ(stopModeOf(blockOf({0xFF, 0x0C})), StopMode::PlayToEnd);  // only 1 stops on release
}

}  // namespace
}  // namespace orva::fire
