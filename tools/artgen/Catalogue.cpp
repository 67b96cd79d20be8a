#include "Catalogue.h"

#include "Buttons.h"
#include "Controls.h"
#include "Guns.h"
#include "Pages.h"
#include "Window.h"
#include "WindowButtons.h"

#include <array>

namespace artgen {

namespace {

constexpr int kLanguages = 3;
constexpr QSize kButtonSize{110, 27};
constexpr QSize kKeyLabelSize{200, 27};
constexpr QSize kNarrowKeyLabelSize{170, 27};
constexpr QSize kWindowBoxSize{22, 22};
constexpr QSize kWebSize{200, 66};
constexpr QSize kMacroButtonSize{113, 28};
constexpr QSize kSmallButtonSize{44, 27};
constexpr QSize kInsertSize{207, 162};
constexpr QSize kBar1Size{26, 18};
constexpr QSize kBar2Size{20, 18};

// Suffixes of the three button states, in the order of the Look values.
constexpr std::array kLooks{Look::Normal, Look::Hover, Look::Active};

QString stateName(const QString& stem, int state) { return stem + QStringLiteral("_%1").arg(state, 2, 10, QChar('0')); }

void add(std::vector<Picture>& all, QString name, QSize size, std::function<QImage()> draw) {
  all.push_back({std::move(name), size, false, std::move(draw)});
}

// The pictures carry no language text, so the three languages share them.
void addLanguagePictures(std::vector<Picture>& all) {
  for (int lang = 1; lang <= kLanguages; ++lang) {
    const QString prefix = QStringLiteral("L%1_").arg(lang);
    const bool languagesInHeader = lang == kLanguages;
    all.push_back({prefix + "BackGround", kWindowSize, true, [=] { return windowBackground(languagesInHeader); }});
    add(all, prefix + "Back1", kProfilePageSize, profilePage);
    add(all, prefix + "Back2", kPageSize, advancedPage);
    add(all, prefix + "Back3", kPageSize, ledPage);
    add(all, prefix + "Back4", kPageSize, macroPage);
    add(all, prefix + "Back5", kFirePageSize, firePage);
  }
  // The sixth page picture is only kept for languages 1 and 2.
  add(all, "L1_BACK6", kSparePageSize, sparePage);
  add(all, "L2_BACK6", kSparePageSize, sparePage);
}

void addButtons(std::vector<Picture>& all) {
  for (int i = 0; i < 3; ++i) {
    const Look look = kLooks[i];
    add(all, stateName("BtnS", i + 1), kButtonSize, [=] { return pushButton(kButtonSize, look); });
    add(all, stateName("SetS", i + 1), kButtonSize, [=] { return pageTab(look); });
    add(all, stateName("Lang", i + 1), kButtonSize, [=] { return languageButton(look); });
    add(all, stateName("ExitS", i + 1), kWindowBoxSize, [=] { return closeButton(look); });
    add(all, stateName("MacroBtnS", i + 1), kSmallButtonSize, [=] { return pushButton(kSmallButtonSize, look); });
  }
  add(all, "MiniS_01", kWindowBoxSize, [] { return minimiseButton(Look::Normal); });
  add(all, "MiniS_02", kWindowBoxSize, [] { return minimiseButton(Look::Hover); });
  add(all, "MINIS_03", kWindowBoxSize, [] { return minimiseButton(Look::Active); });
  add(all, "KeyS_01", kKeyLabelSize, [] { return keyLabel(kKeyLabelSize, Look::Normal); });
  add(all, "KeyS_02", kKeyLabelSize, [] { return keyLabel(kKeyLabelSize, Look::Hover); });
  add(all, "KEYS_03", kNarrowKeyLabelSize, [] { return keyLabel(kNarrowKeyLabelSize, Look::Active); });
  // The web button's second picture is the pressed one, its third the hover.
  add(all, "WebS_01", kWebSize, [] { return webButton(Look::Normal); });
  add(all, "WebS_02", kWebSize, [] { return webButton(Look::Active); });
  add(all, "WebS_03", kWebSize, [] { return webButton(Look::Hover); });
  add(all, "MacroS_01", kMacroButtonSize, [] { return pushButton(kMacroButtonSize, Look::Normal); });
  add(all, "MacroS_02", kMacroButtonSize, [] { return pushButton(kMacroButtonSize, Look::Hover); });
  add(all, "MacroS_03", kMacroButtonSize, [] { return recordButton(false); });
  add(all, "MacroS_04", kMacroButtonSize, [] { return recordButton(true); });
}

void addControls(std::vector<Picture>& all) {
  add(all, "InsertDelayBase", kInsertSize, [] { return insertPanel(InsertKind::Delay); });
  add(all, "InsertKeyBase", kInsertSize, [] { return insertPanel(InsertKind::Key); });
  add(all, "INSERTXYBASE", kInsertSize, [] { return insertPanel(InsertKind::Movement); });
  add(all, "CbS_D", {19, 19}, [] { return checkBox(false); });
  add(all, "CbS_E", {19, 19}, [] { return checkBox(true); });
  add(all, "RdS_D", {15, 15}, [] { return radioButton(false); });
  add(all, "RdS_E", {15, 15}, [] { return radioButton(true); });
  add(all, "Col_F", {18, 18}, swatchFrame);
  add(all, "Bar1_D", kBar1Size, [] { return barCell(kBar1Size, false); });
  add(all, "Bar1_E", kBar1Size, [] { return barCell(kBar1Size, true); });
  add(all, "BAR2_D", kBar2Size, [] { return barCell(kBar2Size, false); });
  add(all, "BAR2_E", kBar2Size, [] { return barCell(kBar2Size, true); });
  add(all, "Slider_Thumb", {25, 25}, sliderThumb);
  add(all, "Slider_Ruler", {25, 25}, sliderRuler);
}

void addFirePictures(std::vector<Picture>& all) {
  for (int gun = 1; gun <= kGunCount; ++gun) {
    add(all, QStringLiteral("Gun%1_01").arg(gun), kGunSize, [=] { return gunPicture(gun, false); });
    add(all, QStringLiteral("Gun%1_02").arg(gun), kGunSize, [=] { return gunPicture(gun, true); });
  }
  // Gun 6 has two phases (modes 1, 2), gun 7 three (modes 3..5); later
  // phases get larger badges.
  struct Mode {
    int phase;
    int edge;
  };
  constexpr std::array kModes{Mode{1, 42}, Mode{2, 52}, Mode{1, 42}, Mode{2, 52}, Mode{3, 62}};
  for (std::size_t i = 0; i < kModes.size(); ++i) {
    const Mode m = kModes[i];
    add(all, QStringLiteral("GunMode%1").arg(i + 1), QSize(m.edge, m.edge), [=] { return gunModeBadge(m.phase, m.edge); });
  }
}

}  // namespace

std::vector<Picture> catalogue() {
  std::vector<Picture> all;
  addLanguagePictures(all);
  addButtons(all);
  addControls(all);
  addFirePictures(all);
  all.push_back({"Msg", kDialogSize, true, dialogFrame});
  return all;
}

}  // namespace artgen
