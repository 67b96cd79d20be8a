#pragma once
// Drags a borderless window by the widgets it watches (its backgrounds):
// through the window manager when there is one, else by following the
// pointer.

#include <QObject>
#include <QPoint>
#include <QWidget>

namespace orva::gui {

class WindowDragger : public QObject {
  Q_OBJECT
 public:
  explicit WindowDragger(QWidget* window);
  void watch(QWidget* handle);

 signals:
  // A background was pressed (open pop-up menus close).
  void pressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool dragging_ = false;
  QPoint offset_;
};

}  // namespace orva::gui
