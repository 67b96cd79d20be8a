#pragma once
// The working copy of the seven parameter sections (202 bytes, end to end).
// Checks, decoding and encoding run on it; the cycles move it to and from
// the image.

#include <array>
#include <cstdint>
#include <span>

#include "core/params/ImageLayout.h"

namespace orva {

class ParamSections {
 public:
  std::span<std::uint8_t> section(Section id);
  std::span<const std::uint8_t> section(Section id) const;

  // The byte that holds image address `address`, which must lie in one of
  // the sections; lets the rules speak of image bytes ("byte 50").
  std::uint8_t& at(int address);
  std::uint8_t at(int address) const;

  // Copies every section out of an image, or one section back into it.
  void takeFrom(const Image& image);
  void takeFrom(const Image& image, Section id);
  void copyTo(Image& image, Section id) const;

  bool operator==(const ParamSections&) const = default;

 private:
  std::array<std::uint8_t, kParamSectionsSize> bytes_{};
};

}  // namespace orva
