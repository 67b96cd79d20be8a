#pragma once
// Building stored macro data for the tests, independently of the encoder.

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "core/macros/MacroRecord.h"

namespace orva::test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint8_t sumXor5A(const Bytes& bytes) {
  return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u) ^ 0x5A);
}

// Stop mode, length (1 or 2 bytes), content, checksum.
inline Bytes storedBytes(std::uint8_t stop, const Bytes& content, int lengthBytes = 1) {
  const int length = static_cast<int>(content.size()) + 1;
  Bytes covered;
  if (lengthBytes == 2) covered.push_back(static_cast<std::uint8_t>(length >> 8));
  covered.push_back(static_cast<std::uint8_t>(length & 0xFF));
  covered.insert(covered.end(), content.begin(), content.end());
  Bytes stored{stop};
  stored.insert(stored.end(), covered.begin(), covered.end());
  stored.push_back(sumXor5A(covered));
  return stored;
}

template <class Data>
Data dataOf(const Bytes& bytes) {
  Data data{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), data.size()), data.begin());
  return data;
}

template <class Data>
Bytes prefixOf(const Data& data, std::size_t n) {
  return Bytes(data.begin(), data.begin() + n);
}

template <class Data>
bool zeroFrom(const Data& data, std::size_t offset) {
  return std::all_of(data.begin() + offset, data.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace orva::test
