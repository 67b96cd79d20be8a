#pragma once
// One language table: the texts of the program in one language, keyed by
// "FontName", "Title" and "Str" plus three digits.
//
// Stored form: UTF-16LE text, normally behind the byte-order mark FF FE (the
// mark is optional). The text is cut into entries first, then each entry is
// read as one INI line (IniFile):
//  - characters up to U+0020 (blank, tab, CR, LF, NUL, ...) separate entries
//    and are dropped;
//  - an entry that begins with '"' runs to the next lone '"' (or to the end
//    of the text), without its quotes; '""' inside it stands for one '"';
//    the next entry may start right after the closing quote;
//  - any other entry runs to the next separator, quotes included;
//  - the entries then follow the INI rules: trimmed, ";" skips the entry,
//    "[name]" opens a section, the first "=" splits key from value, keys
//    compare without regard to ASCII case, the first of two equal keys
//    counts. Only the section named at parse() is read.
// A ";" comment therefore covers one entry, not the rest of its line.
//
// Texts come out as UTF-8. A lone surrogate reads as U+FFFD. A missing key
// reads as the empty text.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/IniFile.h"
#include "core/skin/TextLookup.h"

namespace orva {

inline constexpr std::string_view kFontNameKey = "FontName";
inline constexpr std::string_view kTitleKey = "Title";

class LanguageTable {
 public:
  // A table without texts: every key reads as empty.
  LanguageTable();

  // Reads the stored bytes and keeps the entries of `section` ("lang1").
  // Fails, with a message in `error`, when the byte count is odd (the text
  // is cut inside a character) or the section is absent.
  static std::optional<LanguageTable> parse(std::span<const std::uint8_t> bytes,
                                            std::string_view section, std::string& error);

  // The text of `key`; empty when the table lacks it.
  std::string text(std::string_view key) const;
  // The same without a copy; null when the table lacks the key.
  const std::string* find(std::string_view key) const;
  // The entries in the order of their first occurrence.
  const std::vector<IniFile::Entry>& entries() const;

  std::string fontName() const { return text(kFontNameKey); }
  std::string title() const { return text(kTitleKey); }

  // A lookup that shares this table's texts and outlives the table.
  TextLookup lookup() const;

 private:
  struct Texts {
    IniFile ini;
    std::string section;  // the one section read

    std::string text(std::string_view key) const;
  };
  explicit LanguageTable(std::shared_ptr<const Texts> texts);

  std::shared_ptr<const Texts> texts_;  // never null; immutable, so copies share it
};

}  // namespace orva
