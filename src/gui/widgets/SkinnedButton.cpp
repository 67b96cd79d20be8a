#include "gui/widgets/SkinnedButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/widgets/SkinPictures.h"

namespace orva::gui {

SkinnedButton::SkinnedButton(const ButtonLook& look, QWidget* parent) : QWidget(parent), look_(look) {
  setAttribute(Qt::WA_TranslucentBackground);
  show(look_.normal);
  resize(picture_.size());
}

void SkinnedButton::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void SkinnedButton::setCaptionStyle(const QFont& font, const QColor& colour) {
  setFont(font);
  captionColour_ = colour;
  update();
}

void SkinnedButton::setCaptionMargins(int front, int back) {
  marginFront_ = front;
  marginBack_ = back;
  update();
}

void SkinnedButton::setSelected(bool selected) {
  selected_ = selected;
  pressed_ = false;
  show(selected_ ? look_.selected : (hovered_ ? look_.hover : look_.normal));
}

QString SkinnedButton::shownPicture() const { return shown_; }

void SkinnedButton::setFollowsPointer(bool follows) { followsPointer_ = follows; }

void SkinnedButton::setCaptionAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void SkinnedButton::show(const QString& name) {
  const QString chosen = name.isEmpty() ? look_.normal : name;
  if (chosen == shown_) return;
  shown_ = chosen;
  picture_ = skinPicture(chosen);
  update();
}

void SkinnedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), picture_);
  if (caption_.isEmpty()) return;
  p.setPen(captionColour_);
  p.drawText(rect().adjusted(marginFront_, 0, -marginBack_, 0), alignment_, caption_);
}

void SkinnedButton::enterEvent(QEnterEvent*) {
  hovered_ = true;
  if (!selected_ && followsPointer_) show(look_.hover);
  emit entered();
}

void SkinnedButton::leaveEvent(QEvent*) {
  hovered_ = false;
  pressed_ = false;
  if (!selected_ && followsPointer_) show(look_.normal);
  emit left();
}

void SkinnedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  if (!selected_) show(look_.pressed.isEmpty() ? look_.hover : look_.pressed);
}

void SkinnedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  const bool inside = rect().contains(event->position().toPoint());
  // A clicked button keeps its pressed picture until the pointer leaves it.
  if (!selected_ && !inside) show(look_.normal);
  if (!selected_ && inside && look_.pressed.isEmpty() && followsPointer_) show(look_.hover);
  if (inside) emit clicked();
}

}  // namespace orva::gui
