#pragma once
// The buttons every main page carries: confirm, apply, read, the three
// defaults, exit, minimise, the page buttons, save, load, the language
// buttons and the web button. One table describes them; the layout places
// them and the language table captions them.

#include <map>
#include <vector>

#include <QObject>
#include <QString>

#include "core/skin/LanguageTable.h"
#include "core/skin/LayoutFile.h"
#include "gui/widgets/CaptionRoller.h"
#include "gui/widgets/SkinnedButton.h"

namespace orva::gui {

enum class CommonAction {
  Confirm, Apply, Read, Default1, Default2, Default3, Exit, Minimise,
  PageMain, PageSecond, PageAdv, PageBreath, PageMacro, PageEngineer,
  Save, Load, Lang1, Lang2, Lang3, Web,
};

class CommonButtons : public QObject {
  Q_OBJECT
 public:
  // Creates the buttons on `parent`; captions roll through `roller`.
  CommonButtons(QWidget* parent, CaptionRoller& roller);

  SkinnedButton* button(CommonAction action) const { return buttons_.at(action); }
  std::vector<SkinnedButton*> all() const;

  // Places, shows or hides the buttons and sets their caption style.
  void applyLayout(const LayoutFile& layout);
  // Captions of the language table, in its font.
  void applyTexts(const LanguageTable& table);
  void placeWeb(int x, int y);

 signals:
  void triggered(orva::gui::CommonAction action);

 private:
  std::map<CommonAction, SkinnedButton*> buttons_;
};

}  // namespace orva::gui
