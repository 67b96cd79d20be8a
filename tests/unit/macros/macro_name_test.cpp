// Macro names: UTF-8 text to the 32-byte field of UTF-16 units, high byte
// first, and back.
#include <gtest/gtest.h>

#include <vector>

#include "core/macros/MacroName.h"

namespace orva {
namespace {

MacroName field(std::initializer_list<std::uint8_t> bytes) {
  MacroName name{};
  std::copy(bytes.begin(), bytes.end(), name.begin());
  return name;
}

TEST(MacroName, TextToFieldAndBack) {
  struct Row {
    const char* label;
    std::string text;
    MacroName bytes;
  } rows[] = {
      {"Latin", "Ab", field({0x00, 'A', 0x00, 'b'})},
      {"Cyrillic", "Пуск", field({0x04, 0x1F, 0x04, 0x43, 0x04, 0x41, 0x04, 0x3A})},
      {"CJK", "宏一", field({0x5B, 0x8F, 0x4E, 0x00})},
      {"beyond the BMP: a surrogate pair", "\xF0\x9F\x8E\xAE", field({0xD8, 0x3C, 0xDF, 0xAE})},
      {"16 units fill the field", "0123456789abcdef",
       field({0, '0', 0, '1', 0, '2', 0, '3', 0, '4', 0, '5', 0, '6', 0, '7', 0, '8', 0, '9', 0, 'a', 0, 'b', 0, 'c',
              0, 'd', 0, 'e', 0, 'f'})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const auto stored = MacroNameStrToUnicode(row.text);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, row.bytes);
    EXPECT_EQ(macroNameText(*stored), row.text);
    EXPECT_TRUE(macroNameInUse(*stored));
  }
}

TEST(MacroName, RefusesWhatCannotBeStored) {
  const std::vector<std::string> refused = {
      "",                                    // no name
      "0123456789abcdefg",                   // 17 units
      "012345678901234\xF0\x9F\x8E\xAE",     // 15 + a pair = 17 units
      "bad \xC3",                            // cut-short UTF-8
      "\xC0\xAF",                            // overlong form
      "\xED\xA0\x80",                        // an encoded surrogate
      std::string("a\0b", 3),                // a zero would end the name
  };
  for (const std::string& text : refused) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(MacroNameStrToUnicode(text).has_value());
  }
}

TEST(MacroName, ReadingEndsAtTheFirstZeroUnitAndReplacesLoneSurrogates) {
  EXPECT_EQ(macroNameText(field({0x00, 'A', 0x00, 0x00, 0x00, 'B'})), "A");
  EXPECT_EQ(macroNameText(field({0xD8, 0x3C, 0x00, 'x'})), "\xEF\xBF\xBDx");
  EXPECT_EQ(macroNameText(field({0xDC, 0x00})), "\xEF\xBF\xBD");
  // A high surrogate in the last unit has no partner.
  MacroName last{};
  last[30] = 0xD8;
  last[0] = 0x00, last[1] = 'z';
  for (int i = 2; i < 30; i += 2) last[i + 1] = 'y';
  EXPECT_EQ(macroNameText(last), "z" + std::string(14, 'y') + "\xEF\xBF\xBD");
}

TEST(MacroName, InUseWhenTheFirstUnitIsNotZero) {
  EXPECT_FALSE(macroNameInUse(MacroName{}));
  EXPECT_TRUE(macroNameInUse(field({0x01, 0x00})));
  EXPECT_TRUE(macroNameInUse(field({0x00, 0x01})));
  EXPECT_FALSE(macroNameInUse(field({0x00, 0x00, 0x00, 'A'})));
}

}  // namespace
}  // namespace orva
