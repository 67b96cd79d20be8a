// Fuzzes the language-table reader and FindTextKey with arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/skin/LanguageTable.h"
#include "core/skin/Languages.h"

namespace {

volatile std::size_t gSink = 0;

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      c = (c << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kShortestFrom[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortestFrom[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::string error;
  const std::optional<orva::LanguageTable> table = orva::LanguageTable::parse(bytes, "lang1", error);
  if (table.has_value() == !error.empty()) __builtin_trap();
  if (size % 2 != 0 && table) __builtin_trap();
  if (!table) {
    gSink = gSink + error.size();
    return 0;
  }

  std::size_t touched = 0;
  const orva::TextLookup lookup = table->lookup();
  for (const orva::IniFile::Entry& entry : table->entries()) {
    if (!isUtf8(entry.key) || !isUtf8(entry.value)) __builtin_trap();
    if (entry.key.empty() || table->text(entry.key) != entry.value || lookup(entry.key) != entry.value) {
      __builtin_trap();
    }
    // A text found again names a searched key holding exactly that text.
    const std::string key = orva::FindTextKey(std::span(&*table, 1), entry.value);
    if (!key.empty()) {
      const std::string* found = table->find(key);
      if (found == nullptr || *found != entry.value || entry.value.empty()) __builtin_trap();
      if (key.size() != 6 || !key.starts_with("Str") || std::stoi(key.substr(3)) > orva::kFindTextKeyLast) {
        __builtin_trap();
      }
    }
    touched += entry.value.size() + key.size();
  }
  gSink = gSink + touched;
  return 0;
}
