#include "WindowButtons.h"

#include "Canvas.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr QSize kBoxSize{22, 22};
constexpr double kBoxRadius = 5;
constexpr double kInset = 7;

// Draws the box and returns the colour its sign is drawn in.
QColor drawBox(QPainter& p, Look look) {
  const QPainterPath box = roundedRect(QRectF(0.5, 0.5, kBoxSize.width() - 1, kBoxSize.height() - 1), kBoxRadius);
  switch (look) {
    case Look::Normal:
      p.fillPath(box, QColor(0x22, 0x25, 0x2c));
      p.setPen(QPen(kLine, kHairline));
      p.drawPath(box);
      return kGlyph;
    case Look::Hover:
      p.fillPath(box, QColor(0x1a, 0x33, 0x41));
      p.setPen(QPen(kAccent, kHairline));
      p.drawPath(box);
      return kInk;
    case Look::Active:
      p.fillPath(box, kAccent);
      return kWell;
  }
  return kGlyph;
}

}  // namespace

QImage closeButton(Look look) {
  QImage image = transparentCanvas(kBoxSize);
  QPainter p(&image);
  prepare(p);
  const QColor ink = drawBox(p, look);
  p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
  const double far = kBoxSize.width() - kInset;
  p.drawLine(QPointF(kInset, kInset), QPointF(far, far));
  p.drawLine(QPointF(far, kInset), QPointF(kInset, far));
  return image;
}

QImage minimiseButton(Look look) {
  QImage image = transparentCanvas(kBoxSize);
  QPainter p(&image);
  prepare(p);
  const QColor ink = drawBox(p, look);
  p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
  const double y = kBoxSize.height() / 2.0 + 3;
  p.drawLine(QPointF(kInset, y), QPointF(kBoxSize.width() - kInset, y));
  return image;
}

}  // namespace artgen
