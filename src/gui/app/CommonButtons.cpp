#include "gui/app/CommonButtons.h"

#include <string>

#include "gui/widgets/SkinStyle.h"

namespace orva::gui {
namespace {

enum class Family { A, B, Web };

struct ButtonRow {
  CommonAction action;
  const char* stem;       // image "Img_<stem>", caption label "Btn_<stem>"
  const char* layoutId;   // Btn_<id>_Enable/_X/_Y; empty: not in the layout
  Family family;
  ButtonLook look;
  const char* captionKey;  // empty: no caption
};

const ButtonLook kLookA{"BtnS_01", "BtnS_02", "BtnS_03", ""};
const ButtonLook kLookPage{"SetS_01", "SetS_02", "", "SetS_03"};
const ButtonLook kLookLanguage{"Lang_01", "Lang_02", "", "Lang_03"};

const ButtonRow kButtonRows[] = {
    {CommonAction::Confirm, "Confirm", "A1", Family::A, kLookA, "Str000"},
    {CommonAction::Apply, "Apply", "A2", Family::A, kLookA, "Str001"},
    {CommonAction::Read, "Read", "A8", Family::A, kLookA, "Str017"},
    {CommonAction::Default1, "Confirm1", "A3", Family::A, kLookA, "Str002"},
    {CommonAction::Default2, "Confirm2", "A5", Family::A, kLookA, "Str015"},
    {CommonAction::Default3, "Confirm3", "A6", Family::A, kLookA, "Str016"},
    {CommonAction::Exit, "Exit", "A4", Family::A, {"ExitS_01", "ExitS_02", "", ""}, ""},
    {CommonAction::Minimise, "Mini", "A7", Family::A, {"MiniS_01", "MiniS_02", "", ""}, ""},
    {CommonAction::PageMain, "Main", "B1", Family::B, kLookPage, "Str004"},
    {CommonAction::PageSecond, "Second", "B2", Family::B, kLookPage, "Str005"},
    {CommonAction::PageAdv, "Adv", "B4", Family::B, kLookPage, "Str007"},
    {CommonAction::PageBreath, "Breath", "B5", Family::B, kLookPage, "Str008"},
    {CommonAction::PageMacro, "Macro", "B11", Family::B, kLookPage, "Str014"},
    // The engineering page has no place in the layouts and is never offered.
    {CommonAction::PageEngineer, "Engineer", "", Family::B, kLookPage, ""},
    {CommonAction::Save, "Save", "B6", Family::B, kLookA, "Str009"},
    {CommonAction::Load, "Load", "B7", Family::B, kLookA, "Str010"},
    {CommonAction::Lang1, "Lang1", "B8", Family::B, kLookLanguage, "Str011"},
    {CommonAction::Lang2, "Lang2", "B9", Family::B, kLookLanguage, "Str012"},
    {CommonAction::Lang3, "Lang3", "B10", Family::B, kLookLanguage, "Str013"},
    {CommonAction::Web, "Web", "", Family::Web, {"WebS_01", "WebS_03", "WebS_02", ""}, ""},
};

// Kinds whose captions roll under the pointer (not the web button).
bool rolls(Family family) { return family != Family::Web; }

}  // namespace

CommonButtons::CommonButtons(QWidget* parent, CaptionRoller& roller) : QObject(parent) {
  for (const ButtonRow& row : kButtonRows) {
    auto* button = new SkinnedButton(row.look, parent);
    button->setObjectName(QString("Btn_%1").arg(row.stem));
    if (rolls(row.family)) roller.attach(button);
    connect(button, &SkinnedButton::clicked, this, [this, action = row.action] { emit triggered(action); });
    buttons_[row.action] = button;
  }
  button(CommonAction::PageEngineer)->hide();
}

std::vector<SkinnedButton*> CommonButtons::all() const {
  std::vector<SkinnedButton*> list;
  for (const auto& [action, button] : buttons_) list.push_back(button);
  return list;
}

void CommonButtons::applyLayout(const LayoutFile& layout) {
  const QColor colourA = layoutColour(layout.colour("Color_A"));
  const QColor colourB = layoutColour(layout.colour("Color_B"));
  const int spaceFront = layout.value("Btn_Space_F");
  const int spaceBack = layout.value("Btn_Space_B");
  for (const ButtonRow& row : kButtonRows) {
    SkinnedButton* b = buttons_.at(row.action);
    if (row.family == Family::Web || *row.layoutId == '\0') continue;
    const std::string id = std::string("Btn_") + row.layoutId;
    const bool enabled = layout.enabled(id);
    b->setVisible(enabled);
    if (!enabled) continue;
    b->move(layout.value(id + "_X"), layout.value(id + "_Y"));
    const bool familyA = row.family == Family::A;
    QFont font = b->font();
    font.setPointSize(layout.value(familyA ? "Size_A" : "Size_B"));
    b->setCaptionStyle(font, familyA ? colourA : colourB);
    // Room for the irregular ends of the family-B pictures.
    if (!familyA) b->setCaptionMargins(spaceFront, spaceBack);
  }
}

void CommonButtons::applyTexts(const LanguageTable& table) {
  const QString family = QString::fromStdString(table.fontName());
  for (const ButtonRow& row : kButtonRows) {
    SkinnedButton* b = buttons_.at(row.action);
    QFont font = b->font();
    font.setFamily(family);
    b->setFont(font);
    if (*row.captionKey != '\0') b->setCaption(QString::fromStdString(table.text(row.captionKey)));
  }
  button(CommonAction::PageEngineer)->setCaption("Engineer");
}

void CommonButtons::placeWeb(int x, int y) { button(CommonAction::Web)->move(x, y); }

}  // namespace orva::gui
