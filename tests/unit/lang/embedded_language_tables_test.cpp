#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "core/resources/Resources.h"
#include "core/skin/Languages.h"

namespace orva {
namespace {

// The Str keys every table holds, by number.
constexpr int kStrNumbers[] = {
    0,   1,   2,   3,   4,   5,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  20,  100, 101, 102,
    103, 104, 106, 107, 108, 109, 200, 201, 202, 203, 204, 205, 206, 207, 208, 210, 211, 212, 213, 214, 220,
    221, 222, 223, 224, 225, 226, 230, 231, 232, 233, 240, 241, 242, 243, 250, 251, 252, 253, 254, 255, 256,
    260, 261, 262, 263, 264, 265, 266, 300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 400, 401,
    402, 404, 405, 406, 407, 408, 409, 410, 411, 412, 413, 414, 415, 416, 417, 418, 420, 421, 422, 430, 432,
    433, 435, 436, 437, 440, 441, 442, 443, 444, 445, 446, 447, 448, 500, 501, 502, 510, 511, 512, 520, 521,
    522, 523, 600, 601, 602, 603, 604, 605, 606, 610, 611, 612, 613, 614, 620, 621, 700, 701, 702, 800, 801,
    802, 803, 804, 805, 806, 807, 808, 809, 810, 811, 812, 813, 814, 815, 816, 817, 818, 819, 820, 821, 822,
    823, 824, 825, 826, 827, 828, 829, 830, 831, 832, 833, 834, 835, 836, 837, 838, 839, 840, 841, 842, 843,
    844, 845, 846, 847, 848, 849, 850, 851, 852, 853, 854, 855, 856, 857, 858, 859, 860, 861};
constexpr std::size_t kTableKeyCount = 209;
static_assert(std::size(kStrNumbers) + 2 == kTableKeyCount);

std::string keyOf(int number) {
  char key[8];
  std::snprintf(key, sizeof key, "Str%03d", number);
  return key;
}

std::set<std::string> expectedKeys() {
  std::set<std::string> keys = {"FontName", "Title"};
  for (const int number : kStrNumbers) keys.insert(keyOf(number));
  return keys;
}

class EmbeddedTableTest : public ::testing::TestWithParam<int> {};

TEST_P(EmbeddedTableTest, HoldsExactlyTheKeysOfTheProgram) {
  const LanguageTable& table = languageTable(GetParam());
  std::set<std::string> keys;
  for (const IniFile::Entry& entry : table.entries()) keys.insert(entry.key);
  EXPECT_EQ(table.entries().size(), kTableKeyCount);
  EXPECT_EQ(keys, expectedKeys());
}

TEST_P(EmbeddedTableTest, EveryTextIsFilledInExceptTheThirdLanguageButtonOfEnglish) {
  const int index = GetParam();
  for (const IniFile::Entry& entry : languageTable(index).entries()) {
    const bool mayBeEmpty = index == 1 && entry.key == "Str013";
    EXPECT_EQ(entry.value.empty(), mayBeEmpty) << "table " << index << " " << entry.key;
  }
}

// The resource as stored: FF FE, an empty line, the section line, then one
// quoted entry per line, CR LF after each line.
TEST_P(EmbeddedTableTest, IsStoredInTheTableFormat) {
  const int index = GetParam();
  const auto bytes = findResource("lang" + std::to_string(index));
  ASSERT_TRUE(bytes.has_value());
  ASSERT_GE(bytes->size(), 2u);
  ASSERT_EQ(bytes->size() % 2, 0u);
  EXPECT_EQ((*bytes)[0], 0xFF);
  EXPECT_EQ((*bytes)[1], 0xFE);
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes->size(); i += 2) {
    text.push_back(static_cast<char16_t>((*bytes)[i] | ((*bytes)[i + 1] << 8)));
  }
  std::vector<std::u16string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(u"\r\n", start);
    ASSERT_NE(end, std::u16string::npos) << "the last line lacks its CR LF";
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), kTableKeyCount + 2);
  EXPECT_EQ(lines[0], u"");
  EXPECT_EQ(lines[1], u"[lang" + std::u16string(1, static_cast<char16_t>(u'0' + index)) + u"]");
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::u16string& line = lines[i];
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.front(), u'"');
    EXPECT_EQ(line.back(), u'"');
    EXPECT_NE(line.find(u'='), std::u16string::npos);
    EXPECT_EQ(line.find(u'\n'), std::u16string::npos);
  }
}

