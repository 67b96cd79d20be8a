// Recording keys and mouse buttons: lines, delays, room and insert positions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recorder_fixture.h"

namespace orva {
namespace {

using test::kVkA;
using test::kVkB;
using test::kVkC;
using test::kVkF5;
using test::kVkUnusable;
using Lines = std::vector<std::string>;

constexpr int kVkShift = 0x10;

class Recording : public test::RecorderTest {};

TEST_F(Recording, KeyWithAPauseWithRecordedDelays) {
  recorder.start(DelayMode::Recorded, 0);
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Taken);
  ticks.advance(100);
  EXPECT_EQ(recorder.keyUp(kVkA), RecordOutcome::Taken);
  EXPECT_EQ(editor.lines(), (Lines{"10", "1 A CODE:8204", "0 100", "2 A CODE:0204"}));
  EXPECT_EQ(editor.selectedEntry(), 2);
  EXPECT_EQ(recorder.MacroBytesUsed(), 6);
  expectCountMatchesLines();
}

TEST_F(Recording, HeaderFollowsTheDelayMode) {
  const std::pair<DelayMode, const char*> rows[] = {
      {DelayMode::None, "00"}, {DelayMode::Fixed, "0132"}, {DelayMode::Recorded, "10"}};
  for (const auto& [mode, header] : rows) {
    editor.load({"00", "1 F5 CODE:823E"});
    recorder.start(mode, 32);
    EXPECT_EQ(editor.lines(), Lines{header}) << "the old events are dropped";
  }
}

TEST_F(Recording, ModifiersBecomeModifierEvents) {
  const std::pair<int, Lines> rows[] = {
      {0x10, {"1 Shift CODE:8102", "2 Shift CODE:0102"}},
      {0x11, {"1 Ctrl CODE:8101", "2 Ctrl CODE:0101"}},
      {0x12, {"1 Alt CODE:8104", "2 Alt CODE:0104"}},
      {0x5B, {"1 Left Windows CODE:8108", "2 Left Windows CODE:0108"}},
      {0x5C, {"1 Right Windows CODE:8180", "2 Right Windows CODE:0180"}},
      {kVkF5, {"1 F5 CODE:823E", "2 F5 CODE:023E"}},
  };
  for (const auto& [vk, lines] : rows) {
    recorder.start(DelayMode::None, 0);
    tap(vk);
    EXPECT_EQ(editor.entries(), lines) << "vk " << vk;
  }
}

TEST_F(Recording, HeldKeyGivesOnePressHoweverLongItRepeats) {
  recorder.start(DelayMode::None, 0);
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Taken);
  for (int repeat = 0; repeat < 20; ++repeat) {
    ticks.advance(33);
    EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Ignored);
  }
  EXPECT_EQ(recorder.keyUp(kVkA), RecordOutcome::Taken);
  EXPECT_EQ(editor.entries(), (Lines{"1 A CODE:8204", "2 A CODE:0204"}));
}

TEST_F(Recording, RepeatOfAKeyStillHeldAfterAnotherIsReleased) {
  // A down, B down, A up, then B repeats: B was pressed once.
  recorder.start(DelayMode::None, 0);
  recorder.keyDown(kVkA);
  recorder.keyDown(kVkB);
  recorder.keyUp(kVkA);
  EXPECT_EQ(recorder.keyDown(kVkB), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.keyDown(kVkB), RecordOutcome::Ignored);
  recorder.keyUp(kVkB);
  EXPECT_EQ(editor.entries(), (Lines{"1 A CODE:8204", "1 B CODE:8205", "2 A CODE:0204", "2 B CODE:0205"}));
}

TEST_F(Recording, KeysThatAreNotRecorded) {
  recorder.start(DelayMode::Recorded, 0);
  EXPECT_EQ(recorder.keyUp(kVkA), RecordOutcome::Ignored) << "pressed before the recording";
  EXPECT_EQ(recorder.keyDown(kVkUnusable), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.keyUp(kVkUnusable), RecordOutcome::Ignored);
  EXPECT_TRUE(editor.entries().empty());
  recorder.stop();
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Ignored) << "after the stop";
  EXPECT_TRUE(editor.entries().empty());
}

TEST_F(Recording, KeyHeldBeforeTheStartCountsFromItsFirstRepeat) {
  recorder.start(DelayMode::None, 0);
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Taken);  // a repeat arriving after the start
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.keyUp(kVkA), RecordOutcome::Taken);
  EXPECT_EQ(editor.entryCount(), 2);
}

