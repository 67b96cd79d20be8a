#include "Guns.h"

#include "Canvas.h"
#include "Silhouettes.h"
#include "Style.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double kPlateRadius = 6;
constexpr double kMarginX = 10;
constexpr double kMarginY = 7;

// Scales a silhouette to fit the plate, keeping its proportions, centred.
QPainterPath fitted(const QPainterPath& shape, const QRectF& room) {
  const QRectF b = shape.boundingRect();
  const double scale = std::min(room.width() / b.width(), room.height() / b.height());
  QTransform t;
  t.translate(room.center().x(), room.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(shape);
}

void drawPlate(QPainter& p, bool selected) {
  const QPainterPath plate = roundedRect(QRectF(0.5, 0.5, kGunSize.width() - 1, kGunSize.height() - 1), kPlateRadius);
  QLinearGradient g(0, 0, 0, kGunSize.height());
  g.setColorAt(0, selected ? QColor(0x10, 0x34, 0x46) : QColor(0x20, 0x23, 0x29));
  g.setColorAt(1, selected ? QColor(0x0a, 0x1d, 0x27) : QColor(0x16, 0x18, 0x1c));
  p.fillPath(plate, g);
  p.setPen(QPen(selected ? kAccent : kLine, kHairline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(plate);
  if (selected) p.fillRect(QRectF(12, kGunSize.height() - 3, kGunSize.width() - 24, 2), kAccent);
}

QPainterPath hexagon(QPointF c, double r) {
  QPainterPath path;
  for (int i = 0; i < 6; ++i) {
    const double a = std::numbers::pi / 3 * i - std::numbers::pi / 2;
    const QPointF corner(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) {
      path.moveTo(corner);
    } else {
      path.lineTo(corner);
    }
  }
  path.closeSubpath();
  return path;
}

}  // namespace

QImage gunPicture(int gun, bool selected) {
  QImage image = transparentCanvas(kGunSize);
  QPainter p(&image);
  prepare(p);
  drawPlate(p, selected);
  const QRectF room(kMarginX, kMarginY, kGunSize.width() - 2 * kMarginX, kGunSize.height() - 2 * kMarginY - 2);
  const QPainterPath shape = fitted(gunSilhouette(gun), room);
  QLinearGradient ink(0, room.top(), 0, room.bottom());
  if (selected) {
    glow(p, shape, kAccent, 2, 3);
    ink.setColorAt(0, kInk);
    ink.setColorAt(1, kAccent);
  } else {
    ink.setColorAt(0, QColor(0xa4, 0xab, 0xb6));
    ink.setColorAt(1, QColor(0x6c, 0x73, 0x7e));
  }
  p.fillPath(shape, ink);
  return image;
}

QImage gunModeBadge(int phase, int edge) {
  QImage image = transparentCanvas(QSize(edge, edge));
  QPainter p(&image);
  prepare(p);
  const QPointF c(edge / 2.0, edge / 2.0);
  const double r = edge / 2.0 - 1.5;
  const QPainterPath badge = hexagon(c, r);
  QRadialGradient fill(c - QPointF(0, r * 0.4), r * 1.3);
  fill.setColorAt(0, QColor(0x1d, 0x3a, 0x48));
  fill.setColorAt(1, kWell);
  p.fillPath(badge, fill);
  p.setPen(QPen(kAccent, 1.5));
  p.drawPath(badge);

  // Stacked chevrons, one per phase, centred in the badge.
  const double width = r * 0.95;
  const double rise = r * 0.28;
  const double step = r * 0.30;
  const double firstY = c.y() - (phase - 1) * step / 2 + rise / 2;
  p.setPen(QPen(kInk, std::max(2.0, edge / 18.0), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  for (int i = 0; i < phase; ++i) {
    const double y = firstY + i * step;
    p.drawPolyline(QPolygonF({{c.x() - width / 2, y}, {c.x(), y - rise}, {c.x() + width / 2, y}}));
  }
  return image;
}

}  // namespace artgen
