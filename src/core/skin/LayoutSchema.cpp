#include "core/skin/LayoutSchema.h"

#include <array>

namespace orva {

namespace {

using enum LayoutSuffixes;

constexpr LayoutStem kStatusButtons[] = {
    {"Size_A", Value},
    {"Color_A", Colour},
    {"Btn_A#", Switch, 1, 8},
};

constexpr LayoutStem kPageButtons[] = {
    {"Size_B", Value},
    {"Color_B", Colour},
    {"Btn_Space_F", Value},
    {"Btn_Space_B", Value},
    {"Btn_B#", Switch, 1, 2},
    {"Btn_B#", Switch, 4, 11},
    {"Btn_B12", Switch, 0, 0, false},
};

constexpr LayoutStem kMouseKeys[] = {
    {"Size_C", Value},
    {"Color_C", Colour},
    {"P1", Position},
    {"Key#", Switch, 1, 9},
    {"ComboKey#", Switch, 1, 3},
    {"ComboKey#_Lable", Label, 1, 3, false},
    {"Combox_Width", Value},
    {"ComboKey_D", Value},
    {"ComboKey_H", Value},
};

constexpr LayoutStem kKeyMenus[] = {
    {"Size_G", Value},
    {"Color_G", Colour},
    {"Color_G_Back", Colour},
    {"Color_G_Border", Colour},
    {"Color_G_SF", Colour},
    {"Color_G_SP", Colour},
    {"M_L_W", Value},
    {"SP_L_W", Value},
    {"O_L_W", Value},
    {"Key_Width", Value},
};

constexpr LayoutStem kAdvancedPage[] = {
    {"Size_D", Value},
    {"Color_D_Selected", Colour},
    {"Color_D_notSelected", Colour},
    {"Color_D_Back", Colour},
    {"Color_D_Border", Colour},
    {"P2", Position},
    {"FKCnt", Position},
    {"FKDelay", Position},
    {"IsFireContinue", Position},
    {"Spd", PositionStep},
    {"IsControl", Position},
    {"DbSpd", PositionStep},
    {"ScrSpd", PositionStep},
    {"IsScreen", Position},
    {"DPI#", Position, 1, 7},
    {"DPI#_Check", Position, 1, 7},
    {"DPI#_Value", Position, 1, 7},
    {"DPI#_Steps", PositionStep, 1, 7},
    {"DPI#_Color", Position, 1, 7},
    {"AIMKey", Position},
    {"AIMKey_Value", Position},
    {"AIMKey_Steps", PositionStep},
    {"DPI_Count", Position},
    {"DPI_Count_Visible", Value},
    {"Fire_Key_Lable", Label},
    {"Fire_Key_Count_Lable", Label},
    {"Fire_Key_Time_Lable", Label},
    {"Fire_Key_Continue_Lable", Label},
    {"Mouse_Speed_Lable", Label},
    {"Mouse_IsControl_Lable", Label},
    {"Mouse_Double_Click_Lable", Label},
    {"Mouse_Roller_Speed_Lable", Label},
    {"Mouse_Roll_All_Screen_Lable", Label},
    {"DPI_Setting_Lable", Label},
    {"DPI_Value_Lable", Label},
    {"DPI_Note_Lable", Label},
    {"DPI_Lable", LabelStyle},
    {"Color_BG_Slider", Colour},
};

constexpr LayoutStem kLedPage[] = {
    {"Size_E", Value},
    {"Color_E", Colour},
    {"P3", Position},
    {"LEDOn", Position},
    {"LEDOff", Position},
    {"B4CPIOn", Position},
    {"B4CPIOff", Position},
    {"LEDSwitchOn", Position},
    {"LEDSwitchOff", Position},
    {"SaveKeyMode", Position},
    {"NoSaveKeyMode", Position},
    {"LED3Control", Position},
    {"LED6Control", Position},
    {"MCULEDMode#", Position, 1, 7},
    {"MCULEDStep", PositionStep},
    {"MCULEDNum", PositionStep},
    {"RBLEDMode#", Position, 1, 7},
    {"LED_Status_Lable", Label},
    {"LED_On_Lable", Label},
    {"LED_Off_Lable", Label},
    {"LCPI_Status_Lable", Label},
    {"LCPI_On_Lable", Label},
    {"LCPI_Off_Lable", Label},
    {"MCPI_Status_Lable", Label},
    {"MCPI_On_Lable", Label},
    {"MCPI_Off_Lable", Label},
    {"LED_Light_Status_Lable", Label},
    {"LED_Light_All_Lable", Label},
    {"LED_Light_Half_Lable", Label},
    {"LED_Mode_Lable", Label},
    {"LED_Mode_#_Lable", PlacedLabel, 1, 7},
    {"LED_Mode_Option_Lable", OptionStyle},
    {"LED_Effect_Setting_Lable", Label},
    {"LED_Effect_Slow_Lable", Label},
    {"LED_Effect_Fast_Lable", Label},
    {"LED_Step_Option_Lable", OptionStyle},
    {"LED_Step_#_Lable", PlacedLabel, 1, 8},
};

constexpr LayoutStem kMacroPage[] = {
    {"Size_F", Value},
    {"Color_F", Colour},
    {"Color_F_LBack", Colour},
    {"Color_F_LBorder", Colour},
    {"Color_F_Font", Colour},
    {"Color_F_Back", Colour},
    {"P4", Position},
    {"MacroNameHeight", Value},
    {"PCMacroName", PositionHeightWidth},
    {"MacroContent", PositionWidth},
    {"BtnNew", Position},
    {"BtnStart", Position},
    {"BtnDelete", Position},
    {"DelayTime", Position},
    {"RecDelay", PositionRowHeight},
    {"DelaySetting", Position},
    {"NoDelay", Position},
    {"DelayEdit", Position},
    {"CircleEdit", Position},
    {"ReleaseStop", Position},
    {"ReleaseContinue", Position},
    {"CircleTimes", Position},
    {"CircleAll", Position},
    {"Insert", Position},
    {"InsertList", Position},
    {"InsertRecDelay", PositionRowHeight},
    {"InsertDelayEdit", Position},
    {"InsertAxisEdit", Position},
    {"InsertBtnStart", Position},
    {"InsertBtnOK", Position},
    {"InsertBtnCancel", Position},
    {"Marco_List_Lable", Label},
    {"Marco_Content_Lable", Label},
    {"Marco_Record_Delay_Lable", Label},
    {"Marco_Delay_Setting_Lable", Label},
    {"Marco_No_Delay_Lable", Label},
    {"Marco_MS_Lable", Label},
    {"Marco_Stop_Release_Lable", Label},
    {"Marco_Stop_Over_Lable", Label},
    {"Marco_Circle_Times_Lable", Label},
    {"Marco_Circle_ALL_Lable", Label},
    {"Color_MACRO", Colour},
    {"Edit_PCMarco_Width", Value},
    {"Marco_Stop_Over_Lable_Wrap", Value},
    {"Marco_Stop_Release_Lable_Wrap", Value},
};

constexpr LayoutStem kFirePage[] = {
    {"Size_J", Value},
    {"Color_J", Colour, 0, 0, false},
    {"Color_J_Font", Colour},
    {"Color_J_Back", Colour},
    {"Color_J_Border", Colour},
    {"P5", Position},
    {"Fire#", Position, 1, 7},
    {"GunMode#", Position, 1, 5},
    {"RKFS#", Position, 1, 3},
    {"FireCnt#", Position, 1, 3},
    {"FireX#", Position, 1, 3},
    {"FireY#", Position, 1, 3},
    {"FireY#_Offset", Position, 1, 3},
    {"FireTime#", Position, 1, 3},
    {"FireColor#", Position, 1, 3},
    {"FireConfirm", Position},
    {"FireCancel", Position},
    {"Gun_Marco_Stop_Release_Lable", Label},
    {"Gun_Marco_Fire_Count_Lable", Label},
    {"Gun_Marco_Fire_Y_Lable", Label},
    {"Gun_Marco_Y_Offset_Lable", Label},
    {"Gun_Marco_Fire_Delay_Lable", Label},
    {"Gun_Marco_Fire_Color_Lable", Label},
};

constexpr LayoutStem kAssemblyDialog[] = {
    {"Size_K", Value},
    {"Color_K", Colour},
    {"Color_K_AK", Colour},
    {"AKT", Position},
    {"AKC", PositionWidth},
    {"MK_A", Position},
    {"MK_C", Position},
    {"MK_S", Position},
    {"MK_W", Position},
    {"AK_Cfm", Position},
    {"AK_Clear", Position},
    {"AK_Close", Position},
};

constexpr LayoutStem kInputDialogs[] = {
    {"Size_L", Value},
    {"Color_L", Colour},
    {"Color_L_MN", Colour},
    {"MNT", Position},
    {"MNC", PositionWidth},
    {"MN_Cfm", Position},
    {"MN_Clear", Position},
    {"MN_Close", Position},
};

// A plain LED colour dialog this program does not have.
constexpr LayoutStem kNormalLedDialog[] = {
    {"Size_M", Value, 0, 0, false},
    {"Color_M", Colour, 0, 0, false},
    {"NorLED_Tte", Position, 0, 0, false},
    {"NorLED_Col", Position, 0, 0, false},
    {"NorLED_Cfm", Position, 0, 0, false},
    {"NorLED_Clear", Position, 0, 0, false},
    {"NorLED_Close", Position, 0, 0, false},
};

constexpr std::array kSections{
    LayoutSection{"Confirm & Apply & Reset & Exit Button", kStatusButtons},
    LayoutSection{"Setting & Profile Button", kPageButtons},
    LayoutSection{"Mouse Keys Button", kMouseKeys},
    LayoutSection{"Mouse Keys Parameters List", kKeyMenus},
    LayoutSection{"Advanced Page", kAdvancedPage},
    LayoutSection{"Breathing Page", kLedPage},
    LayoutSection{"Macro Page", kMacroPage},
    LayoutSection{"Fire Macro Page", kFirePage},
    LayoutSection{"Assembly Keys Page", kAssemblyDialog},
    LayoutSection{"New Macro Name Page / Edit Macro Content Page / Edit Macro Delay Time Page",
                  kInputDialogs},
    LayoutSection{"Normal LED Color Page", kNormalLedDialog},
};

constexpr std::string_view kNoSuffix[] = {""};
constexpr std::string_view kColourSuffixes[] = {"_R", "_G", "_B"};
constexpr std::string_view kPositionSuffixes[] = {"_X", "_Y"};
constexpr std::string_view kSwitchSuffixes[] = {"_Enable", "_X", "_Y"};
constexpr std::string_view kStepSuffixes[] = {"_X", "_Y", "_D"};
constexpr std::string_view kRowHeightSuffixes[] = {"_X", "_Y", "_H"};
constexpr std::string_view kWidthSuffixes[] = {"_X", "_Y", "_W"};
constexpr std::string_view kHeightWidthSuffixes[] = {"_X", "_Y", "_H", "_W"};
constexpr std::string_view kLabelSuffixes[] = {"_X", "_Y", "_R", "_G", "_B", "_Size", "_Width"};
constexpr std::string_view kPlacedLabelSuffixes[] = {"_X", "_Y", "_Width"};
constexpr std::string_view kLabelStyleSuffixes[] = {"_R", "_G", "_B", "_Size", "_Width"};
constexpr std::string_view kOptionStyleSuffixes[] = {"_R", "_G", "_B", "_Size"};

std::string stemName(std::string_view pattern, int number) {
  const std::size_t hash = pattern.find('#');
  if (hash == std::string_view::npos) return std::string(pattern);
  return std::string(pattern.substr(0, hash)) + std::to_string(number) +
         std::string(pattern.substr(hash + 1));
}

std::vector<LayoutKey> expandKeys() {
  std::vector<LayoutKey> keys;
  for (std::size_t section = 0; section < kSections.size(); ++section) {
    for (const LayoutStem& stem : kSections[section].stems) {
      for (int number = stem.first; number <= stem.last; ++number) {
        const std::string name = stemName(stem.pattern, number);
        for (std::string_view suffix : layoutSuffixNames(stem.suffixes)) {
          keys.push_back({name + std::string(suffix), section, stem.read});
        }
      }
    }
  }
  return keys;
}

std::vector<std::string> keyNames(bool read) {
  std::vector<std::string> names;
  for (const LayoutKey& key : layoutFileKeys()) {
    if (key.read == read) names.push_back(key.name);
  }
  return names;
}

}  // namespace

std::span<const std::string_view> layoutSuffixNames(LayoutSuffixes suffixes) {
  switch (suffixes) {
    case Value: return kNoSuffix;
    case Colour: return kColourSuffixes;
    case Position: return kPositionSuffixes;
    case Switch: return kSwitchSuffixes;
    case PositionStep: return kStepSuffixes;
    case PositionRowHeight: return kRowHeightSuffixes;
    case PositionWidth: return kWidthSuffixes;
    case PositionHeightWidth: return kHeightWidthSuffixes;
    case Label: return kLabelSuffixes;
    case PlacedLabel: return kPlacedLabelSuffixes;
    case LabelStyle: return kLabelStyleSuffixes;
    case OptionStyle: return kOptionStyleSuffixes;
  }
  return {};
}

std::span<const LayoutSection> layoutSections() { return kSections; }

const std::vector<LayoutKey>& layoutFileKeys() {
  static const std::vector<LayoutKey> keys = expandKeys();
  return keys;
}

std::vector<std::string> layoutKeys() { return keyNames(true); }

std::vector<std::string> unusedLayoutKeys() { return keyNames(false); }

}  // namespace orva
