#include "gui/widgets/CaptionRoller.h"

namespace orva::gui {

CaptionRoller::CaptionRoller(QObject* parent) : QObject(parent) {
  LabelRun_.setInterval(kRollIntervalMs);
  connect(&LabelRun_, &QTimer::timeout, this, &CaptionRoller::LabelRunTimer);
}

void CaptionRoller::attach(SkinnedButton* button) {
  connect(button, &SkinnedButton::entered, this, [this, button] { enter(button); });
  connect(button, &SkinnedButton::left, this, &CaptionRoller::restore);
}

void CaptionRoller::enter(SkinnedButton* button) {
  restore();
  RollLabel_ = button;
  roll_.emplace(button->caption());
  // A disabled label or switched-off rolling never starts the timer, so an
  // idle window has no timer running.
  if (enabled_ && button->isEnabled()) LabelRun_.start();
}

void CaptionRoller::restore() {
  LabelRun_.stop();
  if (RollLabel_ && roll_) RollLabel_->setCaption(roll_->original());
  RollLabel_ = nullptr;
  roll_.reset();
}

void CaptionRoller::LabelRunTimer() {
  if (!RollLabel_ || !roll_) {
    LabelRun_.stop();
    return;
  }
  RollLabel_->setCaption(roll_->tick());
}

}  // namespace orva::gui
