#pragma once
// A label that reports a left click (the check images and option captions
// of the pages).

#include <QLabel>
#include <QMouseEvent>

namespace orva::gui {

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  }
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
};

}  // namespace orva::gui
