#pragma once
// Scrolls the caption of the skinned button under the pointer (one timer
// for the whole window) when rolling captions are switched on, and puts the
// caption back when the pointer leaves.

#include <optional>

#include <QPointer>
#include <QTimer>

#include "gui/widgets/RollingCaption.h"
#include "gui/widgets/SkinnedButton.h"

namespace orva::gui {

class CaptionRoller : public QObject {
  Q_OBJECT
 public:
  explicit CaptionRoller(QObject* parent = nullptr);

  // TR_Enable of the settings block.
  void setEnabled(bool enabled) { enabled_ = enabled; }
  void attach(SkinnedButton* button);
  // Puts back the caption of the button being rolled, if any (before its
  // caption is set anew, e.g. on a language switch).
  void restore();

 private:
  void enter(SkinnedButton* button);
  void LabelRunTimer();

  bool enabled_ = false;
  QTimer LabelRun_;
  QPointer<SkinnedButton> RollLabel_;
  std::optional<RollingCaption> roll_;
};

}  // namespace orva::gui
