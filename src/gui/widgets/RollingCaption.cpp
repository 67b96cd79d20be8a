#include "gui/widgets/RollingCaption.h"

namespace orva::gui {

namespace {

constexpr int kCountLimit = 20;   // past it the count restarts at 2, never at 1 again
constexpr int kCountRestart = 2;
const QString kGap(4, QLatin1Char(' '));

}  // namespace

const QString& RollingCaption::tick() {
  if (text_.isEmpty()) return text_;
  if (++RollCount_ > kCountLimit) RollCount_ = kCountRestart;
  const QChar first = text_.front();
  text_ = text_.mid(1) + (RollCount_ == 1 ? kGap : QString()) + first;
  return text_;
}

}  // namespace orva::gui
