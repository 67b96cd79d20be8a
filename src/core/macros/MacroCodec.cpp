#include "core/macros/MacroCodec.h"

#include <algorithm>

#include "core/macros/MacroEventLine.h"
#include "core/params/Checksum.h"

namespace orva {

namespace {

constexpr int kRepetitionWrapperBytes = 3;  // FD c … FC
constexpr int kMaxMergedDelayPairs = 5;
constexpr int kHeaderDelayLines = 4;  // the delay lines that decide the header

// Appends whole events while they fit; the first that does not ends it.
class ContentBuilder {
 public:
  explicit ContentBuilder(int room) : room_(room) {}

  void add(std::initializer_list<std::uint8_t> event) { add(std::vector<std::uint8_t>(event)); }
  void add(const std::vector<std::uint8_t>& event) {
    if (cut_) return;
    if (bytes_.size() + event.size() > static_cast<std::size_t>(room_)) {
      cut_ = true;
      return;
    }
    bytes_.insert(bytes_.end(), event.begin(), event.end());
  }
  bool cut() const { return cut_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  int room_;
  bool cut_ = false;
  std::vector<std::uint8_t> bytes_;
};

// Pair by pair, so that a cut keeps the pairs that fit.
void addDelay(ContentBuilder& content, int ms) {
  const std::vector<std::uint8_t> pairs = delayBytes(ms);
  for (std::size_t i = 0; i + 1 < pairs.size() && !content.cut(); i += 2) content.add({pairs[i], pairs[i + 1]});
}

EncodedMacro encode(std::span<const std::string> lines, const MacroOptions& options, std::span<std::uint8_t> data,
                    MacroDataLayout layout, int budget) {
  const bool wrapped = options.repetition != Repetition::Once;
  ContentBuilder content(std::min(layout.contentRoom(), budget) - (wrapped ? kRepetitionWrapperBytes : 0));
  for (std::size_t i = 1; i < lines.size() && !content.cut(); ++i) {
    if (isDelayLine(lines[i])) {
      addDelay(content, delayLineMs(lines[i]));
    } else if (auto bytes = eventLineBytes(lines[i])) {
      content.add(*bytes);
    }
  }

  std::vector<std::uint8_t> stored = std::move(content.bytes());
  if (wrapped) {
    const std::uint8_t count = options.repetition == Repetition::Endless
                                   ? kRepeatEndless
                                   : static_cast<std::uint8_t>(
                                         std::clamp(options.repeatCount, kMinRepeatCount, kMaxRepeatCount) - 1);
    stored.insert(stored.begin(), {kEventRepeatStart, count});
    stored.push_back(kEventRepeatEnd);
  }

  std::ranges::fill(data, 0);
  EncodedMacro result;
  result.cut = content.cut();
  if (stored.empty()) return result;

  const int length = static_cast<int>(stored.size()) + 1;
  data[0] = static_cast<std::uint8_t>(options.stopMode);
  for (int i = 0; i < layout.lengthBytes; ++i) {
    data[1 + i] = static_cast<std::uint8_t>(length >> (8 * (layout.lengthBytes - 1 - i)));
  }
  std::ranges::copy(stored, data.begin() + layout.contentOffset());
  const int checksumAt = layout.contentOffset() + static_cast<int>(stored.size());
  data[checksumAt] = checksumOf(data.subspan(1, checksumAt - 1));
  result.hexDump = macroHexDump(data, layout);
  return result;
}

std::optional<int> modifierVirtualKey(std::uint8_t modifier) {
  switch (modifier) {
    case 0x01: return 17;  // Ctrl
    case 0x02: return 16;  // Shift
    case 0x04: return 18;  // Alt
    case 0x08: return 91;  // left Windows
    case 0x80: return 92;  // right Windows
    default: return std::nullopt;
  }
}

std::string modifierName(std::uint8_t modifier, const MacroKeyNames& names) {
  const auto vk = modifierVirtualKey(modifier);
  return vk && names.virtualKeyName ? names.virtualKeyName(*vk) : std::string();
}

std::string usageName(std::uint8_t usage, const MacroKeyNames& names) {
  return names.usageName ? names.usageName(usage) : std::string();
}

void setRepetition(std::span<const std::uint8_t> content, MacroOptions& options) {
  if (content.size() < 2 || content[0] != kEventRepeatStart) {
    options.repetition = Repetition::Once;
  } else if (content[1] == kRepeatEndless) {
    options.repetition = Repetition::Endless;
  } else {
    options.repetition = Repetition::Times;
    options.repeatCount = content[1] + 1;
  }
}

void setDelayHeader(const std::vector<int>& delays, DecodedMacro& out) {
  std::array<int, kHeaderDelayLines> first{};
  std::copy_n(delays.begin(), std::min<std::size_t>(delays.size(), first.size()), first.begin());
  const bool allEqual = std::ranges::all_of(first, [&](int ms) { return ms == first[0]; });
  if (allEqual && first[0] == 0) {
    out.options.delayMode = DelayMode::None;
  } else if (allEqual) {
    out.options.delayMode = DelayMode::Fixed;
    out.options.fixedDelayMs = first[0];
  } else {
    out.options.delayMode = DelayMode::Recorded;
  }
  out.lines[0] = headerLine(out.options.delayMode, out.options.fixedDelayMs);
}

std::optional<DecodedMacro> decode(std::span<const std::uint8_t> data, MacroDataLayout layout,
                                   const MacroKeyNames& names, const MacroOptions& current) {
  const auto found = macroContent(data, layout);
  if (!found) return std::nullopt;
  const std::span<const std::uint8_t> content = *found;

  DecodedMacro out;
  out.options = current;
  out.options.stopMode = stopModeOf(data);
  setRepetition(content, out.options);
  out.lines.push_back(headerLine(DelayMode::None));

  std::vector<int> delays;
  std::size_t i = 0;
  while (i < content.size()) {
    const std::uint8_t code = content[i];
    if (!isEventByte(code)) break;
    const std::size_t length = static_cast<std::size_t>(eventLength(code));
    if (i + length > content.size()) break;
    const std::uint8_t operand = length == 2 ? content[i + 1] : 0;
    switch (code) {
      case kEventDelay: {
        int units = 0;
        for (int pairs = 0; pairs < kMaxMergedDelayPairs && i + 1 < content.size() && content[i] == kEventDelay;
             ++pairs, i += 2) {
          units += content[i + 1];
        }
        delays.push_back(units * kDelayUnitMs);
        out.lines.push_back(delayLine(delays.back()));
        continue;
      }
      case kEventRepeatStart:
      case kEventRepeatEnd:
        break;
      case kEventModifierDown:
      case kEventModifierUp:
        out.lines.push_back(keyEventLine(code == kEventModifierDown, modifierName(operand, names), code, operand));
        break;
      case kEventKeyDown:
      case kEventKeyUp:
        out.lines.push_back(keyEventLine(code == kEventKeyDown, usageName(operand, names), code, operand));
        break;
      case kEventMoveX:
      case kEventMoveY:
        out.lines.push_back(moveLine(code, operand));
        break;
      default:
        out.lines.push_back(mouseButtonLine(code));
        break;
    }
    i += length;
  }
  setDelayHeader(delays, out);
  return out;
}

}  // namespace

EncodedMacro EncodeMacro(std::span<const std::string> lines, const MacroOptions& options, MacroData& data) {
  return encode(lines, options, data, kMacroDataLayout, kMacroDataLayout.contentRoom());
}

EncodedMacro EncodeMacro(std::span<const std::string> lines, const MacroOptions& options, DriverMacroData& data) {
  return encode(lines, options, data, kDriverMacroDataLayout, kDriverMacroByteBudget);
}

std::optional<DecodedMacro> DecodeMacro(const MacroData& data, const MacroKeyNames& names,
                                        const MacroOptions& current) {
  return decode(data, kMacroDataLayout, names, current);
}

std::optional<DecodedMacro> DecodeMacro(const DriverMacroData& data, const MacroKeyNames& names,
                                        const MacroOptions& current) {
  return decode(data, kDriverMacroDataLayout, names, current);
}

}  // namespace orva