TEST_P(EmbeddedTableTest, DpiValuesAreTheSameInEveryLanguage) {
  const char* const kDpiTexts[] = {"500", "800", "1000", "1200", "1600", "2000",
                                   "2400", "3200", "4000", "4800", "6400", "8000"};
  const LanguageTable& table = languageTable(GetParam());
  for (int i = 0; i < static_cast<int>(std::size(kDpiTexts)); ++i) {
    EXPECT_EQ(table.text(keyOf(300 + i)), kDpiTexts[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, EmbeddedTableTest, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "lang" + std::to_string(info.param); });

struct TextCase {
  int language;
  const char* key;
  const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << "lang" << c.language << "_" << c.key; }

class EmbeddedTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(EmbeddedTextTest, HasTheFixedText) {
  const TextCase& c = GetParam();
  EXPECT_EQ(languageTable(c.language).text(c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EmbeddedTextTest,
    ::testing::Values(
        TextCase{1, "FontName", "Calibri"}, TextCase{2, "FontName", "Calibri"}, TextCase{3, "FontName", "宋体"},
        TextCase{1, "Title", "ORVA P340 USB Gaming Mouse"}, TextCase{2, "Title", "Игровая мышь"},
        TextCase{3, "Title", "遊戲滑鼠驅動"},
        TextCase{1, "Str011", "English"}, TextCase{1, "Str012", "Russian"}, TextCase{1, "Str013", ""},
        TextCase{2, "Str011", "English"}, TextCase{2, "Str012", "Русский"}, TextCase{2, "Str013", "Французский"},
        TextCase{3, "Str011", "English"}, TextCase{3, "Str012", "簡體中文"}, TextCase{3, "Str013", "繁體中文"},
        TextCase{1, "Str210", "Left Click"}, TextCase{2, "Str210", "Левая кнопка"}, TextCase{3, "Str210", "左鍵"},
        TextCase{1, "Str200", "*"}, TextCase{2, "Str200", "*"}, TextCase{3, "Str200", "*"},
        TextCase{1, "Str108", "Please keep a Left Key"},
        TextCase{1, "Str020", "Finding the specified device"},
        TextCase{1, "Str700", "Press 'Middle Click' 3sec to switch Profile1/Profile2"},
        TextCase{1, "Str815", "Change LED Mode（L+DPI)"},
        // Stored with a trailing blank, which the reader trims.
        TextCase{1, "Str822", "Random Color Casual Breath"},
        TextCase{1, "Str600", "AKM"}, TextCase{2, "Str604", "SCAR-L"}, TextCase{3, "Str601", "M16"},
        // "-" would split the caption in two where the layout asks for it;
        // the translations need no split.
        TextCase{2, "Str841", "До отпускания кнопки"}, TextCase{3, "Str842", "巨集結束後停止"}),
    [](const auto& info) { return "lang" + std::to_string(info.param.language) + "_" + info.param.key; });

TEST(EmbeddedTablesTest, LanguageIndexOutsideTheTablesHasNoTexts) {
  for (const int index : {0, kLanguageCount + 1, -1}) {
    EXPECT_TRUE(languageTable(index).entries().empty()) << index;
    EXPECT_EQ(languageTable(index).text("Title"), "") << index;
  }
  EXPECT_EQ(languageTables().size(), static_cast<std::size_t>(kLanguageCount));
  EXPECT_EQ(&languageTables()[1], &languageTable(2));
}

TEST(EmbeddedTablesTest, LookupGivesTheTextsOfItsTable) {
  const TextLookup lookup = languageTable(2).lookup();
  EXPECT_EQ(lookup("Str210"), "Левая кнопка");
  EXPECT_EQ(lookup("Str999"), "");
}

// A caption is carried to another language through the key of its text:
// every text of Str000..Str700 must lead back to a key whose text in each
// language is the translation of the original.
TEST(EmbeddedTablesTest, EveryCaptionCarriesAcrossLanguages) {
  for (const int number : kStrNumbers) {
    if (number > 700) break;
    const std::string key = keyOf(number);
    if (number == 13) continue;  // the third language button: empty in English
    for (int from = 1; from <= kLanguageCount; ++from) {
      const std::string found = FindTextKey(languageTable(from).text(key));
      ASSERT_FALSE(found.empty()) << key << " of table " << from;
      for (int to = 1; to <= kLanguageCount; ++to) {
        EXPECT_EQ(languageTable(to).text(found), languageTable(to).text(key))
            << key << " from table " << from << " found as " << found << ", shown in table " << to;
      }
    }
  }
}

}  // namespace
}  // namespace orva
