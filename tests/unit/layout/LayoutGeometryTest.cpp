// The shipped layouts put the controls of each page inside the window and
// without overlaps. Only controls whose size is known are checked:
//  - pictures of fixed size: buttons of families A and B (110 x 27, the
//    window buttons 22 x 22), check images (19 x 19), swatches (18 x 18),
//    macro buttons (113 x 28), insert-panel buttons (44 x 27), guns
//    (120 x 56), gun modes, the LED-count bar (26 x 18 cells, numbers 24 below);
//  - Key labels (Key_Width x 27), the profile-switch captions (Combox_Width);
//  - labels of the label family (_Width wide, twice the font size high);
//  - the DPI rows (names DPI_Lable_Width wide, 225 x 25 sliders) and the
//    pointer slider rows (eleven ticks D apart, tick labels below);
//  - edits and value labels at their smallest plausible size (40 x 20);
//  - the macro lists (the content list as high as the library list).
// Controls at a coordinate beyond the window are hidden and skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/skin/LayoutFile.h"
#include "unit/layout/ShippedLayouts.h"

namespace orva {
namespace {

constexpr int kWindowWidth = 1030;
constexpr int kWindowHeight = 662;
constexpr int kHiddenFrom = 2145;  // the smallest coordinate that hides a control

struct Size {
  int width;
  int height;
};

constexpr Size kButton{110, 27};
constexpr Size kWindowButton{22, 22};
constexpr int kKeyHeight = 27;
constexpr Size kCheck{19, 19};
constexpr Size kSwatch{18, 18};
constexpr Size kMinimumEdit{40, 20};
constexpr Size kMacroButton{113, 28};
constexpr Size kInsertButton{44, 27};
constexpr Size kInsertPanel{207, 162};
constexpr Size kGun{120, 56};
constexpr Size kSlider{225, 25};
constexpr int kSliderThumb = 25;
constexpr int kTicks = 11;
constexpr int kTickLabelsBelow = 26;
constexpr Size kBarCell{26, 18};
constexpr int kBarCells = 10;
constexpr int kBarNumbersBelow = 24;
constexpr Size kGunModes[] = {{42, 42}, {52, 52}, {42, 42}, {52, 52}, {62, 62}};
// The opaque box of the dialog picture.
constexpr int kDialogBoxLeft = 235;
constexpr int kDialogBoxTop = 230;
constexpr int kDialogBoxRight = 765;
constexpr int kDialogBoxBottom = 430;
constexpr int kDialogFieldHeight = 22;

struct Rect {
  std::string name;
  int x, y, width, height;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool hidden() const { return x >= kHiddenFrom || y >= kHiddenFrom; }
};

bool overlap(const Rect& a, const Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// The three language buttons of the Chinese layout stand 100 pixels apart,
// so the 110-pixel pictures overlap by their transparent ends.
constexpr int kLanguageButtonEnds = 10;

bool languageButtons(const Rect& a, const Rect& b) {
  const auto isLanguage = [](const Rect& r) {
    return r.name == "Btn_B8" || r.name == "Btn_B9" || r.name == "Btn_B10";
  };
  return isLanguage(a) && isLanguage(b) && a.y == b.y &&
         std::min(a.right(), b.right()) - std::max(a.x, b.x) <= kLanguageButtonEnds;
}

class Page {
 public:
  explicit Page(const LayoutFile& layout) : l_(layout) {}

  const std::vector<Rect>& rects() const { return rects_; }

  void add(std::string name, LayoutPoint at, Size size) {
    rects_.push_back({std::move(name), at.x, at.y, size.width, size.height});
  }
  void picture(const std::string& stem, Size size) { add(stem, l_.position(stem), size); }
  void switched(const std::string& stem, Size size) {
    if (l_.enabled(stem)) picture(stem, size);
  }
  void label(const std::string& stem) {
    add(stem, l_.position(stem),
        {l_.value(stem + "_Width"), 2 * l_.value(stem + "_Size")});
  }
  // The labels of the delay panel stand in panel coordinates.
  void panelLabel(const std::string& stem, LayoutPoint panel) {
    const LayoutPoint at = l_.position(stem);
    add(stem, {panel.x + at.x, panel.y + at.y},
        {l_.value(stem + "_Width"), 2 * l_.value(stem + "_Size")});
  }
  void panelPicture(const std::string& stem, LayoutPoint panel, Size size) {
    const LayoutPoint at = l_.position(stem);
    add(stem, {panel.x + at.x, panel.y + at.y}, size);
  }
  void pointerSlider(const std::string& stem) {
    const int step = l_.value(stem + "_D");
    add(stem, l_.position(stem),
        {(kTicks - 1) * step + kSliderThumb, kTickLabelsBelow + 2 * l_.value("Size_D")});
  }

 private:
  const LayoutFile& l_;
  std::vector<Rect> rects_;
};

// The buttons that each of the four main page groups carries.
void commonButtons(Page& page) {
  for (const char* stem : {"Btn_A1", "Btn_A2", "Btn_A3", "Btn_A5", "Btn_A6", "Btn_A8", "Btn_B1",
                           "Btn_B2", "Btn_B4", "Btn_B5", "Btn_B6", "Btn_B7", "Btn_B8", "Btn_B9",
                           "Btn_B10", "Btn_B11"}) {
    page.switched(stem, kButton);
  }
  page.switched("Btn_A4", kWindowButton);
  page.switched("Btn_A7", kWindowButton);
}

Page profilePage(const LayoutFile& l) {
  Page page(l);
  commonButtons(page);
  for (int n = 1; n <= 9; ++n) {
    page.switched("Key" + std::to_string(n), {l.value("Key_Width"), kKeyHeight});
  }
  const Size caption{l.value("Combox_Width"), 2 * (l.value("Size_C") - 1)};
  for (int n = 1; n <= 3; ++n) {
    const std::string stem = "ComboKey" + std::to_string(n);
    if (!l.enabled(stem)) continue;
    const LayoutPoint at = l.position(stem);
    page.add(stem, at, kCheck);
    page.add("IB_" + stem, {at.x + l.value("ComboKey_D"), at.y + l.value("ComboKey_H")}, caption);
  }
  return page;
}

Page advancedPage(const LayoutFile& l) {
  Page page(l);
  commonButtons(page);
  page.picture("FKCnt", kMinimumEdit);
  page.picture("FKDelay", kMinimumEdit);
  for (const char* stem : {"IsFireContinue", "IsControl", "IsScreen"}) page.picture(stem, kCheck);
  for (const char* stem : {"Spd", "DbSpd", "ScrSpd"}) page.pointerSlider(stem);
  const Size name{l.value("DPI_Lable_Width"), 2 * (l.value("Size_D") + 1)};
  const Size value{kMinimumEdit.width, 2 * l.value("Size_D")};
  for (int n = 1; n <= 7; ++n) {
    const std::string stem = "DPI" + std::to_string(n);
    page.picture(stem + "_Color", kSwatch);
    page.picture(stem + "_Check", kCheck);
    page.picture(stem, name);
    page.picture(stem + "_Value", value);
    page.picture(stem + "_Steps", kSlider);
  }
  page.picture("AIMKey", name);
  page.picture("AIMKey_Value", value);
  page.picture("AIMKey_Steps", kSlider);
  if (l.value("DPI_Count_Visible") == 1) page.picture("DPI_Count", kMinimumEdit);
  for (const char* stem : {"Fire_Key_Lable", "Fire_Key_Count_Lable", "Fire_Key_Time_Lable",
                           "Fire_Key_Continue_Lable", "Mouse_Speed_Lable", "Mouse_IsControl_Lable",
                           "Mouse_Double_Click_Lable", "Mouse_Roller_Speed_Lable",
                           "Mouse_Roll_All_Screen_Lable", "DPI_Setting_Lable", "DPI_Value_Lable",
                           "DPI_Note_Lable"}) {
    page.label(stem);
  }
  return page;
}

Page ledPage(const LayoutFile& l) {
  Page page(l);
  commonButtons(page);
  for (const char* stem : {"LEDOn", "LEDOff", "B4CPIOn", "B4CPIOff", "LEDSwitchOn", "LEDSwitchOff",
                           "SaveKeyMode", "NoSaveKeyMode", "LED3Control", "LED6Control"}) {
    page.picture(stem, kCheck);
  }
  const Size modeCaption{0, 2 * l.value("LED_Mode_Option_Lable_Size")};
  for (int n = 1; n <= 7; ++n) {
    page.picture("MCULEDMode" + std::to_string(n), kCheck);
    const std::string caption = "LED_Mode_" + std::to_string(n) + "_Lable";
    page.add(caption, l.position(caption), {l.value(caption + "_Width"), modeCaption.height});
  }
  const int cells = kBarCells * kBarCell.width + (kBarCells - 1) * l.value("MCULEDNum_D");
  page.add("MCULEDNum", l.position("MCULEDNum"),
           {cells, kBarNumbersBelow + 2 * l.value("Size_E")});
  page.picture("MCULEDStep", kSlider);
  for (const char* stem : {"LED_Status_Lable", "LED_On_Lable", "LED_Off_Lable", "LCPI_Status_Lable",
                           "LCPI_On_Lable", "LCPI_Off_Lable", "MCPI_Status_Lable", "MCPI_On_Lable",
                           "MCPI_Off_Lable", "LED_Light_Status_Lable", "LED_Light_All_Lable",
                           "LED_Light_Half_Lable", "LED_Mode_Lable", "LED_Effect_Setting_Lable",
                           "LED_Effect_Slow_Lable", "LED_Effect_Fast_Lable"}) {
    page.label(stem);
  }
  return page;
}

void macroLists(Page& page, const LayoutFile& l) {
  commonButtons(page);
  const int listHeight = l.value("PCMacroName_H");
  page.picture("PCMacroName", {l.value("PCMacroName_W"), listHeight});
  page.picture("MacroContent", {l.value("MacroContent_W"), listHeight});
  for (const char* stem : {"BtnNew", "BtnStart", "BtnDelete"}) page.picture(stem, kMacroButton);
  page.label("Marco_List_Lable");
  page.label("Marco_Content_Lable");
}

Page macroPage(const LayoutFile& l) {
  Page page(l);
  macroLists(page, l);
  const LayoutPoint panel = l.position("DelayTime");
  for (const char* stem : {"RecDelay", "DelaySetting", "NoDelay", "ReleaseStop", "ReleaseContinue",
                           "CircleTimes", "CircleAll"}) {
    page.panelPicture(stem, panel, kCheck);
  }
  page.panelPicture("DelayEdit", panel, kMinimumEdit);
  page.panelPicture("CircleEdit", panel, kMinimumEdit);
  for (const char* stem : {"Marco_Record_Delay_Lable", "Marco_Delay_Setting_Lable",
                           "Marco_No_Delay_Lable", "Marco_MS_Lable", "Marco_Stop_Release_Lable",
                           "Marco_Stop_Over_Lable", "Marco_Circle_Times_Lable",
                           "Marco_Circle_ALL_Lable"}) {
    page.panelLabel(stem, panel);
  }
  return page;
}

// While an insertion is pending the insert panel replaces the delay panel.
Page macroInsertPage(const LayoutFile& l) {
  Page page(l);
  macroLists(page, l);
  const LayoutPoint panel = l.position("Insert");
  page.add("Gb_Insert", panel, kInsertPanel);
  return page;
}

// The insert panel on its own, in panel coordinates.
Page insertPanel(const LayoutFile& l) {
  Page page(l);
  page.picture("InsertBtnStart", kMacroButton);
  page.picture("InsertBtnOK", kInsertButton);
  page.picture("InsertBtnCancel", kInsertButton);
  const int rows = l.value("InsertRecDelay_H");
  const LayoutPoint first = l.position("InsertRecDelay");
  for (int row = 0; row < 3; ++row) {
    page.add("InsertOption" + std::to_string(row + 1), {first.x, first.y + row * rows}, kCheck);
  }
  page.picture("InsertDelayEdit", kMinimumEdit);
  return page;
}

// The fire page of gun `gun` (6 shows modes 1 and 2, 7 modes 3 to 5).
Page firePage(const LayoutFile& l, int gun) {
  Page page(l);
  for (int n = 1; n <= 7; ++n) page.picture("Fire" + std::to_string(n), kGun);
  const int firstMode = gun == 6 ? 1 : 3;
  const int lastMode = gun == 6 ? 2 : 5;
  for (int n = firstMode; n <= lastMode; ++n) {
    page.picture("GunMode" + std::to_string(n), kGunModes[n - 1]);
  }
  for (int n = 1; n <= 3; ++n) {
    const std::string i = std::to_string(n);
    page.picture("RKFS" + i, kCheck);
    page.picture("FireColor" + i, kSwatch);
    for (const std::string& edit : {"FireCnt" + i, "FireX" + i, "FireY" + i, "FireY" + i + "_Offset",
                                    "FireTime" + i}) {
      page.picture(edit, kMinimumEdit);
    }
  }
  page.picture("FireConfirm", kButton);
  page.picture("FireCancel", kButton);
  for (const char* stem : {"Gun_Marco_Stop_Release_Lable", "Gun_Marco_Fire_Count_Lable",
                           "Gun_Marco_Fire_Y_Lable", "Gun_Marco_Y_Offset_Lable",
                           "Gun_Marco_Fire_Delay_Lable", "Gun_Marco_Fire_Color_Lable"}) {
    page.label(stem);
  }
  return page;
}

Page assemblyDialog(const LayoutFile& l) {
  Page page(l);
  page.picture("AKC", {l.value("AKC_W"), kDialogFieldHeight});
  page.picture("AK_Cfm", kButton);
  page.picture("AK_Clear", kButton);
  page.picture("AK_Close", kWindowButton);
  for (const char* stem : {"MK_A", "MK_C", "MK_S", "MK_W"}) page.picture(stem, {40, 20});
  return page;
}

Page inputDialog(const LayoutFile& l) {
  Page page(l);
  page.picture("MNC", {l.value("MNC_W"), kDialogFieldHeight});
  page.picture("MN_Cfm", kButton);
  page.picture("MN_Clear", kButton);
  page.picture("MN_Close", kWindowButton);
  return page;
}

struct Bounds {
  int left, top, right, bottom;
};

constexpr Bounds kWindow{0, 0, kWindowWidth, kWindowHeight};

void expectTidy(const Page& page, Bounds bounds, const std::string& where) {
  std::vector<const Rect*> shown;
  for (const Rect& r : page.rects()) {
    if (!r.hidden()) shown.push_back(&r);
  }
  EXPECT_FALSE(shown.empty()) << where;
  for (const Rect* r : shown) {
    EXPECT_TRUE(r->x >= bounds.left && r->y >= bounds.top && r->right() <= bounds.right &&
                r->bottom() <= bounds.bottom)
        << where << ": " << r->name << " (" << r->x << ", " << r->y << ", " << r->width << " x "
        << r->height << ") is cut off";
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      EXPECT_FALSE(overlap(*shown[i], *shown[j]) && !languageButtons(*shown[i], *shown[j]))
          << where << ": " << shown[i]->name << " overlaps " << shown[j]->name;
    }
  }
}

class LayoutGeometry : public ::testing::TestWithParam<int> {
 protected:
  const LayoutFile& layout() const { return test::shippedLayout(GetParam()); }
  std::string where(const char* page) const {
    return "org" + std::to_string(GetParam()) + " " + page;
  }
};

INSTANTIATE_TEST_SUITE_P(AllLanguages, LayoutGeometry, ::testing::Values(1, 2, 3));

TEST_P(LayoutGeometry, ProfilePage) { expectTidy(profilePage(layout()), kWindow, where("profile")); }
TEST_P(LayoutGeometry, AdvancedPage) { expectTidy(advancedPage(layout()), kWindow, where("advanced")); }
TEST_P(LayoutGeometry, LedPage) { expectTidy(ledPage(layout()), kWindow, where("LED")); }
TEST_P(LayoutGeometry, MacroPage) { expectTidy(macroPage(layout()), kWindow, where("macro")); }

TEST_P(LayoutGeometry, MacroPageWhileInserting) {
  expectTidy(macroInsertPage(layout()), kWindow, where("macro, inserting"));
  expectTidy(insertPanel(layout()), {0, 0, kInsertPanel.width, kInsertPanel.height},
             where("insert panel"));
}

TEST_P(LayoutGeometry, FirePage) {
  expectTidy(firePage(layout(), 6), kWindow, where("fire, gun 6"));
  expectTidy(firePage(layout(), 7), kWindow, where("fire, gun 7"));
}

TEST_P(LayoutGeometry, Dialogs) {
  const Bounds box{kDialogBoxLeft, kDialogBoxTop, kDialogBoxRight, kDialogBoxBottom};
  expectTidy(assemblyDialog(layout()), box, where("combination-key dialog"));
  expectTidy(inputDialog(layout()), box, where("input dialogs"));
}

}  // namespace
}  // namespace orva
