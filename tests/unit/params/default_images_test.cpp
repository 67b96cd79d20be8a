// The three built-in default images, checked byte for byte against the
// shipped defaults written out here by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/params/Checksum.h"
#include "core/params/ImageLayout.h"
#include "core/resources/Resources.h"

namespace orva {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::span<const std::uint8_t> defaultImage(int number) {
  const auto found = findResource("ORVA31XData_Cfg" + std::to_string(number));
  return found ? *found : std::span<const std::uint8_t>{};
}

Bytes slice(std::span<const std::uint8_t> image, int offset, int length) {
  const auto part = image.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  return Bytes(part.begin(), part.end());
}

class DefaultImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int n = 1; n <= 3; ++n) {
      images[n - 1] = defaultImage(n);
      ASSERT_EQ(images[n - 1].size(), static_cast<std::size_t>(kImageSize)) << "image " << n;
    }
  }
  std::array<std::span<const std::uint8_t>, 3> images;
};

TEST(DefaultImageResources, AreFoundRegardlessOfCase) {
  const auto exact = findResource("ORVA31XData_Cfg1");
  ASSERT_TRUE(exact);
  for (const char* name : {"orva31xdata_cfg1", "ORVA31XDATA_CFG1", "Orva31xData_cfg1"}) {
    const auto found = findResource(name);
    ASSERT_TRUE(found) << name;
    EXPECT_EQ(found->data(), exact->data()) << name;
  }
  EXPECT_FALSE(findResource("ORVA31XData_Cfg4"));
}

struct Row {
  int offset;
  Bytes bytes;
  const char* what;
};

// Image 1, bytes 0..255, every value derived by hand from the default settings.
const std::vector<Row> kFirstImageParameters = {
    // B4+CPI off, fire on left button, LCPI on, remember key mode, sensor 270 ° (code 1), flowing LED.
    {0, {0x14}, "ParameterA switches"},
    // No long presses; LED bits 3 and 4 set; smoothing on; bits 6, 7 set.
    {1, {0xF8}, "ParameterA LED type and presses"},
    {2, {6}, "DPI level count"},
    // Full brightness (bit 3), 10 LEDs (13 - 10 = 3 in the high nibble).
    {3, {0x38}, "LED brightness and count"},
    {4, {0xFF}, "LED modes"},
    {5, {0x00}, "ParameterA byte 5"},
    {6, {1, 4, 6, 7, 9, 10, 7}, "DPI indexes"},
    {13, {1, 4, 3, 0, 2, 5, 6, 255, 0, 127, 255, 255, 255}, "ParameterA bytes 13..25"},
    {26,
     {0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 0, 255, 255, 255, 255, 0, 255, 255, 255},
     "DPI colours"},
    {47, {163}, "ParameterA seal"},
    // DPI level 2, LED mode 4 step 2 flash on (0x44), key mode 1, generic identity.
    {48, {0x01, 0xFE, 0x44, 0xBB, 0x00, 0xFF, 0xFF, 0xFF}, "ParameterB"},
    {56, {0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}, "reserved 56..63"},
    {64, {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
          0x00, 0x05, 0x00, 0x00, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x06, 0x00, 0xF0},
     "profile 1"},
    {91, {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
          0x00, 0x05, 0x00, 0x00, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x06, 0x00, 0xF0},
     "profile 2"},
    {118, {6}, "Profile seal"},
    {119, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x99}, "reserved 119..127"},
    {128, {0x0E, 0x05, 0x01, 0x0E, 0x05, 0x19, 0x0E, 0x05, 0x31, 0x0E, 0x05, 0x49, 0x0E, 0x05, 0x61,
           0x0E, 0x05, 0x79, 0x0E, 0x05, 0x91, 0x0E, 0x05, 0xA9, 0x0E, 0x05, 0xC1, 0x0E, 0x05, 0xD9},
     "FireMacroKeys"},
    {158, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF,
           0xFF, 0xFD, 0xFF},
     "reserved 158..175"},
    {176, {0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255}, "YOffsets"},
    {196, {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF}, "reserved 196..207"},
    {208, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 255, 0, 255,
           0, 255, 255, 255, 128, 0, 255, 0, 128, 0, 255, 128, 255, 255, 255},
     "FireMacroColors"},
    {238, {0xFF, 0xFF}, "reserved 238, 239"},
    // Three shots: left down, 24 ms, left up, 48 ms.
    {240, {10, 0xFD, 2, 0xA1, 0xFE, 3, 0x21, 0xFE, 6, 0xFC, 150}, "FireKey with its seal"},
    {251, {0xFF, 0xFD, 0xFF, 0xFF, 0xFF}, "reserved 251..255"},
};

