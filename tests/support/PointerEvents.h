#pragma once
// The pointer as widget tests move it: into a widget, out of it, a click.

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

namespace orva::test {

inline void enter(QWidget* w) {
  QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(w, &event);
}

inline void leave(QWidget* w) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(w, &event);
}

inline void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

}  // namespace orva::test
