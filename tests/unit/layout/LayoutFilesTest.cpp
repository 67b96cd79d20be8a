// The shipped layout files: format, key set and the values the program's
// behaviour depends on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/skin/IniFile.h"
#include "core/skin/LayoutFile.h"
#include "core/skin/LayoutSchema.h"
#include "unit/layout/ShippedLayouts.h"

namespace orva {
namespace {

using test::shippedLayout;
using test::shippedLayoutText;

class ShippedLayoutFile : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedLayoutFile, ::testing::Values(1, 2, 3));

TEST_P(ShippedLayoutFile, Loads) {
  const LayoutResult result = LoadLayout(GetParam());
  EXPECT_TRUE(result.ok()) << result.error;
}

TEST_P(ShippedLayoutFile, HasOneSectionNamedLikeTheResource) {
  const IniFile ini = IniFile::parse(shippedLayoutText(GetParam()));
  const std::vector<std::string> expected{"org" + std::to_string(GetParam())};
  EXPECT_EQ(ini.sectionNames(), expected);
}

TEST_P(ShippedLayoutFile, EndsEveryLineWithCrLf) {
  const std::string_view text = shippedLayoutText(GetParam());
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(text.ends_with("\r\n"));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
    }
    if (text[i] == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
    }
  }
}

// The file holds the keys the program reads and the unused ones, each once,
// in the order of the schema and nothing else.
TEST_P(ShippedLayoutFile, HoldsExactlyTheSchemaKeysInOrder) {
  const std::string section = "org" + std::to_string(GetParam());
  const IniFile ini = IniFile::parse(shippedLayoutText(GetParam()));
  std::vector<std::string> inFile;
  for (const IniFile::Entry& entry : ini.entries(section)) inFile.push_back(entry.key);
  std::vector<std::string> expected;
  for (const LayoutKey& key : layoutFileKeys()) expected.push_back(key.name);
  EXPECT_EQ(inFile, expected);
}

TEST_P(ShippedLayoutFile, CarriesTheUnusedKeys) {
  const std::string section = "org" + std::to_string(GetParam());
  const IniFile ini = IniFile::parse(shippedLayoutText(GetParam()));
  for (const char* key : {"Btn_B12_Enable", "Btn_B12_X", "ComboKey1_Lable_X", "ComboKey3_Lable_Width",
                          "Color_J_R", "Color_J_B", "Size_M", "Color_M_G", "NorLED_Tte_X",
                          "NorLED_Close_Y"}) {
    EXPECT_TRUE(ini.hasKey(section, key)) << key;
  }
}

// Every heading line names its group in a comment line of its own.
TEST_P(ShippedLayoutFile, HeadsEveryGroupWithItsComment) {
  const std::string_view text = shippedLayoutText(GetParam());
  for (const LayoutSection& section : layoutSections()) {
    const std::string line = "\r\n; " + std::string(section.heading) + "\r\n";
    EXPECT_NE(text.find(line), std::string_view::npos) << section.heading;
  }
}

TEST_P(ShippedLayoutFile, KeepsEveryValueInRange) {
  // Values are small: coordinates below 10000, sizes and colours below 256.
  for (const std::string& key : layoutKeys()) {
    const int value = shippedLayout(GetParam()).value(key);
    EXPECT_GE(value, 0) << key;
    EXPECT_LT(value, 10000) << key;
  }
}

struct TellingValue {
  int layout;
  const char* key;
  int value;
};

class ShippedLayoutValue : public ::testing::TestWithParam<TellingValue> {};

TEST_P(ShippedLayoutValue, IsAsDocumented) {
  const TellingValue& c = GetParam();
  EXPECT_EQ(shippedLayout(c.layout).find(c.key), c.value) << "org" << c.layout << " " << c.key;
}

