// Editing, deleting and inserting events, with the selection that follows.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/macros/editor/EntryText.h"
#include "core/macros/editor/MacroBudget.h"
#include "core/macros/editor/MacroEditor.h"
#include "recorder_fixture.h"

namespace orva {
namespace {

using Lines = std::vector<std::string>;

const std::string kPressA = "1 A CODE:8204";
const std::string kReleaseA = "2 A CODE:0204";
const std::string kPressB = "1 B CODE:8205";
const std::string kReleaseB = "2 B CODE:0205";

MacroEditor editorWith(const Lines& entries, std::optional<int> selected) {
  MacroEditor editor(kEepromMacroByteBudget);
  Lines lines{"10"};
  lines.insert(lines.end(), entries.begin(), entries.end());
  editor.load(lines);
  editor.select(selected);
  return editor;
}

struct DeleteRow {
  const char* what;
  Lines before;
  int selected;
  Lines after;
  std::optional<int> selectedAfter;
};

TEST(DeleteEvent, TakesThePartnerAndSelectsTheEntryBefore) {
  const DeleteRow rows[] = {
      {"a delay", {kPressA, "0 100", kReleaseA}, 1, {kPressA, kReleaseA}, 0},
      {"a press whose release follows three events later",
       {"0 10", kPressA, kPressB, "0 50", kReleaseB, kReleaseA}, 1, {"0 10", kPressB, "0 50", kReleaseB}, 0},
      {"a release takes its press; the selection moves two up",
       {"3 FB0C", kPressA, kPressB, kReleaseB, kReleaseA}, 4, {"3 FB0C", kPressB, kReleaseB}, 2},
      {"a release right after its press", {"3 FB0C", kPressA, kReleaseA, "5 FA01"}, 2, {"3 FB0C", "5 FA01"}, 0},
      {"a release whose press was deleted earlier", {kPressB, kReleaseA, kReleaseB}, 1, {kPressB, kReleaseB}, 0},
      {"a press without a release", {kReleaseB, kPressA}, 1, {kReleaseB}, 0},
      {"a press pressed again before its release", {kPressA, kPressA, kReleaseA}, 0, {kPressA, kReleaseA}, 0},
      {"a release of a key released twice", {kPressA, kReleaseA, kReleaseA}, 2, {kPressA, kReleaseA}, 1},
      {"mouse buttons pair by name",
       {"1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"}, 2, {"0 24"}, 0},
      {"a key without a name does not pair with delays",
       {"1  CODE:8287", "0 10", "2  CODE:0287"}, 0, {"0 10"}, 0},
      {"the first entry", {"0 100", "3 FB0C"}, 0, {"3 FB0C"}, 0},
      {"the last remaining entry", {"3 FB0C"}, 0, {}, std::nullopt},
      {"a movement", {kPressA, "4 FBFB", kReleaseA}, 1, {kPressA, kReleaseA}, 0},
  };
  for (const auto& row : rows) {
    MacroEditor editor = editorWith(row.before, row.selected);
    EXPECT_EQ(editor.deleteSelected(), EditResult::Done) << row.what;
    EXPECT_EQ(editor.entries(), row.after) << row.what;
    EXPECT_EQ(editor.selectedEntry(), row.selectedAfter) << row.what;
    EXPECT_EQ(editor.header(), "10") << row.what;
  }
}

TEST(DeleteEvent, NothingWithoutASelection) {
  MacroEditor editor = editorWith({kPressA, kReleaseA}, std::nullopt);
  EXPECT_EQ(editor.deleteSelected(), EditResult::NoSelection);
  EXPECT_EQ(editor.entryCount(), 2);
}

TEST(EditEvent, KindFollowsTheFirstDigit) {
  const std::pair<const char*, EditKind> rows[] = {
      {"0 100", EditKind::Delay},  {"1 A CODE:8204", EditKind::Press}, {"2 A CODE:0204", EditKind::Release},
      {"3 FB0C", EditKind::MoveX}, {"4 FBFB", EditKind::MoveX},       {"5 FA01", EditKind::MoveY},
      {"6 FA80", EditKind::MoveY}, {"7 FD04", EditKind::RepeatStart},
  };
  for (const auto& [line, kind] : rows) {
    MacroEditor editor = editorWith({kPressB, line}, 1);
    const auto target = editor.beginEdit();
    ASSERT_TRUE(target) << line;
    EXPECT_EQ(target->index, 1);
    EXPECT_EQ(target->kind, kind) << line;
  }
}

struct EditRow {
  std::string line;
  std::function<EditResult(MacroEditor&)> confirm;
  EditResult result;
  std::string after;  // the line after the dialog confirmed
};

TEST(EditEvent, DialogResultReplacesTheLineInPlace) {
  const EditRow rows[] = {
      {"0 100", [](MacroEditor& e) { return e.editDelay(250); }, EditResult::Done, "0 250"},
      {"0 5000", [](MacroEditor& e) { return e.editDelay(2040); }, EditResult::Done, "0 2040"},
      {kPressA, [](MacroEditor& e) { return e.editKey("F5 CODE:823E"); }, EditResult::Done, "1 F5 CODE:823E"},
      {kReleaseA, [](MacroEditor& e) { return e.editKey("F5 CODE:023E"); }, EditResult::Done, "2 F5 CODE:023E"},
      {"3 FB0C", [](MacroEditor& e) { return e.editValue(-5); }, EditResult::Done, "4 FBFB"},
      {"4 FBFB", [](MacroEditor& e) { return e.editValue(12); }, EditResult::Done, "3 FB0C"},
      {"4 FBFB", [](MacroEditor& e) { return e.editValue(0); }, EditResult::Done, "3 FB00"},
      {"5 FA01", [](MacroEditor& e) { return e.editValue(-128); }, EditResult::Done, "6 FA80"},
      {"6 FA80", [](MacroEditor& e) { return e.editValue(127); }, EditResult::Done, "5 FA7F"},
      {"7 FD04", [](MacroEditor& e) { return e.editValue(255); }, EditResult::Done, "7 FDFE"},
      {"7 FD04", [](MacroEditor& e) { return e.editValue(1); }, EditResult::Done, "7 FD00"},
      // Refused results leave the line as it was.
      {"0 100", [](MacroEditor& e) { return e.editDelay(2041); }, EditResult::OutOfRange, "0 100"},
      {"0 100", [](MacroEditor& e) { return e.editDelay(-1); }, EditResult::OutOfRange, "0 100"},
      {"0 100", [](MacroEditor& e) { return e.editValue(5); }, EditResult::NotEditable, "0 100"},
      {"3 FB0C", [](MacroEditor& e) { return e.editValue(128); }, EditResult::OutOfRange, "3 FB0C"},
      {"5 FA0C", [](MacroEditor& e) { return e.editValue(-129); }, EditResult::OutOfRange, "5 FA0C"},
      {"7 FD04", [](MacroEditor& e) { return e.editValue(0); }, EditResult::OutOfRange, "7 FD04"},
      {"7 FD04", [](MacroEditor& e) { return e.editValue(256); }, EditResult::OutOfRange, "7 FD04"},
      {kPressA, [](MacroEditor& e) { return e.editKey(""); }, EditResult::BadKeyText, kPressA},
      {kPressA, [](MacroEditor& e) { return e.editKey("F5"); }, EditResult::BadKeyText, kPressA},
      {kPressA, [](MacroEditor& e) { return e.editKey("F5 CODE:82e3"); }, EditResult::BadKeyText, kPressA},
      {kPressA, [](MacroEditor& e) { return e.editDelay(100); }, EditResult::NotEditable, kPressA},
  };
  for (const auto& row : rows) {
    MacroEditor editor = editorWith({kPressB, row.line, kReleaseB}, 1);
    ASSERT_TRUE(editor.beginEdit()) << row.line;
    editor.select(2);  // the dialog does not block the list
    EXPECT_EQ(row.confirm(editor), row.result) << row.line << " to " << row.after;
    EXPECT_EQ(editor.entries(), (Lines{kPressB, row.after, kReleaseB})) << row.line;
    if (row.result == EditResult::Done) {
      EXPECT_EQ(editor.selectedEntry(), 1) << row.line;
    }
  }
}

TEST(EditEvent, XMovementEditedToMinusFiveReadsMinusFive) {
  MacroEditor editor = editorWith({"3 FB0C"}, 0);
  editor.beginEdit();
  ASSERT_EQ(editor.editValue(-5), EditResult::Done);
  EXPECT_EQ(editor.entries()[0], "4 FBFB");
  EXPECT_EQ(entryText(editor.entries()[0]), "X-Axis  -5");
}

TEST(EditEvent, NothingToEdit) {
  EXPECT_FALSE(editorWith({kPressA}, std::nullopt).beginEdit()) << "no selection";
  EXPECT_FALSE(editorWith({"8 00FC"}, 0).beginEdit()) << "a repetition end has no value";
  MacroEditor editor = editorWith({"0 100", kPressA}, 0);
  ASSERT_TRUE(editor.beginEdit());
  editor.deleteSelected();  // the edited line went away while its dialog was open
  EXPECT_EQ(editor.editDelay(50), EditResult::NotEditable);
  EXPECT_EQ(editor.entries(), Lines{kPressA});
}

struct InsertRow {
  InsertAction action;
  int value;
  Lines entries;
  int selected;
};

TEST(InsertPanel, ActionsPlaceTheirLineBeforeOrAfterTheSelectedEvent) {
  const InsertRow rows[] = {
      {InsertAction::DelayFront, 50, {kPressA, "0 50", kReleaseA}, 1},
      {InsertAction::DelayBack, 50, {kPressA, kReleaseA, "0 50"}, 2},
      {InsertAction::XAxisFront, -5, {kPressA, "4 FBFB", kReleaseA}, 1},
      {InsertAction::XAxisBack, 12, {kPressA, kReleaseA, "3 FB0C"}, 2},
      {InsertAction::YAxisFront, 7, {kPressA, "5 FA07", kReleaseA}, 1},
      {InsertAction::YAxisBack, -1, {kPressA, kReleaseA, "6 FAFF"}, 2},
      {InsertAction::KeyFront, 0, {kPressA, kReleaseA}, 1},
  };
  for (const auto& row : rows) {
    MacroEditor editor = editorWith({kPressA, kReleaseA}, 1);
    ASSERT_EQ(editor.openInsertPanel(), EditResult::Done);
    EXPECT_EQ(editor.confirmInsert(row.action, row.value), EditResult::Done);
    EXPECT_EQ(editor.entries(), row.entries) << static_cast<int>(row.action);
    EXPECT_EQ(editor.selectedEntry(), row.selected) << static_cast<int>(row.action);
    EXPECT_FALSE(editor.insertPanelOpen());
  }
}

TEST(InsertPanel, DelayBeforeTheFirstEventBecomesTheFirstEntry) {
  MacroEditor editor = editorWith({kPressA, kReleaseA}, 0);
  editor.openInsertPanel();
  ASSERT_EQ(editor.confirmInsert(InsertAction::DelayFront, 50), EditResult::Done);
  EXPECT_EQ(entryText(editor.entries()[0]), "50 ms");
  EXPECT_EQ(editor.selectedEntry(), 0);
}

TEST(InsertPanel, RefusedInsertsKeepThePanelOpen) {
  MacroEditor editor = editorWith({kPressA, kReleaseA}, 1);
  editor.openInsertPanel();
  EXPECT_EQ(editor.confirmInsert(InsertAction::XAxisBack, 128), EditResult::OutOfRange);
  EXPECT_EQ(editor.confirmInsert(InsertAction::DelayBack, 2041), EditResult::OutOfRange);
  EXPECT_TRUE(editor.insertPanelOpen());

  Lines full;
  for (int pair = 0; pair < 93; ++pair) full.push_back(pair % 2 ? kReleaseA : kPressA);  // 186 bytes
  MacroEditor fullEditor = editorWith(full, 0);
  fullEditor.openInsertPanel();
  EXPECT_EQ(fullEditor.confirmInsert(InsertAction::DelayFront, 50), EditResult::NoRoom);
  EXPECT_EQ(fullEditor.entryCount(), 93);

  EXPECT_EQ(editorWith({kPressA}, std::nullopt).openInsertPanel(), EditResult::NoSelection);
}

class InsertCancel : public test::RecorderTest {};

TEST_F(InsertCancel, BringsBackTheMacroAndSelectionWithoutTheRecordedKeys) {
  editor.load({"10", kPressA, "0 100", kReleaseA});
  editor.select(2);
  const Lines before = editor.lines();
  ASSERT_EQ(editor.openInsertPanel(), EditResult::Done);
  ASSERT_EQ(recorder.startInsert(InsertSide::Front, DelayMode::None, 0), InsertStart::Started);
  tap(test::kVkB);
  recorder.stop();
  ASSERT_EQ(editor.entryCount(), 5);
  editor.cancelInsert();
  EXPECT_EQ(editor.lines(), before);
  EXPECT_EQ(editor.selectedEntry(), 2);
  EXPECT_FALSE(editor.insertPanelOpen());
}

TEST(EntryText, WhatEachLineKindShows) {
  const std::tuple<const char*, const char*, int> rows[] = {
      {"0 100", "100 ms", 0},
      {"1 A CODE:8204", "A", 1},
      {"2 Left Windows CODE:0108", "Left Windows", 2},
      {"1 LeftKey CODE:00A1", "LeftKey", 1},
      {"3 FB0C", "X-Axis  12", 3},
      {"4 FB80", "X-Axis  -128", 4},
      {"5 FA7F", "Y-Axis  127", 5},
      {"6 FAFF", "Y-Axis  -1", 6},
      {"7 FD04", "Rep-Start  5", 7},
      {"8 00FC", "Rep-Stop", 8},
  };
  for (const auto& [line, text, icon] : rows) {
    EXPECT_EQ(entryText(line), text) << line;
    EXPECT_EQ(entryIcon(line), icon) << line;
  }
  EXPECT_FALSE(entryIcon("9 x"));
  EXPECT_EQ(entryText(""), "");
}

TEST(MacroEditorLines, EmptyMacroHasNoLines) {
  MacroEditor editor(kEepromMacroByteBudget);
  editor.load({"00"});
  EXPECT_EQ(editor.lines(), Lines{"00"});
  EXPECT_EQ(editor.entryCount(), 0);
  editor.select(0);
  EXPECT_FALSE(editor.selectedEntry()) << "no entry to select";
  editor.clear();
  EXPECT_TRUE(editor.lines().empty());
}

}  // namespace
}  // namespace orva
