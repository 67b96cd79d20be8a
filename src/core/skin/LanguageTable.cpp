#include "core/skin/LanguageTable.h"

#include <cstddef>
#include <utility>

namespace orva {

namespace {

constexpr std::uint8_t kByteOrderMark[] = {0xFF, 0xFE};
constexpr std::size_t kCodeUnitBytes = 2;
constexpr char32_t kLastSeparator = U' ';  // this and every code below it
constexpr char32_t kQuote = U'"';
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kHighSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateEnd = 0xE000;
constexpr char32_t kSupplementaryFirst = 0x10000;
constexpr unsigned kSurrogateBits = 10;

constexpr bool isHighSurrogate(char32_t unit) { return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= kLowSurrogateFirst && unit < kSurrogateEnd; }

// UTF-16LE code units to code points; a surrogate without its partner
// becomes U+FFFD. The byte count must be even.
std::u32string decodeUtf16Le(std::span<const std::uint8_t> bytes) {
  std::u32string text;
  text.reserve(bytes.size() / kCodeUnitBytes);
  const auto unitAt = [&](std::size_t i) -> char32_t {
    return static_cast<char32_t>(bytes[i] | (bytes[i + 1] << 8));
  };
  for (std::size_t i = 0; i < bytes.size(); i += kCodeUnitBytes) {
    const char32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + kCodeUnitBytes < bytes.size()) {
      const char32_t next = unitAt(i + kCodeUnitBytes);
      if (isLowSurrogate(next)) {
        text.push_back(kSupplementaryFirst + ((unit - kHighSurrogateFirst) << kSurrogateBits) +
                       (next - kLowSurrogateFirst));
        i += kCodeUnitBytes;
        continue;
      }
    }
    text.push_back(isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
  }
  return text;
}

// UTF-8 lead bytes by sequence length, and the continuation bytes that
// carry six bits each.
constexpr char32_t kTwoByteLead = 0xC0;
constexpr char32_t kThreeByteLead = 0xE0;
constexpr char32_t kFourByteLead = 0xF0;
constexpr char32_t kContinuation = 0x80;
constexpr char32_t kContinuationBits = 0x3F;
constexpr unsigned kBitsPerContinuation = 6;
constexpr char32_t kOneByteEnd = 0x80;
constexpr char32_t kTwoByteEnd = 0x800;
constexpr char32_t kThreeByteEnd = 0x10000;

// Code points here are below U+110000 and never surrogates.
void appendUtf8(std::string& out, char32_t c) {
  const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  const auto continuation = [&](unsigned shift) {
    put(kContinuation | ((c >> shift) & kContinuationBits));
  };
  if (c < kOneByteEnd) {
    put(c);
  } else if (c < kTwoByteEnd) {
    put(kTwoByteLead | (c >> kBitsPerContinuation));
    continuation(0);
  } else if (c < kThreeByteEnd) {
    put(kThreeByteLead | (c >> (2 * kBitsPerContinuation)));
    continuation(kBitsPerContinuation);
    continuation(0);
  } else {
    put(kFourByteLead | (c >> (3 * kBitsPerContinuation)));
    continuation(2 * kBitsPerContinuation);
    continuation(kBitsPerContinuation);
    continuation(0);
  }
}

// Cuts the text into entries and feeds each to the INI reader as a line.
void readEntries(std::u32string_view text, IniFile& ini) {
  std::size_t i = 0;
  std::string entry;
  while (i < text.size()) {
    if (text[i] <= kLastSeparator) {
      ++i;
      continue;
    }
    entry.clear();
    if (text[i] == kQuote) {
      for (++i; i < text.size(); ++i) {
        if (text[i] == kQuote) {
          if (i + 1 < text.size() && text[i + 1] == kQuote) {
            ++i;  // a doubled quote stands for one
          } else {
            ++i;  // the closing quote
            break;
          }
        }
        appendUtf8(entry, text[i]);
      }
    } else {
      for (; i < text.size() && text[i] > kLastSeparator; ++i) appendUtf8(entry, text[i]);
    }
    ini.addLine(entry);
  }
}

}  // namespace

LanguageTable::LanguageTable() : texts_(std::make_shared<const Texts>()) {}

LanguageTable::LanguageTable(std::shared_ptr<const Texts> texts) : texts_(std::move(texts)) {}

std::optional<LanguageTable> LanguageTable::parse(std::span<const std::uint8_t> bytes,
                                                  std::string_view section, std::string& error) {
  if (bytes.size() % kCodeUnitBytes != 0) {
    error = "the language table has an odd number of bytes (" + std::to_string(bytes.size()) + ")";
    return std::nullopt;
  }
  if (bytes.size() >= std::size(kByteOrderMark) && bytes[0] == kByteOrderMark[0] &&
      bytes[1] == kByteOrderMark[1]) {
    bytes = bytes.subspan(std::size(kByteOrderMark));
  }
  auto texts = std::make_shared<Texts>();
  readEntries(decodeUtf16Le(bytes), texts->ini);
  if (!texts->ini.hasSection(section)) {
    error = "the language table has no section [" + std::string(section) + "]";
    return std::nullopt;
  }
  texts->section = std::string(section);
  return LanguageTable(std::move(texts));
}

std::string LanguageTable::Texts::text(std::string_view key) const {
  const std::string* value = ini.find(section, key);
  return value == nullptr ? std::string() : *value;
}

std::string LanguageTable::text(std::string_view key) const { return texts_->text(key); }

const std::string* LanguageTable::find(std::string_view key) const { return texts_->ini.find(texts_->section, key); }

const std::vector<IniFile::Entry>& LanguageTable::entries() const { return texts_->ini.entries(texts_->section); }

TextLookup LanguageTable::lookup() const {
  return [texts = texts_](std::string_view key) { return texts->text(key); };
}

}  // namespace orva
