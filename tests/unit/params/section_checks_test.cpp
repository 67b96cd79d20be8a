// Section checks: one corruption per row of default image 1, and exactly
// that section repaired.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/params/Checksum.h"
#include "core/params/DefaultImages.h"
#include "core/params/SectionChecks.h"

namespace orva {
namespace {

struct CorruptionCase {
  const char* name;
  std::function<void(Image&)> corrupt;
  std::vector<Section> repaired;
  // Bytes (image address → value) the repaired sections must hold afterwards.
  std::vector<std::pair<int, int>> expectedBytes;
};

void PrintTo(const CorruptionCase& c, std::ostream* os) { *os << c.name; }

class SectionCheck : public ::testing::TestWithParam<CorruptionCase> {};

TEST_P(SectionCheck, RepairsExactlyTheCorruptSection) {
  const CorruptionCase& c = GetParam();
  const Image clean = *builtInDefaultImage(1);
  Image image = clean;
  c.corrupt(image);

  ParamSections sections;
  sections.takeFrom(image);
  ParamSections untouched = sections;
  EXPECT_EQ(checkSections(sections), c.repaired);
  for (const auto& [address, value] : c.expectedBytes) EXPECT_EQ(sections.at(address), value) << address;
  for (const SectionPlace& s : kSections) {
    if (std::ranges::find(c.repaired, s.id) != c.repaired.end()) continue;
    EXPECT_TRUE(std::ranges::equal(sections.section(s.id), untouched.section(s.id))) << s.name;
  }
  // A repaired image passes the checks as it is.
  EXPECT_TRUE(checkSections(sections).empty());
}

std::vector<std::pair<int, int>> profileFallback() {
  const int codes[9][3] = {{1, 1, 0}, {1, 4, 0}, {1, 2, 0}, {1, 8, 0}, {1, 0x10, 0},
                           {5, 0, 0}, {0x0F, 0, 0}, {2, 8, 7}, {9, 0, 0}};
  std::vector<std::pair<int, int>> bytes;
  for (int p = 0; p < 2; ++p) {
    for (int b = 0; b < 9; ++b) {
      for (int k = 0; k < 3; ++k) bytes.emplace_back(64 + 27 * p + 3 * b + k, codes[b][k]);
    }
  }
  bytes.emplace_back(118, 254);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    DefaultImage1, SectionCheck,
    ::testing::Values(
        CorruptionCase{"Clean", [](Image&) {}, {}, {}},
        CorruptionCase{"ParameterAChecksumOffByOne", [](Image& i) { ++i[47]; }, {Section::ParameterA},
                       {{0, 0xFF}, {1, 0xFE}, {2, 4}, {3, 0}, {4, 0xFF}, {6, 1}, {12, 7}, {22, 0},
                        {24, 255}, {25, 0}, {26, 255}, {29, 0}, {30, 255}, {46, 255}, {47, 121}}},
        CorruptionCase{"ParameterAContentChanged", [](Image& i) { i[10] = 0; }, {Section::ParameterA},
                       {{10, 5}, {47, 121}}},
        CorruptionCase{"ParameterBSecondPairOnly",
                       [](Image& i) { i[48] = 3; i[49] = 252; i[50] = 0; i[51] = 0; },
                       {Section::ParameterB}, {{48, 3}, {49, 252}, {50, 1}, {51, 254}, {52, 0}, {53, 255}}},
        CorruptionCase{"ParameterBFirstPair", [](Image& i) { i[49] = 0; }, {Section::ParameterB},
                       {{48, 1}, {49, 254}, {50, 68}, {51, 187}}},
        CorruptionCase{"ParameterBKeyModePair", [](Image& i) { i[52] = 0x80; i[53] = 0x80; },
                       {Section::ParameterB}, {{52, 0}, {53, 255}}},
        CorruptionCase{"IdentityBytesAreNotChecked", [](Image& i) { i[54] = 1; i[55] = 2; }, {}, {{54, 1}, {55, 2}}},
        CorruptionCase{"ProfileChecksum", [](Image& i) { i[70] ^= 0x40; }, {Section::Profile}, profileFallback()},
        CorruptionCase{"FireKeyChecksum", [](Image& i) { i[248] = 7; }, {Section::FireKey},
                       {{240, 10}, {241, 253}, {242, 2}, {243, 161}, {244, 254}, {245, 3}, {246, 33},
                        {247, 254}, {248, 100}, {249, 252}, {250, 112}}},
        CorruptionCase{"YOffsetComplementIsNotChecked", [](Image& i) { i[177] = 0; }, {}, {{176, 0}, {177, 0}}},
        CorruptionCase{"TwoSectionsAtOnce", [](Image& i) { ++i[47]; ++i[250]; },
                       {Section::ParameterA, Section::FireKey}, {{47, 121}, {250, 112}}}),
    [](const auto& info) { return info.param.name; });

TEST(Checksum, SealsAndComplementsAsTheMouseExpects) {
  std::array<std::uint8_t, 4> section{0x10, 0x20, 0xF0, 0};
  sealChecksum(section);
  EXPECT_EQ(section[3], ((0x10 + 0x20 + 0xF0) % 256) ^ 0x5A);
  EXPECT_TRUE(checksumHolds(section));
  section[0] ^= 1;
  EXPECT_FALSE(checksumHolds(section));
  EXPECT_TRUE(complementPairHolds(0x45, 0xBA));
  EXPECT_FALSE(complementPairHolds(0, 0));
}

}  // namespace
}  // namespace orva
