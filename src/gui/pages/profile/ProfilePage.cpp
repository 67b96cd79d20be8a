#include "gui/pages/profile/ProfilePage.h"

#include "gui/widgets/SkinPictures.h"
#include "gui/widgets/SkinStyle.h"

namespace orva::gui {
namespace {

const ButtonLook kKeyLook{"KeyS_01", "KeyS_02", "", ""};
constexpr int kProfilePicture = 1;

}  // namespace

ProfilePage::ProfilePage(QWidget* parent) : PageGroup(kProfilePicture, parent) {
  for (int n = 1; n <= kButtons; ++n) {
    auto* key = new SkinnedButton(kKeyLook, this);
    key->setObjectName(QString("Key%1").arg(n));
    connect(key, &SkinnedButton::clicked, this, [this, n] { emit keyClicked(n); });
    keys_[n - 1] = key;
  }
  for (int option = 1; option <= kLongPressOptions; ++option) {
    auto* image = new ClickLabel(this);
    image->setObjectName(QString("Img_ComboKey%1").arg(option));
    auto* label = new ClickLabel(this);
    label->setObjectName(QString("IB_ComboKey%1").arg(option));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (ClickLabel* w : {image, label}) {
      connect(w, &ClickLabel::clicked, this, [this, option] { emit optionClicked(option); });
    }
    optionImages_[option - 1] = image;
    optionLabels_[option - 1] = label;
    optionPictures_[option - 1] = "CbS_D";
    image->setPixmap(skinPicture("CbS_D"));
    image->adjustSize();
  }
}

void ProfilePage::applyLayout(const LayoutFile& layout) {
  captionPoints_ = layout.value("Size_C");
  captionColour_ = layoutColour(layout.colour("Color_C"));
  setPicturePosition({layout.value("P1_X"), layout.value("P1_Y")});
  const int width = layout.value("Key_Width");
  for (int n = 1; n <= kButtons; ++n) {
    SkinnedButton* key = keys_[n - 1];
    const std::string stem = "Key" + std::to_string(n);
    // A hidden key is a button this mouse does not have.
    key->setVisible(layout.enabled(stem));
    if (!layout.enabled(stem)) continue;
    const LayoutPoint at = layout.position(stem);
    key->setGeometry(at.x, at.y, width, key->height());
  }
  const int d = layout.value("ComboKey_D");
  const int h = layout.value("ComboKey_H");
  const int labelWidth = layout.value("Combox_Width");
  for (int option = 1; option <= kLongPressOptions; ++option) {
    const std::string stem = "ComboKey" + std::to_string(option);
    optionEnabled_[option - 1] = layout.enabled(stem);
    if (optionEnabled_[option - 1]) {
      const LayoutPoint at = layout.position(stem);
      optionImages_[option - 1]->move(at.x, at.y);
      optionLabels_[option - 1]->setGeometry(at.x + d, at.y + h, labelWidth, 2 * captionPoints_ + 4);
    }
    showOption(option);
  }
  setFontFamily(family_);
}

void ProfilePage::setFontFamily(const QString& family) {
  family_ = family;
  for (SkinnedButton* key : keys_) key->setCaptionStyle(captionFont(family, captionPoints_), captionColour_);
  QPalette palette;
  palette.setColor(QPalette::WindowText, captionColour_);
  for (ClickLabel* label : optionLabels_) {
    label->setFont(captionFont(family, captionPoints_ - 1));
    label->setPalette(palette);
  }
}

void ProfilePage::setOptionCaption(int option, const QString& caption) {
  optionLabels_[option - 1]->setText(caption);
}

void ProfilePage::showOptions(const ParamModel& model) {
  for (int option = 1; option <= kLongPressOptions; ++option) {
    const QString name = longPressOption(model, option) ? "CbS_E" : "CbS_D";
    if (optionPictures_[option - 1] == name) continue;
    optionPictures_[option - 1] = name;
    optionImages_[option - 1]->setPixmap(skinPicture(name));
  }
}

void ProfilePage::setGunOptionWanted(bool wanted) {
  gunWanted_ = wanted;
  showOption(3);
}

void ProfilePage::showOption(int option) {
  const bool shown = optionEnabled_[option - 1] && (option != 3 || gunWanted_);
  optionImages_[option - 1]->setVisible(shown);
  optionLabels_[option - 1]->setVisible(shown);
}

}  // namespace orva::gui
