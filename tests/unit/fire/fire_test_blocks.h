#pragma once
// Blocks shared by the fire tests.

#include <cstdint>
#include <initializer_list>

#include "core/fire/FireMacroBlock.h"

namespace orva::fire::test {

// The leading bytes of a block; the rest zero.
inline FireMacroBlock blockOf(std::initializer_list<std::uint8_t> bytes) {
  FireMacroBlock block{};
  std::size_t i = 0;
  for (const std::uint8_t b : bytes) block[i++] = b;
  return block;
}

// Five shots, no X, Y 10, 96 ms pause, stop on release: L = 12, checksum 0x8E.
inline const FireMacroBlock kBurst =
    blockOf({0x01, 0x0C, 0xFD, 0x04, 0xA1, 0xFB, 0x00, 0xFA, 0x0A, 0xFE, 0x0C, 0x21, 0xFC, 0x8E});

}  // namespace orva::fire::test