TEST_F(Recording, FixedDelayBeforeEveryEventButTheFirst) {
  recorder.start(DelayMode::Fixed, 32);
  tap(kVkA, 500);
  recorder.mouseDown(MouseButton::Left);
  EXPECT_EQ(editor.lines(), (Lines{"0132", "1 A CODE:8204", "0 32", "2 A CODE:0204", "0 32",
                                   "1 LeftKey CODE:00A1"}));
  expectCountMatchesLines();
}

TEST_F(Recording, FixedDelayOfZeroGivesNoLines) {
  recorder.start(DelayMode::Fixed, 0);
  tap(kVkA, 500);
  recorder.mouseDown(MouseButton::Left);
  EXPECT_EQ(editor.entries(), (Lines{"1 A CODE:8204", "2 A CODE:0204", "1 LeftKey CODE:00A1"}));
  expectCountMatchesLines();
}

TEST_F(Recording, NoDelayModeIgnoresPauses) {
  recorder.start(DelayMode::None, 0);
  tap(kVkA, 3000);
  EXPECT_EQ(editor.lines(), (Lines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
}

TEST_F(Recording, MeasuredPausesBeforeKeysAndButtons) {
  struct Row {
    const char* what;
    int pauseMs;
    bool mouse;
    Lines delays;
  };
  const std::vector<Row> rows = {
      {"5 s before a key", 5000, false, {"0 2040"}},
      {"5 s before a click", 5000, true, {"0 2040", "0 2040", "0 920"}},
      {"1 min before a click", 60000, true, {"0 2040", "0 2040", "0 2040", "0 2040", "0 2040"}},
      {"same tick before a key", 0, false, {}},
      {"same tick before a click", 0, true, {}},
  };
  for (const auto& row : rows) {
    recorder.start(DelayMode::Recorded, 0);
    recorder.keyDown(kVkF5);
    ticks.advance(static_cast<std::uint64_t>(row.pauseMs));
    row.mouse ? recorder.mouseDown(MouseButton::Right) : recorder.keyUp(kVkF5);
    Lines expected{"1 F5 CODE:823E"};
    expected.insert(expected.end(), row.delays.begin(), row.delays.end());
    expected.push_back(row.mouse ? "1 RightKey CODE:00A2" : "2 F5 CODE:023E");
    EXPECT_EQ(editor.entries(), expected) << row.what;
    expectCountMatchesLines();
  }
}

TEST_F(Recording, MouseButtons) {
  const std::pair<MouseButton, Lines> rows[] = {
      {MouseButton::Left, {"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}},
      {MouseButton::Right, {"1 RightKey CODE:00A2", "2 RightKey CODE:0022"}},
      {MouseButton::Middle, {"1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024"}},
      {MouseButton::Forward, {"1 Forward CODE:00A8", "2 Forward CODE:0028"}},
      {MouseButton::Backward, {"1 Backward CODE:00B0", "2 Backward CODE:0030"}},
  };
  for (const auto& [button, lines] : rows) {
    recorder.start(DelayMode::None, 0);
    EXPECT_EQ(recorder.mouseDown(button), RecordOutcome::Taken);
    EXPECT_EQ(recorder.mouseUp(button), RecordOutcome::Taken);
    EXPECT_EQ(editor.entries(), lines);
    EXPECT_EQ(recorder.MacroBytesUsed(), 2);
  }
}

TEST_F(Recording, LeftClicksOnTheRecordButtonAreNotRecorded) {
  recorder.start(DelayMode::None, 0);
  recorder.setOverRecordButton(true);
  EXPECT_EQ(recorder.mouseDown(MouseButton::Left), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.mouseUp(MouseButton::Left), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.mouseDown(MouseButton::Right), RecordOutcome::Taken);
  recorder.setOverRecordButton(false);
  EXPECT_EQ(recorder.mouseUp(MouseButton::Left), RecordOutcome::Ignored) << "its press was not recorded";
  EXPECT_EQ(editor.entries(), Lines{"1 RightKey CODE:00A2"});
}

// How many key press-release pairs fit: a press needs the budget less the
// reserve (6 bytes without delays, else 12) still free; each key event takes
// 2 bytes and each delay line before it 2 more.
struct RoomRow {
  const char* what;
  int budget;
  DelayMode mode;
  int pairs;
};

class Room : public ::testing::TestWithParam<RoomRow> {};

TEST_P(Room, PairsThatFitThenThePressIsRefused) {
  const RoomRow& row = GetParam();
  SCOPED_TRACE(row.what);
  test::FakeTicks ticks;
  MacroEditor editor(row.budget);
  MacroRecorder recorder(editor, ticks, test::testKeys());
  recorder.start(row.mode, 32);
  for (int pair = 0; pair < row.pairs; ++pair) {
    ticks.advance(10);
    ASSERT_EQ(recorder.keyDown(kVkA), RecordOutcome::Taken) << "pair " << pair + 1;
    ticks.advance(10);
    ASSERT_EQ(recorder.keyUp(kVkA), RecordOutcome::Taken) << "pair " << pair + 1;
  }
  const Lines full = editor.lines();
  ticks.advance(10);
  EXPECT_EQ(recorder.keyDown(kVkA), RecordOutcome::Refused);
  EXPECT_TRUE(recorder.RecorderFull());
  // Nothing more is taken until Stop, and the recording does not stop by itself.
  EXPECT_EQ(recorder.keyUp(kVkA), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.keyDown(kVkB), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.mouseDown(MouseButton::Left), RecordOutcome::Ignored);
  EXPECT_TRUE(recorder.recording());
  EXPECT_EQ(editor.lines(), full);
  EXPECT_EQ(recorder.MacroBytesUsed(), editor.contentBytes());
  EXPECT_LE(recorder.MacroBytesUsed(), row.budget);
}

INSTANTIATE_TEST_SUITE_P(
    Budgets, Room,
    ::testing::Values(RoomRow{"EEPROM without delays: 46 × 4 = 184 bytes", kEepromMacroByteBudget, DelayMode::None, 46},
                      RoomRow{"EEPROM, fixed delays: 23 × 8 - 2 = 182 bytes", kEepromMacroByteBudget, DelayMode::Fixed, 23},
                      RoomRow{"EEPROM, measured delays", kEepromMacroByteBudget, DelayMode::Recorded, 23},
                      RoomRow{"driver without delays: 494 × 4 = 1976 bytes", kDriverMacroByteBudget, DelayMode::None, 494}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(Recording, ReleasesOfHeldKeysAreTakenAfterThePressesRunOut) {
  recorder.start(DelayMode::None, 0);
  for (int pair = 0; pair < 44; ++pair) tap(kVkA);  // 176 bytes
  EXPECT_EQ(recorder.keyDown(kVkShift), RecordOutcome::Taken);  // 178
  EXPECT_EQ(recorder.keyDown(kVkB), RecordOutcome::Taken);      // 180
  EXPECT_EQ(recorder.keyDown(kVkC), RecordOutcome::Taken);      // 182: the last press that fits
  EXPECT_EQ(recorder.keyDown(kVkF5), RecordOutcome::Refused);
  EXPECT_EQ(recorder.keyUp(kVkF5), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.keyUp(kVkC), RecordOutcome::Taken);  // 184
  EXPECT_EQ(recorder.keyUp(kVkB), RecordOutcome::Taken);  // 186: the budget is reached
  EXPECT_EQ(recorder.keyUp(kVkShift), RecordOutcome::Stopped);
  EXPECT_FALSE(recorder.recording());
  EXPECT_EQ(editor.entries().back(), "2 B CODE:0205");
  EXPECT_EQ(recorder.MacroBytesUsed(), kEepromMacroByteBudget);
  expectCountMatchesLines();
}

TEST_F(Recording, DroppedClickEndsThePressesButNotTheHeldReleases) {
  recorder.start(DelayMode::None, 0);
  for (int pair = 0; pair < 45; ++pair) tap(kVkA);                  // 180 bytes
  EXPECT_EQ(recorder.mouseDown(MouseButton::Left), RecordOutcome::Taken);    // 181
  EXPECT_EQ(recorder.mouseDown(MouseButton::Right), RecordOutcome::Refused);
  EXPECT_TRUE(recorder.RecorderFull());
  EXPECT_EQ(recorder.keyDown(kVkB), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.mouseUp(MouseButton::Right), RecordOutcome::Ignored);
  EXPECT_EQ(recorder.mouseUp(MouseButton::Left), RecordOutcome::Taken);
  EXPECT_EQ(editor.entries().back(), "2 LeftKey CODE:0021");
  EXPECT_TRUE(recorder.recording());
  expectCountMatchesLines();
}

TEST_F(Recording, ReleaseWithLongDelayThatDoesNotFitIsDropped) {
  recorder.start(DelayMode::Recorded, 0);
  for (int pair = 0; pair < 22; ++pair) tap(kVkA, 10);  // 22 × 8 - 2 = 174 bytes
  ticks.advance(10);
  EXPECT_EQ(recorder.mouseDown(MouseButton::Left), RecordOutcome::Taken);  // 177
  ticks.advance(10000);  // five delay lines and the release: 11 bytes
  EXPECT_EQ(recorder.mouseUp(MouseButton::Left), RecordOutcome::Refused);
  EXPECT_TRUE(recorder.RecorderFull());
  EXPECT_EQ(recorder.MacroBytesUsed(), 177);
  expectCountMatchesLines();
}

// Insert recording into A-press, A-release, X movement, with the release selected.
class InsertRecording : public test::RecorderTest {
 protected:
  void SetUp() override {
    editor.load({"00", "1 A CODE:8204", "2 A CODE:0204", "3 FB0C"});
    editor.select(1);
  }
};

TEST_F(InsertRecording, KeysGoBeforeOrAfterTheSelectedEntryInOrder) {
  struct Row {
    InsertSide side;
    DelayMode mode;
    Lines entries;
    int selected;
  };
  const Row rows[] = {
      {InsertSide::Front, DelayMode::None,
       {"1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204", "3 FB0C"}, 2},
      {InsertSide::Back, DelayMode::None,
       {"1 A CODE:8204", "2 A CODE:0204", "1 B CODE:8205", "2 B CODE:0205", "3 FB0C"}, 3},
      {InsertSide::Front, DelayMode::Recorded,
       {"1 A CODE:8204", "1 B CODE:8205", "0 40", "2 B CODE:0205", "2 A CODE:0204", "3 FB0C"}, 3},
      {InsertSide::Back, DelayMode::Fixed,
       {"1 A CODE:8204", "2 A CODE:0204", "1 B CODE:8205", "0 50", "2 B CODE:0205", "3 FB0C"}, 4},
  };
  for (const auto& row : rows) {
    SetUp();
    ASSERT_EQ(recorder.startInsert(row.side, row.mode, 50), InsertStart::Started);
    EXPECT_TRUE(recorder.insertRecording());
    recorder.keyDown(kVkB);
    ticks.advance(40);
    recorder.keyUp(kVkB);
    recorder.stop();
    EXPECT_EQ(editor.entries(), row.entries);
    EXPECT_EQ(editor.header(), "00") << "the header stays";
    EXPECT_EQ(editor.selectedEntry(), row.selected) << "the last inserted entry";
  }
}

TEST_F(InsertRecording, NeedsASelectionAndRoom) {
  editor.select(std::nullopt);
  EXPECT_EQ(recorder.startInsert(InsertSide::Front, DelayMode::None, 0), InsertStart::NoSelection);
  Lines full{"00"};
  for (int pair = 0; pair < 93; ++pair) full.push_back(pair % 2 ? "2 A CODE:0204" : "1 A CODE:8204");
  editor.load(full);  // 186 bytes
  editor.select(0);
  EXPECT_EQ(recorder.startInsert(InsertSide::Front, DelayMode::None, 0), InsertStart::NoRoom);
  EXPECT_FALSE(recorder.recording());
}

TEST_F(InsertRecording, TheMacroPresentBytesCount) {
  Lines lines{"00"};
  for (int pair = 0; pair < 45; ++pair) {
    lines.push_back("1 A CODE:8204");
    lines.push_back("2 A CODE:0204");
  }
  editor.load(lines);  // 180 bytes
  editor.select(0);
  ASSERT_EQ(recorder.startInsert(InsertSide::Back, DelayMode::None, 0), InsertStart::Started);
  EXPECT_EQ(recorder.MacroBytesUsed(), 180);
  tap(kVkB);
  EXPECT_EQ(recorder.keyDown(kVkC), RecordOutcome::Refused);
  EXPECT_EQ(editor.entries()[1], "1 B CODE:8205");
  EXPECT_EQ(editor.entries()[2], "2 B CODE:0205");
  expectCountMatchesLines();
}

}  // namespace
}  // namespace orva
