#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "LanguageTestSupport.h"
#include "core/skin/Languages.h"

namespace orva {
namespace {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

LanguageTable tableOf(const Entries& entries) {
  return test::parseOrFail(test::storedTable(u"lang1", entries));
}

struct EmbeddedCase {
  const char* name;
  const char* text;
  const char* expected;
};

void PrintTo(const EmbeddedCase& c, std::ostream* os) { *os << c.name; }

class FindTextKeyEmbeddedTest : public ::testing::TestWithParam<EmbeddedCase> {};

TEST_P(FindTextKeyEmbeddedTest, FindsTheKey) {
  EXPECT_EQ(FindTextKey(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Embedded, FindTextKeyEmbeddedTest,
    ::testing::Values(
        EmbeddedCase{"english", "Left Click", "Str210"}, EmbeddedCase{"russian", "Левая кнопка", "Str210"},
        EmbeddedCase{"chinese", "左鍵", "Str210"},
        EmbeddedCase{"language_button_of_table_2", "Французский", "Str013"},
        // "Stop" is Str251, Str264 and Str401: the last key wins.
        EmbeddedCase{"last_key_wins", "Stop", "Str401"},
        EmbeddedCase{"case_counts", "left click", ""}, EmbeddedCase{"blanks_count", "Left Click ", ""},
        EmbeddedCase{"bullet_form_is_not_a_text", " * Left Click", ""},
        EmbeddedCase{"last_key_searched", "Press 'Middle Click' 3sec to switch Profile1/Profile2", "Str700"},
        EmbeddedCase{"keys_above_700_not_searched", "Press DPI 3s Switch Profile1/Profile2", ""},
        EmbeddedCase{"label_key_not_searched", "DPI1", ""},
        EmbeddedCase{"macro_name", "My Macro 1", ""},
        // Empty in table 1 (Str013) and missing keys alike: nothing to translate.
        EmbeddedCase{"empty_text", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindTextKeyTest, ButtonLabelRoundTripsThroughRussian) {
  const std::string russian = languageTable(2).text(FindTextKey("Left Click"));
  EXPECT_EQ(russian, "Левая кнопка");
  EXPECT_EQ(languageTable(1).text(FindTextKey(russian)), "Left Click");
}

struct TablesCase {
  const char* name;
  std::vector<Entries> tables;
  const char* text;
  const char* expected;
};

void PrintTo(const TablesCase& c, std::ostream* os) { *os << c.name; }

class FindTextKeyTablesTest : public ::testing::TestWithParam<TablesCase> {};

TEST_P(FindTextKeyTablesTest, FindsTheLastMatch) {
  const TablesCase& c = GetParam();
  std::vector<LanguageTable> tables;
  for (const Entries& entries : c.tables) tables.push_back(tableOf(entries));
  EXPECT_EQ(FindTextKey(tables, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Order, FindTextKeyTablesTest,
    ::testing::Values(
        TablesCase{"later_table_beats_higher_key", {{{u"Str650", u"X"}}, {{u"Str001", u"X"}}}, "X", "Str001"},
        TablesCase{"earlier_table_kept_without_later_match", {{{u"Str650", u"X"}}, {{u"Str001", u"Y"}}}, "X",
                   "Str650"},
        // Key order, not the order of the entries in the table, decides.
        TablesCase{"higher_key_wins_within_a_table", {{{u"Str100", u"X"}, {u"Str050", u"X"}}}, "X", "Str100"},
        TablesCase{"first_key_searched", {{{u"Str000", u"X"}}}, "X", "Str000"},
        TablesCase{"key_701_not_searched", {{{u"Str700", u"X"}, {u"Str701", u"X"}}}, "X", "Str700"},
        TablesCase{"other_keys_not_searched", {{{u"Title", u"X"}, {u"FontName", u"X"}, {u"Str5", u"X"}}}, "X", ""},
        TablesCase{"key_written_in_other_case", {{{u"sTR005", u"X"}}}, "X", "Str005"},
        TablesCase{"empty_text_matches_no_empty_value", {{{u"Str013", u""}}}, "", ""},
        TablesCase{"no_tables", {}, "X", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
