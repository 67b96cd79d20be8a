// Writes the three default parameter images the program embeds:
//   orva_make_default_images OUTDIR
// gives OUTDIR/ORVA31XData_Cfg1.bin .. ORVA31XData_Cfg3.bin, 2048 bytes each.
// Image 1 is what the program shows without a mouse; images 2 and 3 start
// with B4+CPI on, the sensor turned 180 ° and LED mode 2.
// The images are built at compile time, so a field placed past the end of its
// area, or a seal that drifts from the shipped value, stops the build.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>

#include "core/io/FileIo.h"
#include "core/params/Checksum.h"
#include "core/params/ImageLayout.h"

namespace {

using namespace orva;
using Byte = std::uint8_t;

constexpr std::span<Byte> bytesOf(Image& image, const Area& area) {
  return std::span<Byte>(image).subspan(static_cast<std::size_t>(area.offset),
                                        static_cast<std::size_t>(area.length));
}

// Writes `bytes` at position `at` of `area`.
constexpr void put(Image& image, const Area& area, int at, std::span<const Byte> bytes) {
  if (at < 0 || at + static_cast<int>(bytes.size()) > area.length)
    throw std::out_of_range("field runs past its area");
  std::ranges::copy(bytes, bytesOf(image, area).begin() + at);
}
constexpr void put(Image& image, const Area& area, int at, std::initializer_list<Byte> bytes) {
  put(image, area, at, std::span<const Byte>(bytes.begin(), bytes.size()));
}

constexpr Byte flag(bool on, int bit) { return on ? static_cast<Byte>(1u << bit) : Byte{0}; }

// Sensor orientation codes of ParameterA byte 0 bits 4..6.
constexpr int kOrientation180 = 4;
constexpr int kOrientation270 = 1;

struct GlobalSwitches {
  bool b4Cpi = false;
  bool fireWithFn = false;
  bool lCpi = false;
  bool alwaysStartInKeyMode1 = false;
  int orientation = 0;
  bool ledOtherThanFlowing = false;
};

constexpr Byte switchesByte(const GlobalSwitches& s) {
  return static_cast<Byte>(flag(s.b4Cpi, 0) | flag(s.fireWithFn, 1) | flag(s.lCpi, 2) |
                           flag(s.alwaysStartInKeyMode1, 3) | (s.orientation << 4) |
                           flag(s.ledOtherThanFlowing, 7));
}

// ParameterB byte 50: LED mode number, key-flash LED off, speed step.
constexpr Byte ledStateByte(int mode, bool keyFlashOff, int step) {
  return static_cast<Byte>(mode | flag(keyFlashOff, 3) | (step << 5));
}

constexpr void putParameterA(Image& image) {
  put(image, kParameterA, 0, {switchesByte({.lCpi = true, .orientation = kOrientation270})});
  // No long presses; LED type bits 3 and 4 set (with byte 0 bit 7 clear: flowing LED);
  // smoothing on; bits 6 and 7 unused but set.
  put(image, kParameterA, 1,
      {static_cast<Byte>(flag(true, 3) | flag(true, 4) | flag(true, 5) | flag(true, 6) | flag(true, 7))});
  put(image, kParameterA, 2, {6});  // DPI levels in use
  constexpr int kLedCount = 10;
  put(image, kParameterA, 3, {static_cast<Byte>(flag(true, 3) /* full brightness */ | (13 - kLedCount) << 4)});
  put(image, kParameterA, 4, {0xFF});  // bit 0 always set, LED modes 1..7 enabled
  put(image, kParameterA, 5, {0});
  // DPI of levels 1..7 as indexes into 500, 800, 1000, 1200, 1600, 2000, 2400, 3200, ...
  put(image, kParameterA, 6, {1, 4, 6, 7, 9, 10, 7});
  // Not edited by the program; carried as shipped.
  put(image, kParameterA, 13, {1, 4, 3, 0, 2, 5, 6, 255, 0, 127, 255, 255, 255});
  // Colours of DPI levels 1..7.
  put(image, kParameterA, 26,
      {0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 0, 255, 255, 255, 255, 0, 255, 255, 255});
}

constexpr void putParameterB(Image& image, Byte ledState) {
  constexpr Byte kDpiLevel2 = 1;
  constexpr Byte kKeyMode1 = 0;
  constexpr Byte kGenericIdentity = 255;
  put(image, kParameterB, 0,
      {kDpiLevel2, complementOf(kDpiLevel2), ledState, complementOf(ledState), kKeyMode1,
       complementOf(kKeyMode1), kGenericIdentity, kGenericIdentity});
}

constexpr void putProfiles(Image& image) {
  // Key-function codes of buttons 1..9; button 9 plays the FireKey block at 0x00F0.
  constexpr std::array<Byte, 27> kButtons = {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00,
                                             0x01, 0x08, 0x00, 0x01, 0x10, 0x00, 0x05, 0x00, 0x00,
                                             0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x06, 0x00, 0xF0};
  put(image, kProfile, 0, kButtons);
  put(image, kProfile, static_cast<int>(kButtons.size()), kButtons);
}

// Bytes the mouse keeps for itself; the program carries them unchanged.
constexpr void putReserved(Image& image) {
  for (const Area& area : {kReserved56, kReserved119, kReserved158, kReserved196, kReserved238,
                           kReserved251, kReserved255})
    std::ranges::fill(bytesOf(image, area), Byte{0xFF});
  put(image, kReserved56, 4, {0xFE});
  put(image, kReserved119, 1, {0xFE});
  put(image, kReserved119, 7, {0xFE, 0x99});
  put(image, kReserved158, 10, {0xFE});
  put(image, kReserved158, 16, {0xFD});
  put(image, kReserved196, 2, {0xFE});
  put(image, kReserved196, 8, {0xFD});
  put(image, kReserved251, 1, {0xFD});
}

// One burst of left clicks pulling the aim down.
struct FireMacro {
  Byte shotsMinusOne;
  Byte pullDown;  // 0..127 per shot
  Byte pause;     // between shots, in 8 ms units
};

// AKM, M16, M4, UMP9, SCAR-L, the two phases of 5.56 mm, the three of 7.62 mm.
constexpr std::array<FireMacro, kFireMacroCount> kFireMacros = {{
    {29, 6, 12}, {2, 3, 9}, {29, 4, 10}, {24, 3, 11}, {19, 5, 11},
    {9, 3, 10}, {19, 5, 10}, {4, 4, 12}, {9, 6, 12}, {14, 8, 12},
}};

constexpr Byte kStopOnRelease = 1;
constexpr Byte kStopOnReleaseKeyType = 0x0E;

constexpr Area fireMacroBlock(int index) {
  return {kFireMacroDirectory.offset + index * kFireMacroBlockSize, kFireMacroBlockSize};
}

// Stop mode, length (content + 1), content, checksum of length and content.
constexpr void putFireMacroBlock(Image& image, int index, const FireMacro& m) {
  const std::array<Byte, 11> content = {0xFD, m.shotsMinusOne, 0xA1, 0xFB, 0x00, 0xFA,
                                        m.pullDown, 0xFE, m.pause, 0x21, 0xFC};
  const Area block = fireMacroBlock(index);
  put(image, block, 0, {kStopOnRelease, static_cast<Byte>(content.size() + 1)});
  put(image, block, 2, content);
  sealChecksum(bytesOf(image, block).subspan(1, content.size() + 2));
}

constexpr void putFireMacros(Image& image) {
  for (int i = 0; i < kFireMacroCount; ++i) {
    putFireMacroBlock(image, i, kFireMacros[static_cast<std::size_t>(i)]);
    // The key slot addresses the block's length byte.
    const int lengthAddress = fireMacroBlock(i).offset + 1;
    put(image, kFireMacroKeys, 3 * i,
        {kStopOnReleaseKeyType, static_cast<Byte>(lengthAddress >> 8), static_cast<Byte>(lengthAddress & 0xFF)});
    put(image, kYOffsets, 2 * i, {0, complementOf(0)});
  }
  const int spare = kFireMacroCount * kFireMacroBlockSize;
  std::ranges::fill(bytesOf(image, kFireMacroDirectory).subspan(static_cast<std::size_t>(spare)), Byte{0xFF});
  put(image, kFireMacroColors, 0,
      {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 255, 0, 255,
       0, 255, 255, 255, 128, 0, 255, 0, 128, 0, 255, 128, 255, 255, 255});
}

// Three shots of 24 ms press and 48 ms pause.
constexpr void putFireKey(Image& image) {
  put(image, kFireKey, 0, {10, 0xFD, 2, 0xA1, 0xFE, 3, 0x21, 0xFE, 6, 0xFC});
}

constexpr void sealSections(Image& image) {
  sealChecksum(bytesOf(image, kParameterA));
  sealChecksum(bytesOf(image, kProfile));
  sealChecksum(bytesOf(image, kFireKey));
}

// Macro slots stay empty (all zero).
constexpr Image firstImage() {
  Image image{};
  putParameterA(image);
  putParameterB(image, ledStateByte(4, false, 2));
  putProfiles(image);
  putReserved(image);
  putFireMacros(image);
  putFireKey(image);
  sealSections(image);
  return image;
}

constexpr Image alternativeImage() {
  Image image = firstImage();
  put(image, kParameterA, 0, {switchesByte({.b4Cpi = true, .lCpi = true, .orientation = kOrientation180})});
  const Byte ledState = ledStateByte(2, false, 2);
  put(image, kParameterB, 2, {ledState, complementOf(ledState)});
  sealSections(image);
  return image;
}

constexpr Image kFirstImage = firstImage();
constexpr Image kAlternativeImage = alternativeImage();

constexpr Byte sealOf(const Image& image, const Area& area) {
  return image[static_cast<std::size_t>(area.end() - 1)];
}
static_assert(sealOf(kFirstImage, kParameterA) == 163);
static_assert(sealOf(kFirstImage, kProfile) == 6);
static_assert(sealOf(kFirstImage, kFireKey) == 150);
static_assert(sealOf(kAlternativeImage, kParameterA) == 112);

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    std::fprintf(stderr, "cannot create %s: %s\n", outDir.string().c_str(), ec.message().c_str());
    return 1;
  }
  const std::array<const Image*, 3> images = {&kFirstImage, &kAlternativeImage, &kAlternativeImage};
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::filesystem::path path = outDir / ("ORVA31XData_Cfg" + std::to_string(i + 1) + ".bin");
    std::string error;
    if (!writeFileAtomically(path, *images[i], error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
