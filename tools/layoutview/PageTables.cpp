#include "PageTables.h"

#include <array>
#include <utility>

namespace layoutview {
namespace {

// Sizes of controls that the layout places but does not size.
constexpr int kEditWidth = 50;
// The insert panel's delay edit: its "ms" label stands 44 pixels to the right of it.
constexpr int kInsertDelayEditWidth = 42;
constexpr int kEditHeight = 22;
constexpr int kComboWidth = 60;
constexpr int kInsertComboWidth = 180;
constexpr int kComboHeight = 24;
constexpr int kDpiSliderWidth = 300;
constexpr int kBreathSliderWidth = 200;
constexpr int kSliderHeight = 25;
constexpr int kTickIntervals = 10;  // eleven tick labels
constexpr int kSliderThumbWidth = 25;
constexpr int kTickOffsetX = 4;
constexpr int kTickOffsetY = 26;
constexpr int kDelayPanelWidth = 207;
constexpr int kDelayPanelHeight = 162;
constexpr int kDialogEditHeight = 22;
constexpr int kLedCountCells = 10;
constexpr int kLedCountFirstNumber = 4;  // cell i stands for i + 3 LEDs
constexpr int kLedCountLabelDrop = 24;
constexpr int kDpiRows = 7;
constexpr int kGuns = 7;
constexpr int kSelectedGun = 7;  // shows all three phases and gun modes 3..5
constexpr int kPhases = 3;

const FontRef kFontA{"Size_A", 0, "Color_A"};
const FontRef kFontB{"Size_B", 0, "Color_B"};
const FontRef kFontC{"Size_C", 0, "Color_C"};
const FontRef kFontD{"Size_D", 0, "Color_D_notSelected"};
const FontRef kFontE{"Size_E", 0, "Color_E"};
const FontRef kFontF{"Size_F", 0, "Color_F"};
const FontRef kFontJ{"Size_J", 0, "Color_J_Font"};

// A label of the label family: <stem>_X/_Y/_Width/_Size/_R/_G/_B.
Row label(std::string name, std::string stem, std::string caption, bool twoLines = false) {
  return {.name = std::move(name), .stem = stem, .kind = Kind::Label, .caption = std::move(caption),
          .style = stem, .widthKey = stem + "_Width", .twoLines = twoLines};
}

Row picture(std::string name, std::string stem, std::string picture) {
  return {.name = std::move(name), .stem = std::move(stem), .picture = std::move(picture)};
}

// The page picture: the page's controls lie on it.
Row pagePicture(std::string name, std::string stem, std::string picture) {
  return {.name = std::move(name), .stem = std::move(stem), .picture = std::move(picture),
          .overlay = true};
}

// The invisible click label beside a check or radio image.
Row clickArea(std::string name, std::string stem, int dx, int dy, int width, int height) {
  return {.name = std::move(name), .stem = std::move(stem), .kind = Kind::ClickArea, .dx = dx,
          .dy = dy, .width = width, .height = height, .overlay = true};
}

Row sized(Row row, int width) {
  row.width = width;
  return row;
}

Row edit(std::string name, std::string stem, FontRef font, std::string fill, std::string text) {
  return {.name = std::move(name), .stem = std::move(stem), .kind = Kind::Edit, .caption = "=" + text,
          .font = std::move(font), .fillStem = std::move(fill), .width = kEditWidth,
          .height = kEditHeight};
}

Row withOrigin(Row row, std::string origin) {
  row.origin = std::move(origin);
  return row;
}

Row numbered(Row row, int first, int last) {
  row.first = first;
  row.last = last;
  return row;
}

std::vector<Row> commonRows(PageId page, const PageContext& context) {
  const auto pageButton = [&](std::string stem, std::string id, PageId own, std::string caption) {
    const bool current = page == own;
    return Row{.name = "Img_" + stem, .stem = "Btn_" + id, .kind = Kind::Button,
               .picture = current ? "SetS_03" : "SetS_01", .caption = std::move(caption),
               .font = kFontB, .enableKey = "Btn_" + id + "_Enable", .spaced = true};
  };
  const auto familyB = [&](std::string stem, std::string id, std::string pictureName,
                           std::string caption) {
    return Row{.name = "Img_" + stem, .stem = "Btn_" + id, .kind = Kind::Button,
               .picture = std::move(pictureName), .caption = std::move(caption), .font = kFontB,
               .enableKey = "Btn_" + id + "_Enable", .spaced = true};
  };
  const auto familyA = [&](std::string stem, std::string id, std::string pictureName,
                           std::string caption) {
    return Row{.name = "Img_" + stem, .stem = "Btn_" + id, .kind = Kind::Button,
               .picture = std::move(pictureName), .caption = std::move(caption), .font = kFontA,
               .enableKey = "Btn_" + id + "_Enable"};
  };
  const auto language = [&](int n) { return context.language == n ? "Lang_03" : "Lang_01"; };
  return {
      familyA("Confirm", "A1", "BtnS_01", "Str000"),
      familyA("Apply", "A2", "BtnS_01", "Str001"),
      familyA("Read", "A8", "BtnS_01", "Str017"),
      familyA("Confirm1", "A3", "BtnS_01", "Str002"),
      familyA("Confirm2", "A5", "BtnS_01", "Str015"),
      familyA("Confirm3", "A6", "BtnS_01", "Str016"),
      familyA("Exit", "A4", "ExitS_01", ""),
      familyA("Mini", "A7", "MiniS_01", ""),
      pageButton("Main", "B1", PageId::Profile1, "Str004"),
      pageButton("Second", "B2", PageId::Profile2, "Str005"),
      pageButton("Adv", "B4", PageId::Advanced, "Str007"),
      pageButton("Breath", "B5", PageId::Led, "Str008"),
      pageButton("Macro", "B11", page == PageId::MacroInsert ? page : PageId::Macro, "Str014"),
      familyB("Save", "B6", "BtnS_01", "Str009"),
      familyB("Load", "B7", "BtnS_01", "Str010"),
      familyB("Lang1", "B8", language(1), "Str011"),
      familyB("Lang2", "B9", language(2), "Str012"),
      familyB("Lang3", "B10", language(3), "Str013"),
      Row{.name = "Img_Web", .kind = Kind::Button, .picture = "WebS_01", .dx = context.webX,
          .dy = context.webY},
  };
}

std::vector<Row> profileRows(PageId page, const PageContext& context) {
  const bool gunSwitch = page == PageId::Profile2 && context.gunOption;
  return {
      pagePicture("Img_P1", "P1", "L%_Back1"),
      Row{.name = "Key#", .stem = "Key#", .kind = Kind::Button, .picture = "KeyS_01",
          .caption = "Str210,Str211,Str212,Str213,Str214,Str231,Str232,Str233,Str220",
          .font = kFontC, .widthKey = "Key_Width", .last = 9, .enableKey = "Key#_Enable"},
      Row{.name = "Img_ComboKey#", .stem = "ComboKey#", .picture = "CbS_D", .last = gunSwitch ? 3 : 2,
          .enableKey = "ComboKey#_Enable"},
      Row{.name = "IB_ComboKey#", .stem = "ComboKey#", .kind = Kind::Label, .caption = "Str700",
          .font = {"Size_C", -1, "Color_C"}, .dxKey = "ComboKey_D", .dyKey = "ComboKey_H",
          .widthKey = "Combox_Width", .last = gunSwitch ? 3 : 2, .enableKey = "ComboKey#_Enable"},
  };
}

std::vector<Row> sliderWithTicks(const std::string& slider, const std::string& ticks,
                                 const std::string& stem) {
  return {
      Row{.name = slider, .stem = stem, .kind = Kind::Slider, .fillStem = "Color_BG_Slider",
          .width = kSliderThumbWidth, .height = kSliderHeight, .widthKey = stem + "_D",
          .widthScale = kTickIntervals},
      Row{.name = ticks + "#", .stem = stem, .kind = Kind::Label, .caption = "#", .font = kFontD,
          .dx = kTickOffsetX, .dy = kTickOffsetY, .last = kTickIntervals + 1, .stepKey = stem + "_D"},
  };
}

std::vector<Row> advancedRows() {
  std::vector<Row> rows{
      pagePicture("Img_P2", "P2", "L%_Back2"),
      edit("Edt_Repeat1", "FKCnt", kFontD, "Color_D_Back", "2"),
      edit("Edt_DelayTime1", "FKDelay", kFontD, "Color_D_Back", "16"),
      picture("Img_FireContinue", "IsFireContinue", "CbS_D"),
      clickArea("lbl_FireContinue", "IsFireContinue", -8, 0, 27, 19),
      picture("Img_IsControl", "IsControl", "CbS_D"),
      clickArea("lbl_IsControl", "IsControl", -8, 0, 27, 19),
      picture("Img_IsScreen", "IsScreen", "CbS_D"),
      clickArea("lbl_IsScreen", "IsScreen", -2, 0, 21, 19),
      Row{.name = "Img_DPI#Col", .stem = "DPI#_Color", .kind = Kind::Swatch, .picture = "Col_F",
          .last = kDpiRows},
      Row{.name = "Img_DPI#", .stem = "DPI#_Check", .picture = "CbS_D", .selectedPicture = "CbS_E",
          .selected = 1, .last = kDpiRows},
      Row{.name = "lbl_DPI#", .stem = "DPI#", .kind = Kind::Label, .caption = "Str849",
          .style = "DPI_Lable", .widthKey = "DPI_Lable_Width", .last = kDpiRows},
      Row{.name = "lbl_DPI#Value", .stem = "DPI#_Value", .kind = Kind::Label, .caption = "Str311",
          .font = kFontD, .last = kDpiRows},
      Row{.name = "slider_DPI#", .stem = "DPI#_Steps", .kind = Kind::Slider,
          .fillStem = "Color_BG_Slider", .width = kDpiSliderWidth, .height = kSliderHeight,
          .last = kDpiRows},
      Row{.name = "cbb_DPICount", .stem = "DPI_Count", .kind = Kind::Combo, .caption = "=12",
          .font = kFontD, .width = kComboWidth, .height = kComboHeight,
          .enableKey = "DPI_Count_Visible"},
      Row{.name = "lbl_AIMKey", .stem = "AIMKey", .kind = Kind::Label, .caption = "Str222",
          .font = {"Size_D", 1, "Color_D_Selected"}},
      Row{.name = "lbl_AIMKeyValue", .stem = "AIMKey_Value", .kind = Kind::Label,
          .caption = "Str311", .font = kFontD},
      Row{.name = "slider_DPI8", .stem = "AIMKey_Steps", .kind = Kind::Slider,
          .fillStem = "Color_BG_Slider", .width = kDpiSliderWidth, .height = kSliderHeight},
      label("lbl_FireKey", "Fire_Key_Lable", "Str800"),
      label("lbl_Fire_Count", "Fire_Key_Count_Lable", "Str801"),
      label("lbl_Fire_Time", "Fire_Key_Time_Lable", "Str802"),
      label("lbl_Fire_Continue", "Fire_Key_Continue_Lable", "Str803"),
      label("lbl_Mouse_Speed", "Mouse_Speed_Lable", "Str804"),
      label("lbl_Is_Control", "Mouse_IsControl_Lable", "Str805"),
      label("lbl_Double_Click", "Mouse_Double_Click_Lable", "Str806"),
      label("lbl_Roller_Speed", "Mouse_Roller_Speed_Lable", "Str807"),
      label("lbl_Roll_All_Screen", "Mouse_Roll_All_Screen_Lable", "Str808"),
      label("lbl_DPI_Setting", "DPI_Setting_Lable", "Str809"),
      label("lbl_DPI_Value", "DPI_Value_Lable", "Str810"),
      label("lbl_DPI_Note", "DPI_Note_Lable", "Str811"),
  };
  for (const auto& [slider, ticks, stem] : std::array{
           std::array<std::string, 3>{"slider_Spd", "lbl_Spd", "Spd"},
           std::array<std::string, 3>{"slider_DbSpd", "lbl_DbSpd", "DbSpd"},
           std::array<std::string, 3>{"slider_SrcSpd", "lbl_ScrSpd", "ScrSpd"}}) {
    for (Row& row : sliderWithTicks(slider, ticks, stem)) rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<Row> ledRows() {
  // The two choices of a pair: images on the left of the captions that the
  // label family places.
  const auto choice = [](std::string image, std::string stem, bool on) {
    return picture(std::move(image), std::move(stem), on ? "RdS_E" : "RdS_D");
  };
  return {
      pagePicture("Img_P3", "P3", "L%_Back3"),
      choice("Img_LEDOn", "LEDOn", true),
      choice("Img_LEDOff", "LEDOff", false),
      label("lbl_LED_Status", "LED_Status_Lable", "Str812"),
      label("lbl_LEDOn", "LED_On_Lable", "Str813"),
      label("lbl_LEDOff", "LED_Off_Lable", "Str814"),
      choice("Img_LCPIOn", "LEDSwitchOn", true),
      choice("Img_LCPIOff", "LEDSwitchOff", false),
      label("lbl_LLED_Status", "LCPI_Status_Lable", "Str815"),
      label("lbl_LCPIOn", "LCPI_On_Lable", "Str813"),
      label("lbl_LCPIOff", "LCPI_Off_Lable", "Str814"),
      choice("Img_B4CPIOn", "B4CPIOn", true),
      choice("Img_B4CPIOff", "B4CPIOff", false),
      label("lbl_MCPI_Status", "MCPI_Status_Lable", "Str816"),
      label("lbl_B4CPIOn", "MCPI_On_Lable", "Str813"),
      label("lbl_B4CPIOff", "MCPI_Off_Lable", "Str814"),
      choice("Img_SaveKeyMode", "SaveKeyMode", true),
      choice("Img_NoSaveKeyMode", "NoSaveKeyMode", false),
      label("lbl_Led_Light", "LED_Light_Status_Lable", "Str817"),
      label("lbl_SaveKeyMode", "LED_Light_All_Lable", "Str818"),
      label("lbl_NoSaveKeyMode", "LED_Light_Half_Lable", "Str819"),
      choice("Img_MCULED3Control", "LED3Control", true),
      clickArea("lbl_MCULED3Control", "LED3Control", -4, -2, 19, 19),
      choice("Img_MCULED6Control", "LED6Control", false),
      clickArea("lbl_MCULED6Control", "LED6Control", -4, -2, 19, 19),
      label("lbl_Led_Mode", "LED_Mode_Lable", "Str820"),
      Row{.name = "Img_MCULEDMode#", .stem = "MCULEDMode#", .picture = "RdS_D",
          .selectedPicture = "RdS_E", .selected = 1, .last = 7},
      Row{.name = "lbl_MCULEDMode#", .stem = "LED_Mode_#_Lable", .kind = Kind::Label,
          .caption = "Str821", .style = "LED_Mode_Option_Lable", .widthKey = "LED_Mode_#_Lable_Width",
          .last = 7},
      Row{.name = "Img_MCULEDNum_#", .stem = "MCULEDNum", .picture = "Bar1_D",
          .selectedPicture = "Bar1_E", .selected = 1, .last = kLedCountCells,
          .stepKey = "MCULEDNum_D", .stepAddsPictureWidth = true},
      Row{.name = "lbl_MCULEDNum_#", .stem = "MCULEDNum", .kind = Kind::Label,
          .picture = "Bar1_D",  // only for the step: the labels follow the cells
          .caption = "#+" + std::to_string(kLedCountFirstNumber - 1), .font = kFontE,
          .dy = kLedCountLabelDrop, .last = kLedCountCells, .stepKey = "MCULEDNum_D",
          .stepAddsPictureWidth = true},
      Row{.name = "slider_Breath_Speed", .stem = "MCULEDStep", .kind = Kind::Slider,
          .fillStem = "Color_BG_Slider", .width = kBreathSliderWidth, .height = kSliderHeight},
      label("lbl_LED_Effect_Setting", "LED_Effect_Setting_Lable", "Str856", true),
      label("lbl_LED_Effect_Slow", "LED_Effect_Slow_Lable", "Str857", true),
      label("lbl_LED_Effect_Fast", "LED_Effect_Fast_Lable", "Str858", true),
      Row{.name = "lbl_MCULEDStep_#", .stem = "LED_Step_#_Lable", .kind = Kind::Label,
          .caption = "#", .style = "LED_Step_Option_Lable", .widthKey = "LED_Step_#_Lable_Width",
          .last = 8},
  };
}

std::vector<Row> macroRows(bool inserting) {
  std::vector<Row> rows{
      pagePicture("Img_P4", "P4", "L%_Back4"),
      Row{.name = "LB_PCMacroName", .stem = "PCMacroName", .kind = Kind::List,
          .fillStem = "Color_F_LBack", .widthKey = "PCMacroName_W", .heightKey = "PCMacroName_H"},
      Row{.name = "LB_macro", .stem = "MacroContent", .kind = Kind::List,
          .fillStem = "Color_F_LBack", .widthKey = "MacroContent_W", .heightKey = "PCMacroName_H"},
      Row{.name = "Img_New", .stem = "BtnNew", .kind = Kind::Button, .picture = "MacroS_01",
          .caption = "Str432", .font = kFontF},
      Row{.name = "Img_Start", .stem = "BtnStart", .kind = Kind::Button, .picture = "MacroS_03",
          .caption = "Str400", .font = kFontF},
      Row{.name = "Img_Delete", .stem = "BtnDelete", .kind = Kind::Button, .picture = "MacroS_01",
          .caption = "Str860", .font = kFontF},
      label("lbl_Marco_List", "Marco_List_Lable", "Str835", true),
      label("lbl_Marco_Content", "Marco_Content_Lable", "Str836", true),
  };
  const FontRef editFont{"Size_F", 0, "Color_F_Font"};
  const std::vector<Row> delayPanel{
      Row{.name = "Gb_Delay", .stem = "DelayTime", .kind = Kind::Panel, .width = kDelayPanelWidth,
          .height = kDelayPanelHeight, .overlay = true},
      withOrigin(picture("LED_RecDelay", "RecDelay", "RdS_E"), "DelayTime"),
      withOrigin(picture("LED_DelayTime", "DelaySetting", "RdS_D"), "DelayTime"),
      withOrigin(picture("LED_NoDelay", "NoDelay", "RdS_D"), "DelayTime"),
      withOrigin(label("IB_RecDelay", "Marco_Record_Delay_Lable", "Str837", true), "DelayTime"),
      withOrigin(label("IB_DelayTime", "Marco_Delay_Setting_Lable", "Str838", true), "DelayTime"),
      withOrigin(label("IB_NoDelay", "Marco_No_Delay_Lable", "Str839", true), "DelayTime"),
      withOrigin(label("lbl_MS", "Marco_MS_Lable", "Str840", true), "DelayTime"),
      withOrigin(edit("Edt_Delay", "DelayEdit", editFont, "Color_F_Back", "10"), "DelayTime"),
      withOrigin(edit("Edt_Circle_Times", "CircleEdit", editFont, "Color_F_Back", "1"), "DelayTime"),
      withOrigin(picture("Img_ReleaseStop", "ReleaseStop", "RdS_E"), "DelayTime"),
      withOrigin(picture("Img_ReleaseContiue", "ReleaseContinue", "RdS_D"), "DelayTime"),
      withOrigin(picture("Img_CircleTimes", "CircleTimes", "RdS_D"), "DelayTime"),
      withOrigin(picture("Img_CircleAll", "CircleAll", "RdS_D"), "DelayTime"),
      [] {
        Row row = withOrigin(label("IB_ReleaseStop", "Marco_Stop_Release_Lable", "Str841", true),
                             "DelayTime");
        row.wrapKey = "Marco_Stop_Release_Lable_Wrap";
        return row;
      }(),
      [] {
        Row row = withOrigin(label("IB_ReleaseContiue", "Marco_Stop_Over_Lable", "Str842", true),
                             "DelayTime");
        row.wrapKey = "Marco_Stop_Over_Lable_Wrap";
        return row;
      }(),
      withOrigin(label("IB_CircleTimes", "Marco_Circle_Times_Lable", "Str859", true), "DelayTime"),
      withOrigin(label("IB_CircleAll", "Marco_Circle_ALL_Lable", "Str861", true), "DelayTime"),
  };
  // The insert panel as it stands for a key insertion.
  const std::vector<Row> insertPanel{
      Row{.name = "Img_InsertBase", .stem = "Insert", .picture = "InsertKeyBase", .overlay = true},
      withOrigin(Row{.name = "CB_Insert", .stem = "InsertList", .kind = Kind::Combo,
                     .caption = "Str412", .font = kFontF, .fillStem = "Color_F_LBack",
                     .width = kInsertComboWidth, .height = kComboHeight},
                 "Insert"),
      withOrigin(Row{.name = "LED_InsertRecDelay#", .stem = "InsertRecDelay", .picture = "RdS_D",
                     .selectedPicture = "RdS_E", .selected = 1, .last = 3,
                     .stepKey = "InsertRecDelay_H", .stepDown = true},
                 "Insert"),
      withOrigin(Row{.name = "IB_InsertRecDelay,IB_InsertDelayTime,IB_InsertNoDelay",
                     .stem = "InsertRecDelay", .kind = Kind::Label, .caption = "       Str414", .font = kFontF, .dx = -2, .last = 3,
                     .stepKey = "InsertRecDelay_H", .stepDown = true, .overlay = true},
                 "Insert"),
      withOrigin(sized(edit("Edt_InsertDelay", "InsertDelayEdit", editFont, "Color_F_Back", "10"), kInsertDelayEditWidth),
                 "Insert"),
      withOrigin(Row{.name = "lbl_Delay", .stem = "InsertDelayEdit", .kind = Kind::Label,
                     .caption = "Str417", .font = kFontF, .dx = -74, .dy = 2},
                 "Insert"),
      withOrigin(Row{.name = "lbl_s_A", .stem = "InsertDelayEdit", .kind = Kind::Label,
                     .caption = "Str418", .font = kFontF, .dx = 44, .dy = 2},
                 "Insert"),
      withOrigin(Row{.name = "Img_InsertStart", .stem = "InsertBtnStart", .kind = Kind::Button,
                     .picture = "MacroS_01", .caption = "Str400", .font = kFontF},
                 "Insert"),
      withOrigin(Row{.name = "Img_OK", .stem = "InsertBtnOK", .kind = Kind::Button,
                     .picture = "MacroBtnS_01", .caption = "Str420", .font = kFontF},
                 "Insert"),
      withOrigin(Row{.name = "Img_Cancel", .stem = "InsertBtnCancel", .kind = Kind::Button,
                     .picture = "MacroBtnS_01", .caption = "Str422", .font = kFontF},
                 "Insert"),
  };
  for (const Row& row : inserting ? insertPanel : delayPanel) rows.push_back(row);
  return rows;
}

std::vector<Row> fireRows() {
  const auto phaseEdit = [](std::string name, std::string stem, std::string text) {
    return numbered(edit(std::move(name), std::move(stem), kFontJ, "Color_J_Back", std::move(text)),
                    1, kPhases);
  };
  const FontRef buttonFont{"Size_J", 2, "Color_F"};
  return {
      pagePicture("Img_P5", "P5", "L%_Back5"),
      Row{.name = "Img_Fire#", .stem = "Fire#", .picture = "Gun#_01", .selectedPicture = "Gun#_02",
          .selected = kSelectedGun, .last = kGuns},
      Row{.name = "Img_GunMode#", .stem = "GunMode#", .picture = "GunMode#", .first = 3, .last = 5},
      numbered(picture("Img_FireRKFS#", "RKFS#", "CbS_D"), 1, kPhases),
      numbered(clickArea("lbl_FireRKFS#", "RKFS#", -2, 0, 23, 23), 1, kPhases),
      phaseEdit("Edt_FireCnt#", "FireCnt#", "256"),
      phaseEdit("Edt_FireX#", "FireX#", "-128"),
      phaseEdit("Edt_FireY#", "FireY#", "127"),
      phaseEdit("Edt_FireY#Offset", "FireY#_Offset", "-128"),
      phaseEdit("Edt_FireTime#", "FireTime#", "2040"),
      Row{.name = "Img_FireColor#", .stem = "FireColor#", .kind = Kind::Swatch, .picture = "Col_F",
          .last = kPhases},
      Row{.name = "Img_FireConfirm", .stem = "FireConfirm", .kind = Kind::Button,
          .picture = "BtnS_01", .caption = "Str620", .font = buttonFont},
      Row{.name = "Img_FireExit", .stem = "FireCancel", .kind = Kind::Button, .picture = "BtnS_01",
          .caption = "Str621", .font = buttonFont},
      label("lbl_Fire_Marco_Stop_Release", "Gun_Marco_Stop_Release_Lable", "Str843", true),
      label("lbl_Fire_Marco_Count", "Gun_Marco_Fire_Count_Lable", "Str844"),
      label("lbl_Fire_Marco_Y", "Gun_Marco_Fire_Y_Lable", "Str845"),
      label("lbl_Fire_Marco_Y_Offset", "Gun_Marco_Y_Offset_Lable", "Str846"),
      label("lbl_Fire_Marco_Delay", "Gun_Marco_Fire_Delay_Lable", "Str847"),
      label("lbl_Fire_Marco_Color", "Gun_Marco_Fire_Color_Lable", "Str848"),
  };
}

// The dialog frame: title, field, buttons; the combination-key dialog has
// its own keys (Size_K, AKT, AKC, AK_*) and four modifier boxes, the other
// dialogs share the macro-name dialog's (Size_L, MNT, MNC, MN_*).
std::vector<Row> dialogRows(bool assembly) {
  const std::string size = assembly ? "Size_K" : "Size_L";
  const std::string colour = assembly ? "Color_K" : "Color_L";
  const std::string fieldColour = assembly ? "Color_K_AK" : "Color_L_MN";
  const std::string title = assembly ? "AKT" : "MNT";
  const std::string field = assembly ? "AKC" : "MNC";
  const std::string button = assembly ? "AK_" : "MN_";
  const FontRef captionFont{size, 1, colour};
  std::vector<Row> rows{
      Row{.name = assembly ? "lbl_Assembly" : "lbl_MacroName", .stem = title, .kind = Kind::Label,
          .caption = assembly ? "Str500" : "Str510", .font = {size, 5, colour, true}},
      Row{.name = assembly ? "Edt_Assembly" : "Edt_MacroName", .stem = field, .kind = Kind::Edit,
          .caption = assembly ? "=Ctrl + Shift + F12" : "=Macro 1", .font = {size, 3, fieldColour},
          .height = kDialogEditHeight, .widthKey = field + "_W"},
      Row{.name = "Img_Confirm", .stem = button + "Cfm", .kind = Kind::Button, .picture = "BtnS_01",
          .caption = assembly ? "Str501" : "Str511", .font = captionFont},
      Row{.name = "Img_Cancel", .stem = button + "Clear", .kind = Kind::Button, .picture = "BtnS_01",
          .caption = assembly ? "Str502" : "Str512", .font = captionFont},
      Row{.name = "Img_Close", .stem = button + "Close", .kind = Kind::Button, .picture = "ExitS_01"},
  };
  if (assembly) {
    for (const auto& [name, stem, text] : std::array{
             std::array<std::string, 3>{"CB_Ctrl", "MK_C", "=Ctrl"},
             std::array<std::string, 3>{"CB_Shift", "MK_S", "=Shift"},
             std::array<std::string, 3>{"CB_Alt", "MK_A", "=Alt"},
             std::array<std::string, 3>{"CB_Win", "MK_W", "=Win"}}) {
      rows.push_back(Row{.name = name, .stem = stem, .kind = Kind::CheckBox, .caption = text,
                         .font = {size, 0, colour}});
    }
  }
  return rows;
}

}  // namespace

std::string_view pageName(PageId page) {
  switch (page) {
    case PageId::Profile1: return "profile1";
    case PageId::Profile2: return "profile2";
    case PageId::Advanced: return "advanced";
    case PageId::Led: return "led";
    case PageId::Macro: return "macro";
    case PageId::MacroInsert: return "macro-insert";
    case PageId::Fire: return "fire";
    case PageId::DialogAssembly: return "dialog-assembly";
    case PageId::DialogName: return "dialog-name";
  }
  return {};
}

std::optional<PageId> pageFromName(std::string_view name) {
  for (PageId page : kAllPages) {
    if (pageName(page) == name) return page;
  }
  return std::nullopt;
}

bool isDialog(PageId page) { return page == PageId::DialogAssembly || page == PageId::DialogName; }

std::vector<Row> pageRows(PageId page, const PageContext& context) {
  std::vector<Row> own;
  switch (page) {
    case PageId::Profile1:
    case PageId::Profile2: own = profileRows(page, context); break;
    case PageId::Advanced: own = advancedRows(); break;
    case PageId::Led: own = ledRows(); break;
    case PageId::Macro: own = macroRows(false); break;
    case PageId::MacroInsert: own = macroRows(true); break;
    case PageId::Fire: return fireRows();
    case PageId::DialogAssembly: return dialogRows(true);
    case PageId::DialogName: return dialogRows(false);
  }
  // The page picture goes under the common buttons; the page's own controls
  // lie on it.
  std::vector<Row> rows(own.begin(), own.begin() + 1);
  for (Row& row : commonRows(page, context)) rows.push_back(std::move(row));
  rows.insert(rows.end(), own.begin() + 1, own.end());
  return rows;
}

}  // namespace layoutview
