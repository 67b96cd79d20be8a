#include "core/params/ParamSections.h"

#include <algorithm>
#include <cassert>

namespace orva {

namespace {

int workingOffset(int address) {
  for (const SectionPlace& s : kSections) {
    if (s.image.contains(address)) return s.working + (address - s.image.offset);
  }
  assert(false && "address outside the parameter sections");
  return 0;
}

}  // namespace

std::span<std::uint8_t> ParamSections::section(Section id) {
  const SectionPlace& s = sectionPlace(id);
  return std::span(bytes_).subspan(s.working, s.image.length);
}

std::span<const std::uint8_t> ParamSections::section(Section id) const {
  const SectionPlace& s = sectionPlace(id);
  return std::span(bytes_).subspan(s.working, s.image.length);
}

std::uint8_t& ParamSections::at(int address) { return bytes_[workingOffset(address)]; }
std::uint8_t ParamSections::at(int address) const { return bytes_[workingOffset(address)]; }

void ParamSections::takeFrom(const Image& image, Section id) {
  const SectionPlace& s = sectionPlace(id);
  std::copy_n(image.begin() + s.image.offset, s.image.length, bytes_.begin() + s.working);
}

void ParamSections::takeFrom(const Image& image) {
  for (const SectionPlace& s : kSections) takeFrom(image, s.id);
}

void ParamSections::copyTo(Image& image, Section id) const {
  const SectionPlace& s = sectionPlace(id);
  std::copy_n(bytes_.begin() + s.working, s.image.length, image.begin() + s.image.offset);
}

}  // namespace orva
