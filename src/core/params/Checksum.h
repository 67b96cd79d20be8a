#pragma once
// The integrity rules of the image: section checksums and complement pairs.

#include <cstdint>
#include <numeric>
#include <span>

namespace orva {

// (sum of the bytes modulo 256) XOR 0x5A.
constexpr std::uint8_t checksumOf(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u) ^ 0x5A);
}

// Sections whose last byte is the checksum of the bytes before it.
constexpr bool checksumHolds(std::span<const std::uint8_t> section) {
  return !section.empty() && section.back() == checksumOf(section.first(section.size() - 1));
}
constexpr void sealChecksum(std::span<std::uint8_t> section) {
  if (!section.empty()) section.back() = checksumOf(section.first(section.size() - 1));
}

// A byte followed by its bitwise complement.
constexpr bool complementPairHolds(std::uint8_t value, std::uint8_t complement) {
  return value + complement == 255;
}
constexpr std::uint8_t complementOf(std::uint8_t value) { return static_cast<std::uint8_t>(~value); }

}  // namespace orva
