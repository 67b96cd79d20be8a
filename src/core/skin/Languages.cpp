#include "core/skin/Languages.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <utility>

#include "core/resources/Resources.h"

namespace orva {

namespace {

constexpr std::string_view kStrKeyPrefix = "Str";
constexpr int kStrKeyDigits = 3;

using LanguageTableArray = std::array<LanguageTable, kLanguageCount>;

LanguageTable loadEmbeddedTable(int index) {
  const std::string name = languageResourceName(index);
  const auto bytes = findResource(name);
  if (!bytes) return {};
  std::string error;
  // The embedded tables are checked by the tests; a broken one reads as
  // a table without texts, like a table with missing keys.
  return LanguageTable::parse(*bytes, name, error).value_or(LanguageTable());
}

const LanguageTableArray& embeddedTables() {
  static const LanguageTableArray tables = [] {
    LanguageTableArray loaded;
    for (int index = kFirstLanguage; index < kFirstLanguage + kLanguageCount; ++index) {
      loaded[static_cast<std::size_t>(index - kFirstLanguage)] = loadEmbeddedTable(index);
    }
    return loaded;
  }();
  return tables;
}

}  // namespace

std::string strKey(int number) {
  char digits[kStrKeyDigits + 1] = {};
  std::snprintf(digits, sizeof digits, "%03d", number);
  return std::string(kStrKeyPrefix) + digits;
}

std::string languageResourceName(int index) { return "lang" + std::to_string(index); }

const LanguageTable& languageTable(int index) {
  static const LanguageTable kNoTexts;
  if (index < kFirstLanguage || index >= kFirstLanguage + kLanguageCount) return kNoTexts;
  return embeddedTables()[static_cast<std::size_t>(index - kFirstLanguage)];
}

std::span<const LanguageTable> languageTables() { return embeddedTables(); }

std::string FindTextKey(std::span<const LanguageTable> tables, std::string_view text) {
  std::string result;
  if (text.empty()) return result;
  for (const LanguageTable& table : tables) {
    for (int number = kFindTextKeyFirst; number <= kFindTextKeyLast; ++number) {
      std::string key = strKey(number);
      const std::string* value = table.find(key);
      if (value != nullptr && *value == text) result = std::move(key);
    }
  }
  return result;
}

std::string FindTextKey(std::string_view text) { return FindTextKey(languageTables(), text); }

}  // namespace orva
