// Every skin picture is built in under its exact name, as a PNG of its
// exact size. Sizes are read from the PNG header (IHDR: width and height as
// big-endian 32-bit numbers at bytes 16..23).
#include "core/resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orva {
namespace {

struct PictureCase {
  const char* name;
  std::uint32_t width;
  std::uint32_t height;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

// Language 3 gets full-size pictures instead of the 23 x 4 placeholders,
// the same sizes as languages 1 and 2.
const std::vector<PictureCase> kPictures = {
    {"L1_BackGround", 1030, 662}, {"L2_BackGround", 1030, 662}, {"L3_BackGround", 1030, 662},
    {"L1_Back1", 600, 400},       {"L2_Back1", 600, 400},       {"L3_Back1", 600, 400},
    {"L1_Back2", 800, 378},       {"L1_Back3", 800, 378},       {"L1_Back4", 800, 378},
    {"L2_Back2", 800, 378},       {"L2_Back3", 800, 378},       {"L2_Back4", 800, 378},
    {"L3_Back2", 800, 378},       {"L3_Back3", 800, 378},       {"L3_Back4", 800, 378},
    {"L1_Back5", 720, 650},       {"L2_Back5", 720, 650},       {"L3_Back5", 720, 650},
    {"L1_BACK6", 800, 374},       {"L2_BACK6", 800, 374},
    {"BtnS_01", 110, 27},         {"BtnS_02", 110, 27},         {"BtnS_03", 110, 27},
    {"SetS_01", 110, 27},         {"SetS_02", 110, 27},         {"SetS_03", 110, 27},
    {"Lang_01", 110, 27},         {"Lang_02", 110, 27},         {"Lang_03", 110, 27},
    {"KeyS_01", 200, 27},         {"KeyS_02", 200, 27},         {"KEYS_03", 170, 27},
    {"ExitS_01", 22, 22},         {"ExitS_02", 22, 22},         {"ExitS_03", 22, 22},
    {"MiniS_01", 22, 22},         {"MiniS_02", 22, 22},         {"MINIS_03", 22, 22},
    {"WebS_01", 200, 66},         {"WebS_02", 200, 66},         {"WebS_03", 200, 66},
    {"MacroS_01", 113, 28},       {"MacroS_02", 113, 28},       {"MacroS_03", 113, 28},
    {"MacroS_04", 113, 28},
    {"MacroBtnS_01", 44, 27},     {"MacroBtnS_02", 44, 27},     {"MacroBtnS_03", 44, 27},
    {"InsertDelayBase", 207, 162}, {"InsertKeyBase", 207, 162}, {"INSERTXYBASE", 207, 162},
    {"CbS_D", 19, 19},            {"CbS_E", 19, 19},
    {"RdS_D", 15, 15},            {"RdS_E", 15, 15},
    {"Col_F", 18, 18},
    {"Bar1_D", 26, 18},           {"Bar1_E", 26, 18},
    {"BAR2_D", 20, 18},           {"BAR2_E", 20, 18},
    {"Slider_Thumb", 25, 25},     {"Slider_Ruler", 25, 25},
    {"Gun1_01", 120, 56},         {"Gun2_01", 120, 56},         {"Gun3_01", 120, 56},
    {"Gun4_01", 120, 56},         {"Gun5_01", 120, 56},         {"Gun6_01", 120, 56},
    {"Gun7_01", 120, 56},
    {"Gun1_02", 120, 56},         {"Gun2_02", 120, 56},         {"Gun3_02", 120, 56},
    {"Gun4_02", 120, 56},         {"Gun5_02", 120, 56},         {"Gun6_02", 120, 56},
    {"Gun7_02", 120, 56},
    {"GunMode1", 42, 42},         {"GunMode2", 52, 52},         {"GunMode3", 42, 42},
    {"GunMode4", 52, 52},         {"GunMode5", 62, 62},
    {"Msg", 1000, 660},
};

constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::size_t kHeaderEnd = 24;

std::uint32_t bigEndian(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The embedded resource spelled exactly so (lookups ignore case, the file
// names keep the table's spelling).
std::optional<EmbeddedResource> exactly(std::string_view name) {
  const auto all = embeddedResources();
  const auto it = std::find_if(all.begin(), all.end(), [&](const EmbeddedResource& r) { return r.name == name; });
  if (it == all.end()) return std::nullopt;
  return *it;
}

class SkinPictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(SkinPictureTest, IsEmbeddedUnderItsNameWithItsSize) {
  const PictureCase& c = GetParam();
  const auto picture = exactly(c.name);
  ASSERT_TRUE(picture.has_value()) << c.name << " is not embedded under that spelling";
  ASSERT_GE(picture->size, kHeaderEnd);
  ASSERT_TRUE(std::equal(kPngSignature.begin(), kPngSignature.end(), picture->data)) << "not a PNG";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(picture->data + 12), 4), "IHDR");
  EXPECT_EQ(bigEndian(picture->data + 16), c.width);
  EXPECT_EQ(bigEndian(picture->data + 20), c.height);
}

TEST_P(SkinPictureTest, IsFoundWhateverTheCase) {
  const PictureCase& c = GetParam();
  std::string upper = c.name;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char ch) { return char(std::toupper(ch)); });
  const auto found = findResource(upper);
  ASSERT_TRUE(found.has_value()) << upper;
  const auto picture = exactly(c.name);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(found->data(), picture->data);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinPictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
