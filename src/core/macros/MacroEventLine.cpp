#include "core/macros/MacroEventLine.h"

#include <charconv>

namespace orva {

namespace {

const char* buttonName(std::uint8_t eventByte) {
  switch (static_cast<MouseButton>(eventByte & 0x1F)) {
    case MouseButton::Left: return "LeftKey";
    case MouseButton::Right: return "RightKey";
    case MouseButton::Middle: return "MiddleKey";
    case MouseButton::Forward: return "Forward";
    case MouseButton::Backward: return "Backward";
  }
  return nullptr;
}

bool isMouseButtonEvent(std::uint8_t byte) {
  return (byte & 0x60) == kMouseButtonFlag && buttonName(byte) != nullptr;
}

std::optional<std::uint8_t> hexPair(std::string_view two) {
  std::uint8_t value = 0;
  const auto [end, ec] = std::from_chars(two.data(), two.data() + two.size(), value, 16);
  if (ec != std::errc() || end != two.data() + two.size() || two.size() != 2) return std::nullopt;
  return value;
}

}  // namespace

bool isEventByte(std::uint8_t byte) {
  switch (byte) {
    case kEventModifierDown: case kEventModifierUp: case kEventKeyDown: case kEventKeyUp:
    case kEventMoveX: case kEventMoveY: case kEventDelay: case kEventRepeatStart: case kEventRepeatEnd:
      return true;
    default:
      return isMouseButtonEvent(byte);
  }
}

int eventLength(std::uint8_t byte) {
  return (byte == kEventRepeatEnd || isMouseButtonEvent(byte)) ? 1 : 2;
}

std::string hexByte(std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string keyEventLine(bool pressed, std::string_view name, std::uint8_t eventByte, std::uint8_t operand) {
  return std::string(pressed ? "1 " : "2 ") + std::string(name) + " CODE:" + hexByte(eventByte) + hexByte(operand);
}

std::string mouseButtonLine(std::uint8_t eventByte) {
  const char* name = buttonName(eventByte);
  return std::string((eventByte & kMouseButtonPressed) ? "1 " : "2 ") + (name ? name : "") + " CODE:00" +
         hexByte(eventByte);
}

std::string moveLine(std::uint8_t eventByte, std::uint8_t value) {
  const bool x = eventByte == kEventMoveX;
  const char kind = value < 0x80 ? (x ? '3' : '5') : (x ? '4' : '6');
  return std::string(1, kind) + " " + hexByte(eventByte) + hexByte(value);
}

std::string delayLine(int milliseconds) { return "0 " + std::to_string(milliseconds); }
std::string repeatStartLine(std::uint8_t count) { return "7 FD" + hexByte(count); }
std::string repeatEndLine() { return "8 00FC"; }

std::string headerLine(DelayMode mode, int fixedMs) {
  switch (mode) {
    case DelayMode::None: return "00";
    case DelayMode::Fixed: return "01" + std::to_string(fixedMs);
    case DelayMode::Recorded: return "10";
  }
  return "00";
}

bool isDelayLine(std::string_view line) { return !line.empty() && line.front() == '0'; }

int delayLineMs(std::string_view line) {
  if (line.size() <= 2) return 0;
  const std::string_view digits = line.substr(2);
  int ms = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
  return (ec == std::errc() && end == digits.data() + digits.size() && ms >= 0) ? ms : 0;
}

std::optional<std::vector<std::uint8_t>> eventLineBytes(std::string_view line) {
  if (line.size() < 4 || isDelayLine(line)) return std::nullopt;
  const std::string_view last = line.substr(line.size() - 4);
  const auto first = hexPair(last.substr(0, 2));
  const auto second = hexPair(last.substr(2, 2));
  if (!first || !second) return std::nullopt;
  if (last.substr(0, 2) == "00") return std::vector<std::uint8_t>{*second};
  return std::vector<std::uint8_t>{*first, *second};
}

std::vector<std::uint8_t> delayBytes(int milliseconds) {
  std::vector<std::uint8_t> bytes;
  const int wholePairs = milliseconds / kMaxDelayPairMs;
  for (int i = 0; i < wholePairs; ++i) bytes.insert(bytes.end(), {kEventDelay, 0xFF});
  const int rest = milliseconds % kMaxDelayPairMs;
  if (rest > 0 || wholePairs == 0) {
    bytes.insert(bytes.end(), {kEventDelay, static_cast<std::uint8_t>(rest / kDelayUnitMs)});
  }
  return bytes;
}

std::vector<std::uint8_t> lineBytes(std::string_view line) {
  if (isDelayLine(line)) return delayBytes(delayLineMs(line));
  return eventLineBytes(line).value_or(std::vector<std::uint8_t>{});
}

}  // namespace orva
