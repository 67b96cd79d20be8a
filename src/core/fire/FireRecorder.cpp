#include "core/fire/FireRecorder.h"

#include <algorithm>

#include "core/macros/editor/DelayLines.h"

namespace orva::fire {

namespace {

constexpr std::uint8_t kLeftRelease = kMouseButtonFlag | static_cast<std::uint8_t>(MouseButton::Left);
constexpr std::uint8_t kLeftPress = kMouseButtonPressed | kLeftRelease;

}  // namespace

std::vector<std::string> fireDelayLines(DelayMode mode, int fixedDelayMs, std::optional<std::uint32_t> LastEventTime,
                                        std::uint32_t now) {
  if (!LastEventTime) return {};
  switch (mode) {
    case DelayMode::None: return {};
    case DelayMode::Fixed: return mouseDelayLines(fixedDelayMs);
    case DelayMode::Recorded: {
      // Unsigned difference: right across a wrap of the tick counter.
      const std::uint32_t elapsed = now - *LastEventTime;
      return mouseDelayLines(static_cast<int>(std::min<std::uint32_t>(elapsed, kMaxMouseDelayMs)));
    }
  }
  return {};
}

void FireRecorder::leftButton(bool pressed, std::uint32_t now) {
  if (lines_.empty()) lines_.push_back(headerLine(mode_, fixedDelayMs_));
  const auto delays = fireDelayLines(mode_, fixedDelayMs_, lastEventTime_, now);
  lines_.insert(lines_.end(), delays.begin(), delays.end());
  lastEventTime_ = now;
  lines_.push_back(mouseButtonLine(pressed ? kLeftPress : kLeftRelease));
}

}  // namespace orva::fire
