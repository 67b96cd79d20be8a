// Reading a layout text: lookups, accessors and configuration errors.
#include <gtest/gtest.h>

#include <string>

#include "core/skin/LayoutFile.h"
#include "core/skin/LayoutSchema.h"

namespace orva {
namespace {

constexpr std::string_view kSection = "org1";

// A complete layout text: every key read by the program with the value 1,
// then the lines `extra` (a later duplicate never overrides, so overrides go
// first).
std::string layoutText(const std::string& first = {}, std::string_view skip = {}) {
  std::string text = "[org1]\r\n" + first;
  for (const std::string& key : layoutKeys()) {
    if (key != skip) text += key + "=1\r\n";
  }
  return text;
}

TEST(LayoutFile, ReadsValuesWithoutRegardToCase) {
  const LayoutResult result = LoadLayout(layoutText("btn_a2_x = 820\r\nBTN_A2_Y=600\r\n"), kSection);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.layout->value("Btn_A2_X"), 820);
  EXPECT_EQ(result.layout->value("btn_a2_y"), 600);
  EXPECT_EQ(result.layout->position("Btn_A2"), (LayoutPoint{820, 600}));
}

TEST(LayoutFile, CombinesColourKeysAsRedPlus256GreenPlus65536Blue) {
  const LayoutResult result = LoadLayout(
      layoutText("Mouse_Speed_Lable_R=79\r\nMouse_Speed_Lable_G=200\r\nMouse_Speed_Lable_B=255\r\n"),
      kSection);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.layout->colour("Mouse_Speed_Lable"), 0xFFC84Fu);
}

TEST(LayoutFile, EnabledOnlyForOne) {
  const LayoutResult result =
      LoadLayout(layoutText("Key6_Enable=0\r\nKey7_Enable=2\r\nKey8_Enable=1\r\n"), kSection);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_FALSE(result.layout->enabled("Key6"));
  EXPECT_FALSE(result.layout->enabled("Key7"));
  EXPECT_TRUE(result.layout->enabled("Key8"));
}

TEST(LayoutFile, KnowsOnlyTheKeysItReads) {
  const LayoutResult result = LoadLayout(layoutText("Size_M=12\r\nSomething=3\r\n"), kSection);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.layout->find("Size_M"), std::nullopt);
  EXPECT_EQ(result.layout->find("Something"), std::nullopt);
  EXPECT_EQ(result.layout->value("Something"), 0);
}

struct BrokenLayout {
  const char* name;
  std::string text;
  const char* error;
};

class LayoutError : public ::testing::TestWithParam<BrokenLayout> {};

TEST_P(LayoutError, NamesTheKey) {
  const LayoutResult result = LoadLayout(GetParam().text, kSection);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutError,
    ::testing::Values(
        BrokenLayout{"MissingKey", layoutText({}, "DPI7_Check_Y"),
                     "Layout org1: the key DPI7_Check_Y is missing"},
        BrokenLayout{"MissingFirstKey", layoutText({}, "Size_A"),
                     "Layout org1: the key Size_A is missing"},
        BrokenLayout{"NotAnInteger", layoutText("Spd_D=2x6\r\n"),
                     "Layout org1: the key Spd_D has the value \"2x6\", which is not a decimal integer"},
        BrokenLayout{"EmptyValue", layoutText("M_L_W=\r\n"),
                     "Layout org1: the key M_L_W has the value \"\", which is not a decimal integer"},
        BrokenLayout{"Hexadecimal", layoutText("Color_A_R=0xFF\r\n"),
                     "Layout org1: the key Color_A_R has the value \"0xFF\", which is not a decimal "
                     "integer"},
        BrokenLayout{"OtherSection", "[org2]\r\nSize_A=1\r\n",
                     "Layout: there is no section [org1]"},
        // A Chinese comment line never counts as a key.
        BrokenLayout{"CommentIsNoKey", "[org1]\r\n//Size_A=1\r\n",
                     "Layout org1: the key Size_A is missing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutFile, RefusesAnIndexWithoutLayout) {
  EXPECT_FALSE(LoadLayout(0).ok());
  EXPECT_FALSE(LoadLayout(kLayoutCount + 1).ok());
  EXPECT_EQ(LoadLayout(4).error, "Layout: there is no layout 4");
}

}  // namespace
}  // namespace orva
