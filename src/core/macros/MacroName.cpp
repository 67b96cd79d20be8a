#include "core/macros/MacroName.h"

#include <vector>

namespace orva {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool isSurrogate(char32_t c) { return c >= kSurrogateFirst && c <= kSurrogateLast; }

// Code points of a UTF-8 text; nothing when it is malformed (overlong forms,
// surrogates and values past U+10FFFF included).
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;           // continuation bytes
    char32_t c = lead;
    char32_t smallest = 0;   // below it the form is overlong
    if (lead >= 0x80) {
      if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
        smallest = 0x80;
      } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
        smallest = 0x800;
      } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
        smallest = 0x10000;
      } else {
        return std::nullopt;
      }
    }
    if (text.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;  // cut short
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || isSurrogate(c) || c > kLastCodePoint) return std::nullopt;
    points.push_back(c);
    i += 1 + extra;
  }
  return points;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char16_t unitAt(std::span<const std::uint8_t, kMacroNameSize> name, int i) {
  return static_cast<char16_t>((name[2 * i] << 8) | name[2 * i + 1]);
}

}  // namespace

std::optional<MacroName> MacroNameStrToUnicode(std::string_view utf8) {
  const auto points = decodeUtf8(utf8);
  if (!points || points->empty()) return std::nullopt;
  std::vector<char16_t> units;
  for (char32_t c : *points) {
    if (c == 0) return std::nullopt;  // would end the name early
    if (c < 0x10000) {
      units.push_back(static_cast<char16_t>(c));
    } else {
      const char32_t v = c - 0x10000;
      units.push_back(static_cast<char16_t>(kSurrogateFirst + (v >> 10)));
      units.push_back(static_cast<char16_t>(kLowSurrogateFirst + (v & 0x3FF)));
    }
  }
  if (units.size() > static_cast<std::size_t>(kMacroNameUnits)) return std::nullopt;
  MacroName name{};
  for (std::size_t i = 0; i < units.size(); ++i) {
    name[2 * i] = static_cast<std::uint8_t>(units[i] >> 8);
    name[2 * i + 1] = static_cast<std::uint8_t>(units[i] & 0xFF);
  }
  return name;
}

std::string macroNameText(std::span<const std::uint8_t, kMacroNameSize> name) {
  std::string text;
  for (int i = 0; i < kMacroNameUnits; ++i) {
    const char16_t unit = unitAt(name, i);
    if (unit == 0) break;
    if (unit >= kSurrogateFirst && unit < kLowSurrogateFirst && i + 1 < kMacroNameUnits) {
      const char16_t low = unitAt(name, i + 1);
      if (low >= kLowSurrogateFirst && low <= kSurrogateLast) {
        appendUtf8(text, 0x10000 + ((char32_t(unit) - kSurrogateFirst) << 10) + (low - kLowSurrogateFirst));
        ++i;
        continue;
      }
    }
    appendUtf8(text, isSurrogate(unit) ? kReplacement : unit);
  }
  return text;
}

bool macroNameInUse(std::span<const std::uint8_t, kMacroNameSize> name) { return name[0] != 0 || name[1] != 0; }

}  // namespace orva
