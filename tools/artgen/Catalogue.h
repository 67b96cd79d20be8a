#pragma once
// Every picture of the skin: its resource name, its size and how it is drawn.

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace artgen {

struct Picture {
  QString name;
  QSize size;
  // Whether the picture shapes a window: only such pictures may hold the
  // see-through colour.
  bool shapesWindow;
  std::function<QImage()> draw;
};

std::vector<Picture> catalogue();

}  // namespace artgen
