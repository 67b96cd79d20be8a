#pragma once
// The INI reader of the embedded configuration texts: the settings block,
// the layout files and, entry by entry, the language tables. Its rules:
//
//  - the text is split into lines at CR LF, LF or a lone CR;
//  - each line is trimmed of surrounding blanks (every byte up to 0x20:
//    blank, tab, CR, LF and the other control bytes);
//  - empty lines and lines beginning with ";" are skipped;
//  - a line that begins with "[" and ends with "]" opens the section of the
//    name between the brackets (trimmed);
//  - any other line is split at its first "=", name and value each trimmed
//    ("a = b=c" gives key "a" with value "b=c"); there are no comments after
//    a value: "k=1 ; x" gives the value "1 ; x";
//  - lines without "=" (for example "// comment") are kept nowhere and never
//    match a key; so are lines with an empty name ("=x") and key lines before
//    the first section line;
//  - section and key names compare without regard to ASCII case; bytes
//    above 0x7F compare exactly;
//  - if a key occurs twice in a section, the first occurrence counts; a
//    section whose header occurs twice is one section (its keys are merged,
//    again the first occurrence of a key counting);
//  - a UTF-8 byte-order mark at the very start of the text is ignored.
//
// Bytes are never interpreted beyond that: comments and values may hold any
// 8-bit or UTF-8 text. Lookups take a hash of the case-folded name and do
// not allocate.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orva {

// Surrounding bytes 0x00..0x20 removed.
std::string_view trimIniBlanks(std::string_view text);

// A decimal integer with an optional sign ("12", "-4", "+7", "007"), nothing
// else: no blanks, no hexadecimal, no trailing characters, and within the
// range of int. Empty text and "12a" give nullopt.
std::optional<int> parseIniInt(std::string_view text);

// ASCII case-insensitive equality of two names.
bool iniNamesEqual(std::string_view a, std::string_view b);

class IniFile {
 public:
  struct Entry {
    std::string key;    // as first written (trimmed)
    std::string value;  // trimmed
  };

  IniFile() = default;

  // Parses a whole text.
  static IniFile parse(std::string_view text);

  // Feeds one more line, as parse() does for each line of a text; the open
  // section carries over from line to line. For readers that produce the
  // lines themselves (the language tables' quoted entries).
  void addLine(std::string_view line);

  // The value of `key` in `section`, or nullopt when either is absent.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The same without a copy; null when absent. Valid until the IniFile
  // changes or is destroyed.
  const std::string* find(std::string_view section, std::string_view key) const;
  bool hasKey(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

  // Section names in the order of their first header line, as first written.
  std::vector<std::string> sectionNames() const;
  // The entries of a section in the order of their first occurrence (empty
  // when there is no such section).
  const std::vector<Entry>& entries(std::string_view section) const;
  std::size_t sectionCount() const { return sections_.size(); }

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept;
  };
  struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept {
      return iniNamesEqual(a, b);
    }
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t, NameHash, NameEqual> index;
  };

  const Section* findSection(std::string_view section) const;

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t, NameHash, NameEqual> sectionIndex_;
  std::optional<std::size_t> current_;  // the open section, none before the first header
};

}  // namespace orva
