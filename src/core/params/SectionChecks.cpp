#include "core/params/SectionChecks.h"

#include <algorithm>
#include <array>

#include "core/params/Checksum.h"

namespace orva {

namespace {

// Values a corrupt ParameterA is replaced with (the checksum byte is sealed).
constexpr std::array<std::uint8_t, 47> kParameterAFallback = {
    0xFF,        // every switch on, orientation "0°", LED type bit set
    0xFE,        // middle press off, the other press options, LED bits and smoothing on
    4,           // four DPI levels
    0x00,        // 13 LEDs, half brightness
    0xFF, 0,     // all LED modes
    1, 2, 3, 4, 5, 6, 7,                    // DPI indexes of levels 1..7
    1, 4, 3, 0, 2, 5, 6, 255, 0, 0, 0, 255, 0,  // bytes 13..25
    255, 0, 0,   0, 255, 0,   255, 255, 0,   0, 0, 255,   255, 0, 255,   0, 255, 255,   255, 255, 255,
};

// Fallback key codes of buttons 1..9, for both profiles.
constexpr std::array<std::array<std::uint8_t, 3>, 9> kProfileFallback = {{
    {0x01, 0x01, 0x00}, {0x01, 0x04, 0x00}, {0x01, 0x02, 0x00}, {0x01, 0x08, 0x00}, {0x01, 0x10, 0x00},
    {0x05, 0x00, 0x00}, {0x0F, 0x00, 0x00}, {0x02, 0x08, 0x07}, {0x09, 0x00, 0x00},
}};

constexpr std::array<std::uint8_t, 10> kFireKeyFallback = {10, 253, 2, 161, 254, 3, 33, 254, 100, 252};

// Each complement pair of ParameterB and what replaces it when broken.
struct PairFallback {
  int address;
  std::uint8_t value;
};
constexpr std::array<PairFallback, 3> kParameterBPairs = {{{48, 1}, {50, 1}, {52, 0}}};

}  // namespace

bool CheckParameterASection(ParamSections& sections) {
  const auto a = sections.section(Section::ParameterA);
  if (checksumHolds(a)) return false;
  std::ranges::copy(kParameterAFallback, a.begin());
  sealChecksum(a);
  return true;
}

bool CheckParameterBSection(ParamSections& sections) {
  bool repaired = false;
  for (const PairFallback& pair : kParameterBPairs) {
    if (complementPairHolds(sections.at(pair.address), sections.at(pair.address + 1))) continue;
    sections.at(pair.address) = pair.value;
    sections.at(pair.address + 1) = complementOf(pair.value);
    repaired = true;
  }
  return repaired;
}

bool CheckProfileSection(ParamSections& sections) {
  const auto profile = sections.section(Section::Profile);
  if (checksumHolds(profile)) return false;
  std::ranges::fill(profile, 0xFF);
  for (int p = 0; p < 2; ++p) {
    for (int button = 0; button < 9; ++button) {
      std::ranges::copy(kProfileFallback[button], profile.begin() + kProfileCodesSize * p + kKeyCodeSize * button);
    }
  }
  sealChecksum(profile);
  return true;
}

bool CheckFireKeySection(ParamSections& sections) {
  const auto fireKey = sections.section(Section::FireKey);
  if (checksumHolds(fireKey)) return false;
  std::ranges::copy(kFireKeyFallback, fireKey.begin());
  sealChecksum(fireKey);
  return true;
}

std::vector<Section> checkSections(ParamSections& sections) {
  std::vector<Section> repaired;
  if (CheckParameterASection(sections)) repaired.push_back(Section::ParameterA);
  if (CheckParameterBSection(sections)) repaired.push_back(Section::ParameterB);
  if (CheckProfileSection(sections)) repaired.push_back(Section::Profile);
  if (CheckFireKeySection(sections)) repaired.push_back(Section::FireKey);
  return repaired;
}

}  // namespace orva
