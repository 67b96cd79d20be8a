// The key list of a layout file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "core/skin/LayoutSchema.h"

namespace orva {
namespace {

bool contains(const std::vector<std::string>& keys, std::string_view key) {
  return std::ranges::find(keys, key) != keys.end();
}

TEST(LayoutSchema, NamesEveryKeyOnceWithoutRegardToCase) {
  std::set<std::string> seen;
  for (const LayoutKey& key : layoutFileKeys()) {
    std::string folded = key.name;
    std::ranges::transform(folded, folded.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_TRUE(seen.insert(folded).second) << key.name;
  }
}

TEST(LayoutSchema, ExpandsFamiliesWithTheirSuffixes) {
  const std::vector<std::string> keys = layoutKeys();
  for (const char* key :
       {"Btn_A1_Enable", "Btn_A8_Y", "Btn_B1_X", "Btn_B11_Enable", "Key9_Enable", "ComboKey3_Enable",
        "ComboKey_H", "Key_Width", "DPI1_X", "DPI7_Check_Y", "DPI4_Value_X", "DPI7_Steps_D",
        "DPI3_Color_Y", "AIMKey_Steps_D", "DPI_Count_Visible", "Spd_D", "ScrSpd_Y",
        "Mouse_Speed_Lable_Width", "DPI_Lable_Size", "LED_Mode_7_Lable_Width",
        "LED_Mode_Option_Lable_Size", "LED_Step_8_Lable_X", "MCULEDNum_D", "RBLEDMode7_Y",
        "PCMacroName_H", "PCMacroName_W", "MacroContent_W", "RecDelay_H", "InsertRecDelay_H",
        "Marco_Stop_Over_Lable_Wrap", "Edit_PCMarco_Width", "MacroNameHeight", "Color_MACRO_B",
        "FireY3_Offset_Y", "GunMode5_X", "RKFS3_Y", "FireColor2_X", "Gun_Marco_Fire_Color_Lable_Size",
        "Color_J_Border_G", "Size_K", "AKC_W", "MK_W_Y", "AK_Close_X", "MNC_W", "MN_Close_Y"}) {
    EXPECT_TRUE(contains(keys, key)) << key;
  }
}

TEST(LayoutSchema, LeavesOutWhatNoFamilyHas) {
  const std::vector<std::string> keys = layoutKeys();
  for (const char* key : {"Btn_B3_X", "Btn_A9_X", "DPI_Lable_X", "LED_Mode_1_Lable_R", "Key10_X",
                          "DPI8_X", "Size_H", "Color_J_R"}) {
    EXPECT_FALSE(contains(keys, key)) << key;
  }
}

TEST(LayoutSchema, ListsTheKeptButUnusedKeysSeparately) {
  const std::vector<std::string> read = layoutKeys();
  const std::vector<std::string> unused = unusedLayoutKeys();
  for (const char* key : {"Btn_B12_Enable", "Btn_B12_Y", "ComboKey1_Lable_X", "ComboKey2_Lable_Size",
                          "Color_J_G", "Size_M", "Color_M_R", "NorLED_Tte_X", "NorLED_Col_Y",
                          "NorLED_Cfm_X", "NorLED_Clear_Y", "NorLED_Close_X"}) {
    EXPECT_TRUE(contains(unused, key)) << key;
    EXPECT_FALSE(contains(read, key)) << key;
  }
  EXPECT_EQ(read.size() + unused.size(), layoutFileKeys().size());
}

TEST(LayoutSchema, KeepsTheFileOrderOfTheGroups) {
  const std::vector<LayoutKey>& keys = layoutFileKeys();
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.front().name, "Size_A");
  EXPECT_EQ(keys.back().name, "NorLED_Close_Y");
  EXPECT_TRUE(std::ranges::is_sorted(keys, {}, &LayoutKey::section));
}

}  // namespace
}  // namespace orva