constexpr TellingValue kTellingValues[] = {
    {1, "Btn_A2_Enable", 1}, {1, "Btn_A2_X", 820}, {1, "Btn_A2_Y", 600},
    {1, "Btn_A1_Enable", 0}, {2, "Btn_A1_Enable", 0}, {3, "Btn_A1_Enable", 0},
    {1, "Btn_A5_Enable", 0}, {1, "Btn_A6_Enable", 0},
    {1, "Btn_B4_X", 366}, {1, "Btn_Space_F", 0},
    {1, "Key6_Enable", 0}, {1, "Key7_Enable", 1}, {3, "Key6_Enable", 1}, {3, "Key7_Enable", 0},
    {1, "ComboKey2_X", 680}, {1, "ComboKey_D", 22}, {1, "ComboKey3_Enable", 1},
    {1, "M_L_W", 210},
    {1, "Spd_X", 150}, {1, "Spd_D", 26},
    {1, "DPI7_Check_Y", 9424}, {1, "LEDOn_Y", 8192}, {1, "MCULEDNum_D", 5},
    {1, "Mouse_Speed_Lable_Size", 13}, {1, "Mouse_Speed_Lable_R", 79},
    {1, "Mouse_Speed_Lable_G", 200}, {1, "Mouse_Speed_Lable_B", 255},
    {1, "DPI_Count_Visible", 1},
    // Language buttons B8, B9, B10.
    {1, "Btn_B8_X", 898}, {1, "Btn_B8_Y", 65}, {1, "Btn_B9_X", 898}, {1, "Btn_B9_Y", 100},
    {1, "Btn_B10_Enable", 0}, {2, "Btn_B8_Y", 65}, {2, "Btn_B9_Y", 100}, {2, "Btn_B10_Enable", 0},
    {3, "Btn_B8_X", 638}, {3, "Btn_B8_Y", 30}, {3, "Btn_B9_X", 738}, {3, "Btn_B9_Y", 30},
    {3, "Btn_B10_Enable", 1}, {3, "Btn_B10_X", 838}, {3, "Btn_B10_Y", 30},
    // Dialogs.
    {1, "Size_K", 12}, {1, "Size_L", 12}, {2, "Size_K", 12}, {3, "Size_L", 12},
    {1, "Color_K_R", 255}, {1, "Color_K_G", 255}, {1, "Color_K_B", 255},
    {1, "Color_L_R", 255}, {1, "Color_L_G", 255}, {1, "Color_L_B", 255},
    {1, "Color_K_AK_R", 0}, {1, "Color_K_AK_G", 0}, {1, "Color_K_AK_B", 0},
    {1, "Color_L_MN_R", 0}, {1, "Color_L_MN_G", 0}, {1, "Color_L_MN_B", 0},
    {1, "AKT_X", 250}, {1, "AKT_Y", 246}, {1, "MNT_X", 250}, {1, "MNT_Y", 240},
    {1, "AKC_X", 350}, {1, "AKC_Y", 280}, {1, "AKC_W", 240},
    {1, "MNC_X", 360}, {1, "MNC_Y", 300}, {1, "MNC_W", 240},
    {1, "AK_Cfm_X", 300}, {1, "AK_Cfm_Y", 380}, {1, "MN_Cfm_X", 300}, {1, "MN_Cfm_Y", 380},
    {1, "AK_Clear_X", 540}, {1, "AK_Clear_Y", 380}, {1, "MN_Clear_X", 540}, {1, "MN_Clear_Y", 380},
    {1, "AK_Close_X", 730}, {1, "AK_Close_Y", 240}, {1, "MN_Close_X", 730}, {1, "MN_Close_Y", 240},
    {2, "AK_Close_X", 730}, {2, "MN_Close_X", 730}, {3, "AK_Close_X", 710}, {3, "MN_Close_X", 710},
    {3, "AK_Close_Y", 240}, {3, "AKC_W", 240},
    {1, "MK_A_X", 350}, {1, "MK_A_Y", 325}, {1, "MK_C_X", 410}, {1, "MK_C_Y", 325},
    {1, "MK_S_X", 470}, {1, "MK_S_Y", 325}, {1, "MK_W_X", 530}, {1, "MK_W_Y", 325},
};

INSTANTIATE_TEST_SUITE_P(Documented, ShippedLayoutValue, ::testing::ValuesIn(kTellingValues));

TEST(ShippedLayoutValues, ShowTheCommonButtonsInEveryLanguage) {
  for (int layout = 1; layout <= kLayoutCount; ++layout) {
    for (const char* stem : {"Btn_A2", "Btn_A3", "Btn_A4", "Btn_A7", "Btn_A8", "Btn_B1", "Btn_B2",
                             "Btn_B4", "Btn_B5", "Btn_B6", "Btn_B7", "Btn_B11"}) {
      EXPECT_TRUE(shippedLayout(layout).enabled(stem)) << "org" << layout << " " << stem;
    }
  }
}

}  // namespace
}  // namespace orva
