#include "core/device/ReportDescriptor.h"

#include <array>
#include <cstddef>
#include <limits>

namespace orva {
namespace {

// Item prefix layout: tag in bits 7..4, type in bits 3..2, data size code in
// bits 1..0 (0, 1, 2 or 4 bytes).
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kMainFeature = 0xB;
constexpr int kGlobalReportSize = 0x7;
constexpr int kGlobalReportId = 0x8;
constexpr int kGlobalReportCount = 0x9;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;

// Real descriptors nest Push only a few levels deep.
constexpr std::size_t kMaxPushDepth = 16;

using Bits = std::uint64_t;
constexpr Bits kMaxBits = std::numeric_limits<Bits>::max();

struct GlobalState {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint32_t reportId = 0;
};

struct FeatureTotals {
  std::array<Bits, 256> bits{};
  std::array<bool, 256> seen{};
  bool usesReportIds = false;
};

std::uint32_t littleEndian(std::span<const std::uint8_t> data) {
  std::uint32_t value = 0;
  for (std::size_t i = data.size(); i-- > 0;) value = (value << 8) | data[i];
  return value;
}

Bits saturatingAdd(Bits a, Bits b) { return b > kMaxBits - a ? kMaxBits : a + b; }

FeatureTotals sumFeatureBits(std::span<const std::uint8_t> descriptor) {
  FeatureTotals totals;
  GlobalState state;
  std::array<GlobalState, kMaxPushDepth> stack{};
  std::size_t depth = 0;

  std::size_t pos = 0;
  while (pos < descriptor.size()) {
    const std::uint8_t prefix = descriptor[pos];
    const std::size_t left = descriptor.size() - pos - 1;
    if (prefix == kLongItemPrefix) {
      // Long items carry nothing we need; skip prefix, size, tag and data.
      if (left < 2 || left - 2 < descriptor[pos + 1]) break;
      pos += 3 + descriptor[pos + 1];
      continue;
    }
    const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (left < dataSize) break;
    const std::uint32_t value = littleEndian(descriptor.subspan(pos + 1, dataSize));
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;
    pos += 1 + dataSize;

    if (type == kTypeGlobal) {
      if (tag == kGlobalReportSize) {
        state.reportSize = value;
      } else if (tag == kGlobalReportCount) {
        state.reportCount = value;
      } else if (tag == kGlobalReportId) {
        state.reportId = value;
        totals.usesReportIds = true;
      } else if (tag == kGlobalPush) {
        if (depth == stack.size()) break;
        stack[depth++] = state;
      } else if (tag == kGlobalPop) {
        if (depth == 0) break;
        state = stack[--depth];
      }
    } else if (type == kTypeMain && tag == kMainFeature && state.reportId < totals.bits.size()) {
      // Both factors fit in 32 bits, so their product fits in 64.
      const Bits itemBits = Bits{state.reportSize} * state.reportCount;
      totals.bits[state.reportId] = saturatingAdd(totals.bits[state.reportId], itemBits);
      totals.seen[state.reportId] = true;
    }
  }
  return totals;
}

}  // namespace

int featureReportLength(std::span<const std::uint8_t> descriptor, std::uint8_t reportId) {
  const FeatureTotals totals = sumFeatureBits(descriptor);
  // With report IDs, report 0 does not exist; without them, only report 0 does.
  const bool wanted = totals.usesReportIds ? reportId != 0 : reportId == 0;
  if (!wanted || !totals.seen[reportId]) return 0;

  const Bits bits = totals.bits[reportId];
  const Bits dataBytes = bits / 8 + (bits % 8 != 0 ? 1 : 0);
  const int idBytes = totals.usesReportIds ? 1 : 0;
  constexpr Bits kMaxDataBytes = std::numeric_limits<int>::max() - 1;
  return static_cast<int>(dataBytes < kMaxDataBytes ? dataBytes : kMaxDataBytes) + idBytes;
}

}  // namespace orva
