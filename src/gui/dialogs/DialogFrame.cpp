#include "gui/dialogs/DialogFrame.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <cstdint>
#include <string>
#include <utility>

#include "core/skin/Languages.h"
#include "core/skin/LayoutFile.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/widgets/SkinPictures.h"
#include "gui/widgets/SkinnedButton.h"
#include "gui/widgets/WindowShape.h"

namespace orva::gui {
namespace {

constexpr int kFieldHeight = 22;
constexpr int kNameLength = 16;

// The layout keys of one block: the combination-key dialog has its own, the
// other four share one.
struct LayoutKeys {
  const char* textSize;
  const char* textColour;
  const char* fieldColour;
  const char* title;
  const char* field;
  const char* confirm;
  const char* clear;
  const char* close;
};

constexpr LayoutKeys kAssemblyKeys{"Size_K", "Color_K", "Color_K_AK", "AKT", "AKC", "AK_Cfm", "AK_Clear", "AK_Close"};
constexpr LayoutKeys kInputKeys{"Size_L", "Color_L", "Color_L_MN", "MNT", "MNC", "MN_Cfm", "MN_Clear", "MN_Close"};

// The modifier boxes' captions and layout stems, in the order of Modifier.
constexpr std::array<std::pair<const char*, const char*>, 4> kModifierBoxes{
    {{"Ctrl", "MK_C"}, {"Shift", "MK_S"}, {"Alt", "MK_A"}, {"Win", "MK_W"}}};

struct KindTraits {
  const char* titleKey;
  const char* confirmKey;
  const char* clearKey;
  bool boldTitle;
  bool keysOnly;  // keys are captured, not typed
};

KindTraits traits(DialogKind kind) {
  switch (kind) {
    case DialogKind::Assembly: return {"Str500", "Str501", "Str502", true, true};
    case DialogKind::MacroName: return {"Str510", "Str511", "Str512", true, false};
    case DialogKind::EditKey: return {"Str520", "Str511", "Str512", false, true};
    case DialogKind::EditTime: return {"Str521", "Str511", "Str512", false, false};
    case DialogKind::Value: return {"Str523", "Str511", "Str512", false, false};
  }
  Q_UNREACHABLE();
}

QColor layoutColour(std::uint32_t value) {
  return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

QFont face(const QString& family, int points, bool bold = false) {
  QFont font(family);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, colour);
  w->setPalette(palette);
}

QPoint at(const LayoutFile& layout, const char* stem) {
  const LayoutPoint p = layout.position(stem);
  return {p.x, p.y};
}

}  // namespace

DialogFrame::DialogFrame(DialogKind kind, int languageIndex, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      kind_(kind),
      background_(skinPicture(QStringLiteral("Msg"))),
      title_(new QLabel(this)),
      field_(new QLineEdit(this)),
      confirm_(new SkinnedButton({"BtnS_01", "BtnS_02", "BtnS_03", ""}, this)),
      clear_(new SkinnedButton({"BtnS_01", "BtnS_02", "BtnS_03", ""}, this)),
      close_(new SkinnedButton({"ExitS_01", "ExitS_02", "ExitS_03", ""}, this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(background_.size());
  // Only the picture's box is the window: beside it the pointer reaches the
  // main window.
  setMask(opaqueRegion(background_.toImage()));
  move(dialogPosition(mainWindow->geometry(), size(), kind_ == DialogKind::Assembly));

  title_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  field_->setFrame(false);
  field_->setAlignment(Qt::AlignCenter);
  field_->setReadOnly(traits(kind_).keysOnly);
  if (kind_ == DialogKind::MacroName) field_->setMaxLength(kNameLength);
  if (kind_ == DialogKind::Assembly) {
    for (std::size_t i = 0; i < kModifierBoxes.size(); ++i) {
      modifiers_[i] = new QCheckBox(QString::fromLatin1(kModifierBoxes[i].first), this);
    }
  }
  applyLayoutAndLanguage(languageIndex);

  connect(confirm_, &SkinnedButton::clicked, this, &DialogFrame::confirm);
  connect(clear_, &SkinnedButton::clicked, this, [this] {
    field_->clear();
    field_->setFocus();
    emit cleared();
  });
  connect(close_, &SkinnedButton::clicked, this, [this] {
    emit dismissed();
    close();
  });
}

void DialogFrame::applyLayoutAndLanguage(int languageIndex) {
  const LayoutResult loaded = LoadLayout(languageIndex);
  if (!loaded) qFatal("built-in layout %d: %s", languageIndex, loaded.error.c_str());
  const LayoutFile& layout = *loaded.layout;
  const LayoutKeys& keys = kind_ == DialogKind::Assembly ? kAssemblyKeys : kInputKeys;
  const LanguageTable& texts = languageTable(languageIndex);
  const KindTraits kindTraits = traits(kind_);
  const QString family = QString::fromStdString(texts.fontName());
  const int size = layout.value(keys.textSize);
  const QColor textColour = layoutColour(layout.colour(keys.textColour));
  const auto caption = [&](const char* key) { return QString::fromStdString(texts.text(key)); };

  title_->setFont(face(family, size + 5, kindTraits.boldTitle));
  setTextColour(title_, textColour);
  title_->setText(caption(kindTraits.titleKey));
  title_->adjustSize();
  title_->move(at(layout, keys.title));

  field_->setFont(face(family, size + 3));
  QPalette fieldPalette = field_->palette();
  fieldPalette.setColor(QPalette::Base, Qt::white);
  fieldPalette.setColor(QPalette::Text, layoutColour(layout.colour(keys.fieldColour)));
  field_->setPalette(fieldPalette);
  const std::string fieldStem = keys.field;
  field_->setGeometry(QRect(at(layout, keys.field), QSize(layout.value(fieldStem + "_W"), kFieldHeight)));

  for (std::size_t i = 0; i < modifiers_.size(); ++i) {
    if (!modifiers_[i]) continue;
    modifiers_[i]->setFont(face(family, size));
    setTextColour(modifiers_[i], textColour);
    modifiers_[i]->adjustSize();
    modifiers_[i]->move(at(layout, kModifierBoxes[i].second));
  }

  const QFont buttonFont = face(family, size + 1);
  confirm_->setCaption(caption(kindTraits.confirmKey));
  clear_->setCaption(caption(kindTraits.clearKey));
  for (SkinnedButton* button : {confirm_, clear_}) button->setCaptionStyle(buttonFont, textColour);
  confirm_->move(at(layout, keys.confirm));
  clear_->move(at(layout, keys.clear));
  close_->move(at(layout, keys.close));
}

void DialogFrame::open() {
  show();
  raise();
  activateWindow();
  field_->setFocus();
}

void DialogFrame::confirm() {
  keepOpen_ = false;
  emit confirmed();
  if (!keepOpen_) close();
}

void DialogFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, background_);
}

}  // namespace orva::gui
