#include "core/skin/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace orva {
namespace {

using namespace std::string_literals;

struct LookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class IniLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, FindsTheExpectedValue) {
  const LookupCase& c = GetParam();
  const IniFile ini = IniFile::parse(c.text);
  EXPECT_EQ(ini.value(c.section, c.key), c.expected);
  EXPECT_EQ(ini.hasKey(c.section, c.key), c.expected.has_value());
  const std::string* raw = ini.find(c.section, c.key);
  ASSERT_EQ(raw != nullptr, c.expected.has_value());
  if (raw != nullptr) {
    EXPECT_EQ(*raw, *c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniLookupTest,
    ::testing::Values(
        LookupCase{"plain", "[s]\nk=v\n", "s", "k", "v"},
        LookupCase{"blanks_around_equals", "[s]\nM_L_W = 210\n", "s", "M_L_W", "210"},
        LookupCase{"line_trimmed", "[s]\n \t  k=v \t \n", "s", "k", "v"},
        LookupCase{"section_line_trimmed", "  [s]  \nk=v\n", "s", "k", "v"},
        LookupCase{"section_name_trimmed", "[ s ]\nk=v\n", "s", "k", "v"},
        LookupCase{"first_equals_splits", "[s]\na = b=c\n", "s", "a", "b=c"},
        LookupCase{"empty_value", "[s]\nk=\n", "s", "k", ""},
        LookupCase{"blank_value", "[s]\nk=   \n", "s", "k", ""},
        LookupCase{"value_inner_blanks_kept", "[s]\nk= a  b \n", "s", "k", "a  b"},
        LookupCase{"no_inline_comment", "[s]\nk=1 ; note\n", "s", "k", "1 ; note"},
        LookupCase{"duplicate_first_wins", "[s]\nk=1\nk=2\n", "s", "k", "1"},
        LookupCase{"duplicate_other_case_first_wins", "[s]\nKey=1\nKEY=2\n", "s", "key", "1"},
        LookupCase{"key_case_insensitive", "[s]\nWeb_Enable=1\n", "s", "WEB_enable", "1"},
        LookupCase{"section_case_insensitive", "[ORG]\nk=v\n", "org", "k", "v"},
        LookupCase{"comment_skipped", "[s]\n;k=1\nk=2\n", "s", "k", "2"},
        LookupCase{"indented_comment_skipped", "[s]\n   ; k=1\nk=2\n", "s", "k", "2"},
        LookupCase{"comment_only", "[s]\n;k=1\n", "s", "k", std::nullopt},
        LookupCase{"slash_line_ignored", "[s]\n// x\nk=v\n", "s", "// x", std::nullopt},
        LookupCase{"slash_line_with_equals_is_a_key", "[s]\n// a=b\n", "s", "// a", "b"},
        LookupCase{"line_without_equals_ignored", "[s]\nk\nk=v\n", "s", "k", "v"},
        LookupCase{"key_in_other_section", "[a]\nk=1\n[b]\nj=2\n", "b", "k", std::nullopt},
        LookupCase{"key_of_second_section", "[a]\nk=1\n[b]\nk=2\n", "b", "k", "2"},
        LookupCase{"key_before_any_section", "k=1\n[s]\nj=2\n", "s", "k", std::nullopt},
        LookupCase{"key_before_any_section_empty_name", "k=1\n", "", "k", std::nullopt},
        LookupCase{"missing_section", "[s]\nk=v\n", "t", "k", std::nullopt},
        LookupCase{"missing_key", "[s]\nk=v\n", "s", "j", std::nullopt},
        LookupCase{"repeated_section_merges", "[a]\nk=1\n[b]\n[A]\nj=2\nk=3\n", "a", "j", "2"},
        LookupCase{"repeated_section_first_key_wins", "[a]\nk=1\n[b]\n[A]\nk=3\n", "a", "k", "1"},
        LookupCase{"crlf", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
        LookupCase{"crlf_value_has_no_cr", "[s]\r\nk=v\r\n", "s", "k", "v"},
        LookupCase{"lone_cr", "[s]\rk=v\rj=w", "s", "j", "w"},
        LookupCase{"no_final_newline", "[s]\nk=v", "s", "k", "v"},
        LookupCase{"utf8_bom", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
        LookupCase{"eight_bit_comment",
                   "[s]\r\n; \xB6\xC1\xC8\xA1 \xFF\xFE\x80\r\n// \xE4\xB8\xAD\xE6\x96\x87\r\nk=v\r\n", "s",
                   "k", "v"},
        LookupCase{"eight_bit_value_verbatim", "[s]\nk=\xE4\xB8\xAD\xFF\n", "s", "k", "\xE4\xB8\xAD\xFF"},
        LookupCase{"eight_bit_names_exact", "[s]\n\xC4k=1\n", "s", "\xE4k", std::nullopt},
        LookupCase{"nul_bytes_harmless", "[s]\n;\0x\nk=v\n"s, "s", "k", "v"},
        LookupCase{"empty_name_skipped", "[s]\n=v\n", "s", "", std::nullopt},
        LookupCase{"bracket_line_not_closed", "[s]\n[t\nk=v\n", "s", "k", "v"},
        LookupCase{"bracket_key", "[s]\n[t]x=1\n", "s", "[t]x", "1"},
        LookupCase{"empty_section_name", "[]\nk=v\n", "", "k", "v"},
        LookupCase{"empty_text", "", "s", "k", std::nullopt}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(IniFileTest, SectionsAndEntriesKeepFirstOrder) {
  const IniFile ini = IniFile::parse("[One]\nB=2\na=1\nb=3\n[two]\n[ONE]\nc=4\n");
  EXPECT_EQ(ini.sectionCount(), 2u);
  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"One", "two"}));
  EXPECT_TRUE(ini.hasSection("one"));
  EXPECT_TRUE(ini.hasSection("TWO"));
  EXPECT_FALSE(ini.hasSection("three"));
  const auto& entries = ini.entries("one");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "B");
  EXPECT_EQ(entries[0].value, "2");
  EXPECT_EQ(entries[1].key, "a");
  EXPECT_EQ(entries[2].key, "c");
  EXPECT_TRUE(ini.entries("two").empty());
  EXPECT_TRUE(ini.entries("none").empty());
}

TEST(IniFileTest, AddLineFeedsLinesOneByOne) {
  IniFile ini;
  ini.addLine("k=0");  // before any section: dropped
  ini.addLine("[lang1]");
  ini.addLine("Str013=");
  ini.addLine("Title=ORVA310B Gaming Mouse v1.0");
  ini.addLine("Title=other");
  EXPECT_EQ(ini.value("LANG1", "str013"), "");
  EXPECT_EQ(ini.value("lang1", "title"), "ORVA310B Gaming Mouse v1.0");
  EXPECT_FALSE(ini.hasKey("lang1", "k"));
}

TEST(IniFileTest, ManyKeysAreAllFound) {
  std::string text = "[org1]\r\n";
  for (int i = 0; i < 1000; ++i) text += "Key_" + std::to_string(i) + " = " + std::to_string(i * 7) + "\r\n";
  const IniFile ini = IniFile::parse(text);
  EXPECT_EQ(ini.entries("org1").size(), 1000u);
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(ini.value("ORG1", "key_" + std::to_string(i)), std::to_string(i * 7));
  }
}

struct IntCase {
  const char* text;
  std::optional<int> expected;
};

class IniIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniIntTest, ParsesDecimalIntegersOnly) {
  EXPECT_EQ(parseIniInt(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniIntTest,
    ::testing::Values(IntCase{"0", 0}, IntCase{"12", 12}, IntCase{"-4", -4}, IntCase{"+7", 7},
                      IntCase{"007", 7}, IntCase{"-0", 0}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                      IntCase{"-2147483649", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"", std::nullopt},
                      IntCase{"-", std::nullopt}, IntCase{"+", std::nullopt},
                      IntCase{"12a", std::nullopt}, IntCase{"a12", std::nullopt},
                      IntCase{" 12", std::nullopt}, IntCase{"12 ", std::nullopt},
                      IntCase{"1 2", std::nullopt}, IntCase{"--1", std::nullopt},
                      IntCase{"+-1", std::nullopt}, IntCase{"0x1F", std::nullopt},
                      IntCase{"$1F", std::nullopt}, IntCase{"1.0", std::nullopt},
                      IntCase{"1e3", std::nullopt}, IntCase{"\xEF\xBC\x91", std::nullopt}));

TEST(IniFileTest, TrimAndNameCompare) {
  EXPECT_EQ(trimIniBlanks(" \t\r\n x y \r\n"), "x y");
  EXPECT_EQ(trimIniBlanks("   "), "");
  EXPECT_TRUE(iniNamesEqual("Key_CPIKey", "KEY_cpikey"));
  EXPECT_FALSE(iniNamesEqual("Key", "Keys"));
  EXPECT_FALSE(iniNamesEqual("[", "{"));  // only A..Z fold
}

}  // namespace
}  // namespace orva
