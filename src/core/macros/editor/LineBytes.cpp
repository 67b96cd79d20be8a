#include "core/macros/editor/LineBytes.h"

#include "core/macros/MacroEventLine.h"

namespace orva {

namespace {
constexpr int kDelayPairBytes = 2;
}  // namespace

int lineByteCount(std::string_view line) {
  if (isDelayLine(line)) {
    const int ms = delayLineMs(line);
    const int wholePairs = ms / kMaxDelayPairMs;
    const bool restPair = ms % kMaxDelayPairMs > 0 || wholePairs == 0;
    return kDelayPairBytes * (wholePairs + (restPair ? 1 : 0));
  }
  const auto bytes = eventLineBytes(line);
  return bytes ? static_cast<int>(bytes->size()) : 0;
}

int contentByteCount(const std::vector<std::string>& entries) {
  int total = 0;
  for (const auto& line : entries) total += lineByteCount(line);
  return total;
}

}  // namespace orva
