#pragma once
// Builds stored language tables from UTF-16 text for the tests.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/skin/LanguageTable.h"

namespace orva::test {

inline constexpr char16_t kLoneHighSurrogate = 0xD800;
inline constexpr char16_t kLoneLowSurrogate = 0xDC00;

// UTF-16LE bytes of `text`, behind FF FE unless `withMark` is false.
inline std::vector<std::uint8_t> utf16le(std::u16string_view text, bool withMark = true) {
  std::vector<std::uint8_t> bytes;
  if (withMark) bytes = {0xFF, 0xFE};
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

// The stored form: mark, empty line, section line, one quoted entry per line.
inline std::vector<std::uint8_t> storedTable(std::u16string_view section,
                                             const std::vector<std::pair<std::u16string, std::u16string>>& entries) {
  std::u16string text = u"\r\n[" + std::u16string(section) + u"]\r\n";
  for (const auto& [key, value] : entries) {
    std::u16string quoted;
    for (const char16_t c : value) {
      quoted += c;
      if (c == u'"') quoted += c;
    }
    text += u"\"" + key + u"=" + quoted + u"\"\r\n";
  }
  return utf16le(text);
}

// Parses `bytes` as section `section`; fails the calling test on error.
inline LanguageTable parseOrFail(const std::vector<std::uint8_t>& bytes, std::string_view section = "lang1") {
  std::string error;
  std::optional<LanguageTable> table = LanguageTable::parse(bytes, section, error);
  EXPECT_TRUE(table.has_value()) << error;
  return table.value_or(LanguageTable());
}

}  // namespace orva::test
