#include "gui/widgets/WindowDragger.h"

#include <QMouseEvent>
#include <QWindow>

namespace orva::gui {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), window_(window) {}

void WindowDragger::watch(QWidget* handle) { handle->installEventFilter(this); }

bool WindowDragger::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) return false;
      emit pressed();
      QWindow* handle = window_->windowHandle();
      if (handle && handle->startSystemMove()) return true;
      dragging_ = true;
      offset_ = e->globalPosition().toPoint() - window_->pos();
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) return false;
      window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!dragging_) return false;
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace orva::gui
