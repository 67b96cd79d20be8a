#include "core/macros/editor/DelayLines.h"

#include <algorithm>

namespace orva {

std::vector<std::string> keyDelayLines(int ms) {
  if (ms <= 0) return {};
  return {delayLine(std::min(ms, kMaxDelayPairMs))};
}

std::vector<std::string> mouseDelayLines(int ms) {
  std::vector<std::string> lines;
  int rest = std::clamp(ms, 0, kMaxMouseDelayMs);
  for (; rest >= kMaxDelayPairMs; rest -= kMaxDelayPairMs) lines.push_back(delayLine(kMaxDelayPairMs));
  if (rest > 0) lines.push_back(delayLine(rest));
  return lines;
}

}  // namespace orva
