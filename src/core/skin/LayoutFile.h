#pragma once
// A layout file: the positions, sizes and colours of the main window's
// controls and of the dialogs for one language, read from the embedded
// resource "org1".."org3" (section of the same name). Every key the program
// reads (layoutKeys()) must be present with a decimal integer value; there
// are no defaults.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orva {

inline constexpr int kLayoutCount = 3;  // one per language

// "org1".."org3": the resource of layout `index` and its section name.
std::string layoutResourceName(int index);

struct LayoutPoint {
  int x = 0;
  int y = 0;
  bool operator==(const LayoutPoint&) const = default;
};

class LayoutFile {
 public:
  // The value of a key the program reads (names compare without regard to
  // case); nullopt for any other name.
  std::optional<int> find(std::string_view key) const;
  // The same for a key known to be read; 0 for any other name.
  int value(std::string_view key) const;

  // (stem_X, stem_Y).
  LayoutPoint position(std::string_view stem) const;
  // stem_R + 256 * stem_G + 65536 * stem_B, the platform's colour value.
  std::uint32_t colour(std::string_view stem) const;
  // stem_Enable is 1.
  bool enabled(std::string_view stem) const;

 private:
  friend struct LayoutReader;
  std::unordered_map<std::string, int> values_;  // by lower-case name
};

// Either the layout or a configuration error naming the key; the caller
// reports `error` and does not apply the rest of the skin.
struct LayoutResult {
  std::optional<LayoutFile> layout;
  std::string error;

  bool ok() const { return layout.has_value(); }
  explicit operator bool() const { return ok(); }
};

// Reads section `section` of an INI text. The first key (in file order)
// that is missing or not a decimal integer is reported.
LayoutResult LoadLayout(std::string_view iniText, std::string_view section);

// The embedded layout `index` (1..kLayoutCount).
LayoutResult LoadLayout(int index);

}  // namespace orva
