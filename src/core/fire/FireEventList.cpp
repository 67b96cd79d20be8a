#include "core/fire/FireEventList.h"

#include <algorithm>

#include "core/macros/MacroEventLine.h"

namespace orva::fire {

namespace {

using Bytes = std::vector<std::uint8_t>;

bool isPress(std::uint8_t event) {
  return event == kEventModifierDown || event == kEventKeyDown ||
         (eventLength(event) == 1 && event != kEventRepeatEnd && (event & kMouseButtonPressed));
}

bool isRelease(std::uint8_t event) {
  return event == kEventModifierUp || event == kEventKeyUp ||
         (eventLength(event) == 1 && event != kEventRepeatEnd && !(event & kMouseButtonPressed));
}

// Counts what the events so far leave open: buttons and keys held,
// repetitions started.
struct OpenState {
  int held = 0;
  int repetitions = 0;

  void take(const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += static_cast<std::size_t>(eventLength(bytes[i]))) {
      const std::uint8_t event = bytes[i];
      if (!isEventByte(event)) return;
      if (event == kEventRepeatStart) ++repetitions;
      else if (event == kEventRepeatEnd) repetitions = std::max(0, repetitions - 1);
      else if (isPress(event)) ++held;
      else if (isRelease(event)) held = std::max(0, held - 1);
    }
  }
  bool settled() const { return held == 0 && repetitions == 0; }
};

FireMacroBlock blockOf(const Bytes& content, StopMode mode) {
  FireMacroBlock block{};
  if (content.empty()) return block;
  setStopMode(block, mode);
  block[kLengthByte] = static_cast<std::uint8_t>(content.size() + 1);
  std::ranges::copy(content, block.begin() + kContentStart);
  sealFireMacroBlock(block);
  return block;
}

std::string eventLine(std::uint8_t event, std::uint8_t operand, const KeyEventNamer& keyName) {
  switch (event) {
    case kEventDelay: return delayLine(operand * kDelayUnitMs);
    case kEventRepeatStart: return repeatStartLine(operand);
    case kEventMoveX:
    case kEventMoveY: return moveLine(event, operand);
    case kEventModifierDown:
    case kEventModifierUp:
    case kEventKeyDown:
    case kEventKeyUp:
      return keyEventLine(event == kEventModifierDown || event == kEventKeyDown,
                          keyName ? keyName(event, operand) : std::string(), event, operand);
    default: return {};
  }
}

}  // namespace

FireEncoding encodeFireMacro(std::span<const std::string> lines, StopMode mode, FireOverflow overflow) {
  Bytes content;
  Bytes kept;  // the content up to the last point where a cut may end it
  std::size_t keptLines = 0;
  OpenState open;
  const std::size_t eventLines = lines.empty() ? 0 : lines.size() - 1;
  for (std::size_t i = 0; i < eventLines; ++i) {
    const Bytes bytes = lineBytes(lines[i + 1]);
    content.insert(content.end(), bytes.begin(), bytes.end());
    if (content.size() > static_cast<std::size_t>(kMaxFireContent)) {
      if (overflow == FireOverflow::Refuse) return {};
      return {FireEncodeStatus::Cut, blockOf(kept, mode), keptLines};
    }
    open.take(bytes);
    if (open.settled()) {
      kept = content;
      keptLines = i + 1;
    }
  }
  return {FireEncodeStatus::Stored, blockOf(content, mode), eventLines};
}

FireDecoding decodeFireMacro(const FireMacroBlock& block, const KeyEventNamer& keyName) {
  FireDecoding decoding;
  decoding.stopMode = stopModeOf(block);
  if (!fireContentSize(block)) return decoding;
  decoding.lines.push_back(headerLine(DelayMode::None));
  const auto content = fireContent(block);
  for (std::size_t i = 0; i < content.size() && isEventByte(content[i]);) {
    const std::uint8_t event = content[i];
    const std::size_t length = static_cast<std::size_t>(eventLength(event));
    if (i + length > content.size()) break;
    if (length == 1) {
      decoding.lines.push_back(event == kEventRepeatEnd ? repeatEndLine() : mouseButtonLine(event));
    } else {
      decoding.lines.push_back(eventLine(event, content[i + 1], keyName));
    }
    i += length;
  }
  return decoding;
}

}  // namespace orva::fire
