#pragma once
// The profile pages (one group serves both profiles): the mouse picture
// with the nine button labels Key1..Key9, which show the function of each
// button in the profile shown, and the long-press options that switch
// between the profiles.

#include <array>

#include <QString>

#include "core/skin/LayoutFile.h"
#include "core/params/ParamModel.h"
#include "core/keys/LongPressOptions.h"
#include "gui/pages/PageGroup.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/SkinnedButton.h"

namespace orva::gui {

class ProfilePage : public PageGroup {
  Q_OBJECT
 public:
  explicit ProfilePage(QWidget* parent);

  // Positions, widths, fonts and which buttons and options this mouse has.
  void applyLayout(const LayoutFile& layout);
  void setFontFamily(const QString& family);

  SkinnedButton* key(int n) { return keys_[n - 1]; }  // n = 1..9
  QString keyCaption(int n) const { return keys_[n - 1]->caption(); }
  void setKeyCaption(int n, const QString& caption) { keys_[n - 1]->setCaption(caption); }

  void setOptionCaption(int option, const QString& caption);
  // The check images follow the options of the model.
  void showOptions(const ParamModel& model);
  QString optionPicture(int option) const { return optionPictures_[option - 1]; }
  // The gun-key option is on the page only on profile 2 with the gun items;
  // the layout can leave it off altogether (ComboKey3_Enable).
  void setGunOptionWanted(bool wanted);

 signals:
  void keyClicked(int n);
  void optionClicked(int option);

 private:
  void showOption(int option);

  std::array<SkinnedButton*, kButtons> keys_{};
  std::array<ClickLabel*, kLongPressOptions> optionImages_{};
  std::array<ClickLabel*, kLongPressOptions> optionLabels_{};
  std::array<QString, kLongPressOptions> optionPictures_{};
  std::array<bool, kLongPressOptions> optionEnabled_{};
  bool gunWanted_ = false;
  int captionPoints_ = 10;
  QColor captionColour_ = Qt::white;
  QString family_;
};

}  // namespace orva::gui
