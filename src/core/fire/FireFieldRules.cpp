#include "core/fire/FireFieldRules.h"

#include <algorithm>

namespace orva::fire {

namespace {

constexpr int kSignedByteMin = -128;
constexpr int kSignedByteMax = 127;

}  // namespace

int correctedYOffset(int y, int offset) {
  offset = std::clamp(offset, kYOffsetRule.minimum, kYOffsetRule.maximum);
  if (y + offset > kSignedByteMax) return kSignedByteMax - y;
  if (y + offset < kSignedByteMin) return kSignedByteMin - y;
  return offset;
}

}  // namespace orva::fire
