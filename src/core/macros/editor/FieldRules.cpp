#include "core/macros/editor/FieldRules.h"

#include <algorithm>
#include <charconv>

namespace orva {

namespace {

// Larger than any bound of a field, small enough never to overflow.
constexpr long long kSaturation = 1'000'000;

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The value of a sign and digits, saturated so that long pasted numbers
// still clamp to the nearest bound.
long long saturatedValue(std::string_view signAndDigits) {
  const bool negative = signAndDigits.front() == '-';
  long long value = 0;
  for (const char c : signAndDigits.substr(negative ? 1 : 0)) value = std::min(value * 10 + (c - '0'), kSaturation);
  return negative ? -value : value;
}

}  // namespace

std::optional<NumberFieldRule> valueFieldRule(EditKind kind) {
  switch (kind) {
    case EditKind::MoveX: case EditKind::MoveY: return kMoveFieldRule;
    case EditKind::RepeatStart: return kRepeatCountFieldRule;
    default: return std::nullopt;
  }
}

bool acceptsKey(const NumberFieldRule& rule, char32_t key) {
  return isDigit(key) || key == kBackspaceKey || (key == U'-' && rule.acceptsMinus);
}

std::string correctField(const NumberFieldRule& rule, std::string_view text) {
  // A leading "-" is read as a sign even where it cannot be typed, so that
  // pasted negative numbers clamp to the lower bound.
  std::string kept;
  for (const char c : text) {
    if (isDigit(static_cast<unsigned char>(c)) || (c == '-' && kept.empty())) kept += c;
  }
  if (kept.empty()) return std::to_string(rule.emptyValue);
  if (kept == "-") return rule.acceptsMinus ? kept : std::to_string(rule.emptyValue);
  const long long value = std::clamp<long long>(saturatedValue(kept), rule.minimum, rule.maximum);
  return std::to_string(value);
}

std::optional<int> fieldValue(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::u16string limitMacroName(std::u16string_view text) {
  constexpr auto kMaxUnits = static_cast<std::size_t>(kMacroNameUnits);
  if (text.size() <= kMaxUnits) return std::u16string(text);
  std::size_t length = kMaxUnits;
  if (isHighSurrogate(text[length - 1])) --length;
  return std::u16string(text.substr(0, length));
}

}  // namespace orva
