#pragma once
// The caption of the button under the pointer scrolls left one character per
// tick (every 200 ms) when rolling captions are switched on; a gap of four
// blanks goes in once per hover.

#include <QString>

namespace orva::gui {

inline constexpr int kRollIntervalMs = 200;

class RollingCaption {
 public:
  explicit RollingCaption(const QString& caption) : original_(caption), text_(caption) {}

  // One step; returns the text to show.
  const QString& tick();
  const QString& original() const { return original_; }

 private:
  QString original_;
  QString text_;
  int RollCount_ = 0;
};

}  // namespace orva::gui