TEST_F(DefaultImagesTest, FirstImageHoldsTheDefaultParameters) {
  int next = 0;
  for (const Row& row : kFirstImageParameters) {
    ASSERT_EQ(row.offset, next) << "the rows must cover bytes 0..255 in order, at " << row.what;
    EXPECT_EQ(slice(images[0], row.offset, static_cast<int>(row.bytes.size())), row.bytes) << row.what;
    next = row.offset + static_cast<int>(row.bytes.size());
  }
  EXPECT_EQ(next, 256);
}

TEST_F(DefaultImagesTest, SealedSectionsHoldInEveryImage) {
  for (int n = 1; n <= 3; ++n) {
    for (const Area& area : {kParameterA, kProfile, kFireKey}) {
      EXPECT_TRUE(checksumHolds(images[n - 1].subspan(static_cast<std::size_t>(area.offset),
                                                      static_cast<std::size_t>(area.length))))
          << "image " << n << " section at " << area.offset;
    }
  }
}

TEST_F(DefaultImagesTest, OtherImagesDifferOnlyInSwitchesAndLedState) {
  EXPECT_TRUE(std::ranges::equal(images[1], images[2]));
  // B4+CPI on with sensor 180 ° (code 4); LED mode 2 step 2; ParameterA resealed.
  const std::vector<std::pair<int, std::uint8_t>> expected = {{0, 69}, {47, 112}, {50, 66}, {51, 189}};
  std::vector<std::pair<int, std::uint8_t>> differences;
  for (int i = 0; i < kImageSize; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (images[1][at] != images[0][at]) differences.emplace_back(i, images[1][at]);
  }
  EXPECT_EQ(differences, expected);
}

struct FireBlock {
  std::uint8_t shotsMinusOne;
  std::uint8_t pullDown;
  std::uint8_t pause;
  std::uint8_t checksum;  // by hand: (12 + content) mod 256 XOR 0x5A
};

// AKM, M16, M4, UMP9, SCAR-L, 5.56 mm phases 1-2, 7.62 mm phases 1-3.
const std::array<FireBlock, 10> kFireBlocks = {{
    {29, 6, 12, 0xB3}, {2, 3, 9, 0x92}, {29, 4, 10, 0xBF}, {24, 3, 11, 0xBA}, {19, 5, 11, 0x87},
    {9, 3, 10, 0x8A}, {19, 5, 10, 0x86}, {4, 4, 12, 0x94}, {9, 6, 12, 0x8F}, {14, 8, 12, 0x86},
}};

TEST_F(DefaultImagesTest, FireMacroDirectoryHoldsTenBursts) {
  for (int n = 1; n <= 3; ++n) {
    const auto image = images[n - 1];
    for (std::size_t i = 0; i < kFireBlocks.size(); ++i) {
      const FireBlock& b = kFireBlocks[i];
      Bytes expected = {1,    12,   0xFD, b.shotsMinusOne, 0xA1, 0xFB, 0x00, 0xFA, b.pullDown,
                        0xFE, b.pause, 0x21, 0xFC, b.checksum};
      expected.resize(24, 0);
      const int offset = 1280 + 24 * static_cast<int>(i);
      const Bytes block = slice(image, offset, 24);
      EXPECT_EQ(block, expected) << "image " << n << " fire macro " << i + 1;
      // Length byte, content and checksum form a sealed run.
      EXPECT_TRUE(checksumHolds(std::span(block).subspan(1, 13))) << "image " << n << " fire macro " << i + 1;
    }
    EXPECT_EQ(slice(image, 1520, 16), Bytes(16, 0xFF)) << "image " << n << " spare directory bytes";
  }
}

TEST_F(DefaultImagesTest, MacroSlotsAreEmpty) {
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(slice(images[n - 1], 256, 1024), Bytes(1024, 0)) << "image " << n << " slots 1..4";
    EXPECT_EQ(slice(images[n - 1], 1536, 512), Bytes(512, 0)) << "image " << n << " slots 5, 6";
  }
}

}  // namespace
}  // namespace orva
