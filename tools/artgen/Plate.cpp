#include "Plate.h"

#include "Canvas.h"
#include "Style.h"

namespace artgen {

namespace {

QLinearGradient faceGradient(const QRectF& r, Look look) {
  QLinearGradient g(0, r.top(), 0, r.bottom());
  switch (look) {
    case Look::Normal:
      g.setColorAt(0, QColor(0x2c, 0x30, 0x38));
      g.setColorAt(1, QColor(0x1d, 0x20, 0x26));
      break;
    case Look::Hover:
      g.setColorAt(0, QColor(0x27, 0x3c, 0x4a));
      g.setColorAt(1, QColor(0x1a, 0x26, 0x2f));
      break;
    case Look::Active:
      g.setColorAt(0, QColor(0x0a, 0x4a, 0x68));
      g.setColorAt(1, QColor(0x0e, 0x6d, 0x97));
      break;
  }
  return g;
}

}  // namespace

void drawPlate(QPainter& p, const QPainterPath& shape, Look look) {
  p.save();
  const QRectF r = shape.boundingRect();
  p.fillPath(shape, faceGradient(r, look));

  // A light top edge on a raised face, a shadowed one on a pressed face.
  p.setClipPath(shape);
  const QColor edge = look == Look::Active ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 28);
  p.fillRect(QRectF(r.left(), r.top() + 1, r.width(), look == Look::Active ? 2 : 1), edge);
  if (look == Look::Hover) {
    QRadialGradient shine(QPointF(r.center().x(), r.bottom()), r.width() * 0.55);
    shine.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 60));
    shine.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
    p.fillRect(r, shine);
  }
  p.setClipping(false);

  const QColor frame = look == Look::Normal ? kLineLight : kAccent;
  p.setPen(QPen(frame, kHairline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shape);
  p.restore();
}

}  // namespace artgen
