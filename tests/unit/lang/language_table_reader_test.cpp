#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LanguageTestSupport.h"
#include "core/skin/LanguageTable.h"

namespace orva {
namespace {

using namespace std::string_literals;
using test::kLoneHighSurrogate;
using test::kLoneLowSurrogate;
using test::parseOrFail;
using test::utf16le;

// The text after the byte-order mark, the key looked up in section [lang1]
// and its expected text (nullopt: the key is absent).
struct ReaderCase {
  const char* name;
  std::u16string text;
  const char* key;
  std::optional<std::string> expected;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

std::u16string withUnit(std::u16string_view before, char16_t unit, std::u16string_view after) {
  return std::u16string(before) + unit + std::u16string(after);
}

class LanguageReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(LanguageReaderTest, ReadsTheExpectedText) {
  const ReaderCase& c = GetParam();
  const LanguageTable table = parseOrFail(utf16le(c.text));
  const std::string* found = table.find(c.key);
  ASSERT_EQ(found != nullptr, c.expected.has_value());
  EXPECT_EQ(table.text(c.key), c.expected.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LanguageReaderTest,
    ::testing::Values(
        ReaderCase{"stored_form", u"\r\n[lang1]\r\n\"Str000=Confirm\"\r\n", "Str000", "Confirm"},
        ReaderCase{"quotes_keep_blanks", u"[lang1]\n\"Str009=Save Profile\"", "Str009", "Save Profile"},
        ReaderCase{"unquoted_entry_ends_at_blank", u"[lang1]\nStr009=Save Profile", "Str009", "Save"},
        ReaderCase{"unquoted_rest_is_its_own_entry", u"[lang1]\nStr009=Save Profile=x", "Profile", "x"},
        ReaderCase{"tab_separates", u"[lang1]\tStr000=a\tStr001=b", "Str001", "b"},
        ReaderCase{"nul_separates", u"[lang1]\0Str000=a\0Str001=b"s, "Str000", "a"},
        ReaderCase{"unit_separator_separates", u"[lang1] Str000=a\x1FStr001=b", "Str000", "a"},
        ReaderCase{"no_break_space_does_not_separate", u"[lang1] Str000=a\u00A0b", "Str000", "a\u00A0b"},
        ReaderCase{"several_entries_on_one_line", u"[lang1]\n\"Str000=a\" \"Str001=b c\"", "Str001", "b c"},
        ReaderCase{"entry_right_after_closing_quote", u"[lang1]\n\"Str000=a\"Str001=b", "Str001", "b"},
        ReaderCase{"doubled_quotes", u"[lang1]\n\"Str000=say \"\"hi\"\"\"", "Str000", "say \"hi\""},
        ReaderCase{"only_a_doubled_quote", u"[lang1]\n\"Str000=\"\"\"", "Str000", "\""},
        ReaderCase{"quote_inside_unquoted_entry_kept", u"[lang1]\nStr000=a\"b", "Str000", "a\"b"},
        ReaderCase{"open_quote_runs_to_the_end", u"[lang1]\n\"Str000=a b\r\nc", "Str000", "a b\r\nc"},
        ReaderCase{"line_break_inside_quotes_kept", u"[lang1]\n\"Str000=a\r\nb\"", "Str000", "a\r\nb"},
        ReaderCase{"value_trimmed_inside_quotes", u"[lang1]\n\"  Str822 =  Breath  \"", "Str822", "Breath"},
        ReaderCase{"first_equals_splits", u"[lang1]\n\"Str000=a=b\"", "Str000", "a=b"},
        ReaderCase{"empty_value_present", u"[lang1]\n\"Str013=\"", "Str013", ""},
        ReaderCase{"missing_key", u"[lang1]\n\"Str000=a\"", "Str001", std::nullopt},
        ReaderCase{"first_occurrence_counts", u"[lang1]\n\"Str000=a\"\n\"Str000=b\"", "Str000", "a"},
        ReaderCase{"key_without_regard_to_case", u"[lang1]\n\"STR000=a\"", "str000", "a"},
        ReaderCase{"section_without_regard_to_case", u"[LANG1]\n\"Str000=a\"", "Str000", "a"},
        ReaderCase{"quoted_section_line", u"\"[lang1]\"\n\"Str000=a\"", "Str000", "a"},
        ReaderCase{"comment_entry_skipped", u"[lang1]\n\";Str000=a\"", "Str000", std::nullopt},
        ReaderCase{"comment_covers_one_entry_only", u"[lang1]\n;note \"Str000=a\"", "Str000", "a"},
        ReaderCase{"other_section_not_read", u"[lang2]\n\"Str000=x\"\n[lang1]\n\"Str001=y\"", "Str000",
                   std::nullopt},
        ReaderCase{"own_section_after_another", u"[lang2]\n\"Str000=x\"\n[lang1]\n\"Str000=y\"", "Str000", "y"},
        ReaderCase{"key_before_section_ignored", u"\"Str000=a\"\n[lang1]", "Str000", std::nullopt},
        ReaderCase{"cyrillic", u"[lang1]\n\"Str210=Левая кнопка\"", "Str210", "Левая кнопка"},
        ReaderCase{"chinese", u"[lang1]\n\"Title=遊戲滑鼠驅動\"", "Title", "遊戲滑鼠驅動"},
        ReaderCase{"surrogate_pair", u"[lang1]\n\"Str000=\U0001F600\"", "Str000", "\xF0\x9F\x98\x80"},
        ReaderCase{"lone_high_surrogate", withUnit(u"[lang1]\n\"Str000=a", kLoneHighSurrogate, u"b\""), "Str000",
                   "a\uFFFDb"},
        ReaderCase{"lone_low_surrogate", withUnit(u"[lang1]\n\"Str000=a", kLoneLowSurrogate, u"b\""), "Str000",
                   "a\uFFFDb"},
        ReaderCase{"high_surrogate_before_quote", withUnit(u"[lang1]\n\"Str000=a", kLoneHighSurrogate, u"\""),
                   "Str000", "a\uFFFD"},
        ReaderCase{"high_surrogate_at_the_end", withUnit(u"[lang1]\nStr000=a", kLoneHighSurrogate, u""), "Str000",
                   "a\uFFFD"},
        ReaderCase{"two_high_surrogates_then_low",
                   u"[lang1]\nStr000="s + std::u16string{kLoneHighSurrogate, char16_t{0xD83D}, char16_t{0xDE00}},
                   "Str000", "\uFFFD\xF0\x9F\x98\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BytesCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  bool ok;
};

void PrintTo(const BytesCase& c, std::ostream* os) { *os << c.name; }

class LanguageBytesTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(LanguageBytesTest, AcceptsOrReportsTheStoredBytes) {
  const BytesCase& c = GetParam();
  std::string error;
  const std::optional<LanguageTable> table = LanguageTable::parse(c.bytes, "lang1", error);
  ASSERT_EQ(table.has_value(), c.ok) << error;
  EXPECT_EQ(error.empty(), c.ok);
  if (table) {
    EXPECT_EQ(table->text("Str000"), "a");
  }
}

std::vector<std::uint8_t> oddByteCount() {
  std::vector<std::uint8_t> bytes = utf16le(u"[lang1] \"Str000=a\"");
  bytes.push_back(0x20);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    StoredBytes, LanguageBytesTest,
    ::testing::Values(BytesCase{"with_mark", utf16le(u"[lang1] \"Str000=a\""), true},
                      BytesCase{"without_mark", utf16le(u"[lang1] \"Str000=a\"", false), true},
                      // Only the first mark is dropped; a second one is text.
                      BytesCase{"mark_twice", utf16le(u"\uFEFF[lang1] \"Str000=a\""), false},
                      BytesCase{"big_endian_mark", {0xFE, 0xFF, 0x00, '[', 0x00, 'l'}, false},
                      BytesCase{"odd_byte_count", oddByteCount(), false},
                      BytesCase{"single_byte", {0xFF}, false},
                      BytesCase{"empty", {}, false},
                      BytesCase{"mark_only", {0xFF, 0xFE}, false},
                      BytesCase{"other_section_only", utf16le(u"[lang2] \"Str000=a\""), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageTableTest, StoredEntriesReadBackInOrder) {
  struct Entry {
    std::u16string key;
    std::u16string stored;
    std::string read;
  };
  const std::vector<Entry> written = {
      {u"FontName", u"宋体", "宋体"},
      {u"Title", u"ORVA P340 USB Gaming Mouse", "ORVA P340 USB Gaming Mouse"},
      {u"Str013", u"", ""},
      {u"Str210", u"Левая кнопка", "Левая кнопка"},
      {u"Str700", u"Press 'Middle Click' 3sec", "Press 'Middle Click' 3sec"},
      {u"Str815", u"Change LED Mode（L+DPI)", "Change LED Mode（L+DPI)"},
      {u"Str001", u"say \"hi\" \"\"", "say \"hi\" \"\""},
      {u"Str002", u"\"", "\""},
      {u"Str003", u"a=b", "a=b"},
      {u"Str004", u";not a comment", ";not a comment"},
      {u"Str005", u"[not a section]", "[not a section]"},
      {u"Str006", u"tab\there", "tab\there"},
      {u"Str007", u"\U0001F600", "\xF0\x9F\x98\x80"},
      // Surrounding blanks do not survive: the entry is trimmed.
      {u"Str822", u"Random Color Casual Breath ", "Random Color Casual Breath"},
  };
  std::vector<std::pair<std::u16string, std::u16string>> stored;
  for (const Entry& e : written) stored.emplace_back(e.key, e.stored);

  const LanguageTable table = parseOrFail(test::storedTable(u"lang3", stored), "lang3");

  const std::vector<IniFile::Entry>& entries = table.entries();
  ASSERT_EQ(entries.size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    const std::string key(written[i].key.begin(), written[i].key.end());  // ASCII keys
    EXPECT_EQ(entries[i].key, key);
    EXPECT_EQ(entries[i].value, written[i].read) << key;
    EXPECT_EQ(table.text(key), written[i].read) << key;
  }
}

TEST(LanguageTableTest, AccessorsOfFontAndTitle) {
  const LanguageTable table = parseOrFail(test::storedTable(u"lang1", {{u"FontName", u"Calibri"}, {u"Title", u"T"}}));
  EXPECT_EQ(table.fontName(), "Calibri");
  EXPECT_EQ(table.title(), "T");
}

TEST(LanguageTableTest, TableWithoutTextsReadsEmpty) {
  const LanguageTable table;
  EXPECT_TRUE(table.entries().empty());
  EXPECT_EQ(table.find("Str000"), nullptr);
  EXPECT_EQ(table.text("Str000"), "");
  EXPECT_EQ(table.lookup()("Title"), "");
}

TEST(LanguageTableTest, LookupOutlivesTheTable) {
  TextLookup lookup;
  {
    const LanguageTable table = parseOrFail(test::storedTable(u"lang1", {{u"Str210", u"Left Click"}}));
    lookup = table.lookup();
  }
  EXPECT_EQ(lookup("Str210"), "Left Click");
  EXPECT_EQ(lookup("str210"), "Left Click");
  EXPECT_EQ(lookup("Str211"), "");
}

}  // namespace
}  // namespace orva
