#pragma once
// Where everything lies in the 2048-byte parameter image (DataBuf), whose
// offsets are the addresses of the mouse's parameter memory.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/device/Commands.h"

namespace orva {

using Image = std::array<std::uint8_t, kImageSize>;

struct Area {
  int offset;
  int length;
  constexpr int end() const { return offset + length; }
  constexpr bool contains(int address) const { return address >= offset && address < end(); }
};

// The areas in address order.
inline constexpr Area kParameterA{0, 48};
inline constexpr Area kParameterB{48, 8};
inline constexpr Area kReserved56{56, 8};
inline constexpr Area kProfile{64, 55};
inline constexpr Area kReserved119{119, 9};
inline constexpr Area kFireMacroKeys{128, 30};
inline constexpr Area kReserved158{158, 18};
inline constexpr Area kYOffsets{176, 20};
inline constexpr Area kReserved196{196, 12};
inline constexpr Area kFireMacroColors{208, 30};
inline constexpr Area kReserved238{238, 2};
inline constexpr Area kFireKey{240, 11};
inline constexpr Area kReserved251{251, 4};
inline constexpr Area kReserved255{255, 1};
inline constexpr Area kMacroAreaLow{256, 1024};       // device macro slots 1..4
inline constexpr Area kFireMacroDirectory{1280, 256};  // ten fire-macro blocks and 16 spare bytes
inline constexpr Area kMacroAreaHigh{1536, 512};      // device macro slots 5 and 6

inline constexpr std::array kImageAreas = {
    kParameterA,  kParameterB,  kReserved56,      kProfile,      kReserved119,
    kFireMacroKeys, kReserved158, kYOffsets,      kReserved196,  kFireMacroColors,
    kReserved238, kFireKey,     kReserved251,     kReserved255,  kMacroAreaLow,
    kFireMacroDirectory, kMacroAreaHigh};

constexpr bool areasTileTheImage() {
  int next = 0;
  for (const Area& a : kImageAreas) {
    if (a.offset != next || a.length <= 0) return false;
    next = a.end();
  }
  return next == kImageSize;
}
static_assert(areasTileTheImage(), "the areas must cover the image without gap or overlap");

// The parameter write moves image bytes 0..254.
inline constexpr int kParameterWriteLength = 255;

// Fire-macro directory: ten blocks of 24 bytes.
inline constexpr int kFireMacroCount = 10;
inline constexpr int kFireMacroBlockSize = 24;
static_assert(kFireMacroCount * kFireMacroBlockSize <= kFireMacroDirectory.length);

// Profile: nine 3-byte key-function codes per profile, profile 1 first,
// then the checksum.
inline constexpr int kKeyCodeSize = 3;
inline constexpr int kProfileCodesSize = 9 * kKeyCodeSize;
static_assert(2 * kProfileCodesSize + 1 == kProfile.length);

// Image addresses of the fields of ParameterA, ParameterB and FireKey.
inline constexpr int kSwitches = 0;      // bits 0..3 switches, 4..6 orientation, 7 LED type
inline constexpr int kPressOptions = 1;  // bits 0..2 long presses, 3..4 LED type, 5 smoothing
inline constexpr int kDpiCount = 2;
inline constexpr int kLedLook = 3;       // bit 3 full brightness, bits 4..7 = 13 − LED count
inline constexpr int kLedModes = 4;      // bit 0 always set, bits 1..7 streamer modes
inline constexpr int kDpiIndexes = 6;    // 6..12, one per level
inline constexpr int kDpiColors = 26;    // 26..46, R G B per level
inline constexpr int kCurrentDpi = 48;   // with its complement
inline constexpr int kLedState = 50;     // bits 0..2 mode, 3 key flash off, 5..7 step; with complement
inline constexpr int kKeyMode = 52;      // bit 7; with complement
inline constexpr int kManufacturerIdAddress = 54;
inline constexpr int kProductIdAddress = 55;
inline constexpr int kFireCount = 242;     // shots − 1, 255 = endless
inline constexpr int kFireInterval = 248;  // pause in 8 ms units

// The seven parameter sections, in the order of the 202-byte working copy.
enum class Section { ParameterA, ParameterB, Profile, FireMacroKeys, YOffsets, FireMacroColors, FireKey };

struct SectionPlace {
  Section id;
  std::string_view name;
  Area image;
  int working;  // offset in ParamSections
};

inline constexpr std::array<SectionPlace, 7> kSections = {{
    {Section::ParameterA, "ParameterA", kParameterA, 0},
    {Section::ParameterB, "ParameterB", kParameterB, 48},
    {Section::Profile, "Profile", kProfile, 56},
    {Section::FireMacroKeys, "FireMacroKeys", kFireMacroKeys, 111},
    {Section::YOffsets, "YOffsets", kYOffsets, 141},
    {Section::FireMacroColors, "FireMacroColors", kFireMacroColors, 161},
    {Section::FireKey, "FireKey", kFireKey, 191},
}};
inline constexpr int kParamSectionsSize = 202;

constexpr bool sectionsLieEndToEnd() {
  int next = 0;
  for (const SectionPlace& s : kSections) {
    if (s.working != next) return false;
    next += s.image.length;
  }
  return next == kParamSectionsSize;
}
static_assert(sectionsLieEndToEnd(), "the working copy holds the sections end to end");

constexpr const SectionPlace& sectionPlace(Section id) { return kSections[static_cast<int>(id)]; }

}  // namespace orva
