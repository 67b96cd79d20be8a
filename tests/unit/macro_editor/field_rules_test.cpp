// Input rules of the macro page's number fields and of the small dialogs.
#include <gtest/gtest.h>

#include <string>

#include "core/macros/editor/FieldRules.h"

namespace orva {
namespace {

struct CorrectionRow {
  const char* field;
  NumberFieldRule rule;
  const char* typed;
  const char* shown;
};

TEST(FieldRules, CorrectionsWhileTyping) {
  const CorrectionRow rows[] = {
      {"delay", kDelayFieldRule, "", "0"},  // Clear leaves 0
      {"delay", kDelayFieldRule, "3000", "2040"},
      {"delay", kDelayFieldRule, "2041", "2040"},
      {"delay", kDelayFieldRule, "2040", "2040"},
      {"delay", kDelayFieldRule, "032", "32"},
      {"delay", kDelayFieldRule, "-5", "0"},  // pasted: below 0
      {"delay", kDelayFieldRule, "-", "0"},
      {"delay", kDelayFieldRule, "1x2", "12"},
      {"delay", kDelayFieldRule, "99999999999999999999", "2040"},
      {"circle times", kRepeatTimesFieldRule, "", "1"},
      {"circle times", kRepeatTimesFieldRule, "0", "1"},
      {"circle times", kRepeatTimesFieldRule, "-3", "1"},
      {"circle times", kRepeatTimesFieldRule, "8", "8"},
      {"circle times", kRepeatTimesFieldRule, "255", "255"},
      {"circle times", kRepeatTimesFieldRule, "256", "255"},
      {"movement", kMoveFieldRule, "-", "-"},
      {"movement", kMoveFieldRule, "", "0"},
      {"movement", kMoveFieldRule, "127", "127"},
      {"movement", kMoveFieldRule, "128", "127"},
      {"movement", kMoveFieldRule, "-128", "-128"},
      {"movement", kMoveFieldRule, "-129", "-128"},
      {"movement", kMoveFieldRule, "-200", "-128"},
      {"movement", kMoveFieldRule, "-05", "-5"},
      {"movement", kMoveFieldRule, "5-", "5"},
      {"movement", kMoveFieldRule, "--5", "-5"},
      {"repeat count", kRepeatCountFieldRule, "-", "-"},
      {"repeat count", kRepeatCountFieldRule, "", "0"},
      {"repeat count", kRepeatCountFieldRule, "300", "255"},
      {"repeat count", kRepeatCountFieldRule, "-5", "0"},
      {"repeat count", kRepeatCountFieldRule, "0", "0"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(correctField(row.rule, row.typed), row.shown) << row.field << " typed \"" << row.typed << '"';
  }
}

TEST(FieldRules, AcceptedKeys) {
  struct Row {
    const char* field;
    NumberFieldRule rule;
    char32_t key;
    bool accepted;
  };
  const Row rows[] = {
      {"delay", kDelayFieldRule, U'7', true},    {"delay", kDelayFieldRule, kBackspaceKey, true},
      {"delay", kDelayFieldRule, U'a', false},   {"delay", kDelayFieldRule, U'-', false},
      {"delay", kDelayFieldRule, U' ', false},   {"circle times", kRepeatTimesFieldRule, U'-', false},
      {"movement", kMoveFieldRule, U'-', true},  {"movement", kMoveFieldRule, U'+', false},
      {"repeat count", kRepeatCountFieldRule, U'-', true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(acceptsKey(row.rule, row.key), row.accepted) << row.field << " key " << static_cast<int>(row.key);
  }
}

TEST(FieldRules, ValueDialogRuleFollowsTheEditedLine) {
  EXPECT_EQ(valueFieldRule(EditKind::MoveX)->minimum, -128);
  EXPECT_EQ(valueFieldRule(EditKind::MoveY)->maximum, 127);
  EXPECT_EQ(valueFieldRule(EditKind::RepeatStart)->maximum, 255);
  EXPECT_EQ(valueFieldRule(EditKind::RepeatStart)->minimum, 0);
  EXPECT_FALSE(valueFieldRule(EditKind::Delay));
  EXPECT_FALSE(valueFieldRule(EditKind::Press));
}

TEST(FieldRules, ConfirmedValue) {
  EXPECT_EQ(fieldValue("12"), 12);
  EXPECT_EQ(fieldValue("-128"), -128);
  EXPECT_EQ(fieldValue("0"), 0);
  EXPECT_FALSE(fieldValue("-"));  // a lone minus is refused, the dialog stays open
  EXPECT_FALSE(fieldValue(""));
  EXPECT_FALSE(fieldValue("12a"));
}

TEST(FieldRules, MacroNameKeepsSixteenCodeUnits) {
  EXPECT_EQ(limitMacroName(u""), u"");
  EXPECT_EQ(limitMacroName(u"0123456789abcdef"), u"0123456789abcdef");
  EXPECT_EQ(limitMacroName(u"0123456789abcdefg"), u"0123456789abcdef");
  // A character outside the basic plane that would straddle the limit is left out whole.
  EXPECT_EQ(limitMacroName(u"0123456789abcde\U0001F600"), u"0123456789abcde");
  EXPECT_EQ(limitMacroName(u"0123456789abcd\U0001F600x"), u"0123456789abcd\U0001F600");
}

}  // namespace
}  // namespace orva
