#include "core/macros/editor/EntryText.h"

#include <algorithm>
#include <cstdint>

#include "core/macros/MacroEventLine.h"

namespace orva {

namespace {

constexpr std::size_t kKindPrefixLength = 2;  // "1 "
constexpr std::size_t kCodeSuffixLength = 10;  // " CODE:8204"
constexpr int kMaxIcon = 8;

// The operand byte of a movement or repetition line.
std::optional<std::uint8_t> operand(std::string_view line) {
  const auto bytes = eventLineBytes(line);
  if (!bytes || bytes->size() != 2) return std::nullopt;
  return (*bytes)[1];
}

std::string axisText(const char* axis, std::string_view line) {
  const auto value = operand(line);
  if (!value) return {};
  return std::string(axis) + "  " + std::to_string(static_cast<std::int8_t>(*value));
}

}  // namespace

std::string lineKeyName(std::string_view line) {
  if (line.size() < kKindPrefixLength + kCodeSuffixLength) return {};
  return std::string(line.substr(kKindPrefixLength, line.size() - kKindPrefixLength - kCodeSuffixLength));
}

std::optional<int> entryIcon(std::string_view line) {
  if (line.empty() || line.front() < '0' || line.front() > '0' + kMaxIcon) return std::nullopt;
  return line.front() - '0';
}

std::string entryText(std::string_view line) {
  if (line.empty()) return {};
  switch (line.front()) {
    case '0': return std::string(line.substr(std::min(line.size(), kKindPrefixLength))) + " ms";
    case '1': case '2': return lineKeyName(line);
    case '3': case '4': return axisText("X-Axis", line);
    case '5': case '6': return axisText("Y-Axis", line);
    case '7': {
      const auto count = operand(line);
      return count ? "Rep-Start  " + std::to_string(*count + 1) : std::string();
    }
    case '8': return "Rep-Stop";
    default: return {};
  }
}

}  // namespace orva
