#pragma once
// What Confirm on the fire page writes to the mouse, built from the working
// copies: the ten key slots (their type from each block's stop mode), the
// Y offsets each followed by its complement, the colours, and the
// directory with the ten working blocks in place.

#include <array>
#include <cstdint>
#include <span>

#include "core/fire/FireMacroBlock.h"
#include "core/params/ImageLayout.h"
#include "core/params/ParamModel.h"
#include "core/params/ParamSections.h"

namespace orva::fire {

using FireDirectory = std::array<std::uint8_t, kFireMacroDirectory.length>;

struct FireAreaWrite {
  int address;
  std::span<const std::uint8_t> bytes;
};

struct FireConfirmData {
  std::array<std::uint8_t, kFireMacroKeys.length> FireMacroKeys{};
  std::array<std::uint8_t, kYOffsets.length> YOffsets{};
  std::array<std::uint8_t, kFireMacroColors.length> FireMacroColors{};
  FireDirectory directory{};

  // The four block writes in their order; the spans point into this object.
  std::array<FireAreaWrite, 4> writes() const;

  // Keeps the parameter sections in step, so that a later Apply writes the
  // same key slots, offsets and colours.
  void copyTo(ParamSections& sections) const;
};

// Y offsets (-128..127) and colours (0..255) come from the model, clamped
// to their ranges; the directory's bytes after the ten blocks are carried.
FireConfirmData makeFireConfirmData(const FireMacroBlocks& blocks, const FireDirectory& directory,
                                    const ParamModel& model);

}  // namespace orva::fire
