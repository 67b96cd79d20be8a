#include "Controls.h"

#include "Canvas.h"
#include "Style.h"

#include <array>

namespace artgen {

namespace {

constexpr QSize kCheckSize{19, 19};
constexpr QSize kRadioSize{15, 15};
constexpr QSize kSwatchSize{18, 18};
constexpr QSize kSliderSize{25, 25};
constexpr QSize kInsertSize{207, 162};
constexpr double kCellSlant = 4;
constexpr double kInsertHeading = 26;

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

void drawClock(QPainter& p, QPointF c, double r) {
  p.drawEllipse(c, r, r);
  p.drawLine(c, c + QPointF(0, -r * 0.6));
  p.drawLine(c, c + QPointF(r * 0.45, 0));
}

void drawKeycap(QPainter& p, QPointF c, double r) {
  p.drawRoundedRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 2.5, 2.5);
  p.drawRoundedRect(QRectF(c.x() - r + 3, c.y() - r + 2.5, 2 * r - 6, 2 * r - 7), 1.5, 1.5);
}

void drawCrosshair(QPainter& p, QPointF c, double r) {
  p.drawEllipse(c, r * 0.6, r * 0.6);
  p.drawLine(c + QPointF(-r, 0), c + QPointF(-r * 0.25, 0));
  p.drawLine(c + QPointF(r * 0.25, 0), c + QPointF(r, 0));
  p.drawLine(c + QPointF(0, -r), c + QPointF(0, -r * 0.25));
  p.drawLine(c + QPointF(0, r * 0.25), c + QPointF(0, r));
}

}  // namespace

QImage checkBox(bool checked) {
  QImage image = transparentCanvas(kCheckSize);
  QPainter p(&image);
  prepare(p);
  const QPainterPath box = roundedRect(QRectF(1.5, 1.5, kCheckSize.width() - 3, kCheckSize.height() - 3), 3);
  if (!checked) {
    p.fillPath(box, kWell);
    p.setPen(QPen(kLineLight, kHairline));
    p.drawPath(box);
    return image;
  }
  glow(p, box, kAccent, 1.5, 2);
  QLinearGradient g(0, 0, 0, kCheckSize.height());
  g.setColorAt(0, QColor(0x5c, 0xd6, 0xff));
  g.setColorAt(1, kAccentDeep);
  p.fillPath(box, g);
  p.setPen(QPen(kAccent, kHairline));
  p.drawPath(box);
  p.setPen(QPen(kWell, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({{5.5, 9.8}, {8.3, 12.6}, {13.6, 6.4}}));
  return image;
}

QImage radioButton(bool on) {
  QImage image = transparentCanvas(kRadioSize);
  QPainter p(&image);
  prepare(p);
  const QPointF c(kRadioSize.width() / 2.0, kRadioSize.height() / 2.0);
  p.setBrush(kWell);
  p.setPen(QPen(on ? kAccent : kLineLight, kHairline));
  p.drawEllipse(c, 6.5, 6.5);
  if (on) {
    QPainterPath dot;
    dot.addEllipse(c, 3.5, 3.5);
    glow(p, dot, kAccent, 1.5, 2);
    p.fillPath(dot, kAccent);
  }
  return image;
}

QImage swatchFrame() {
  QImage image = transparentCanvas(kSwatchSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(kLineLight);
  p.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
  p.setPen(kWell);
  p.drawRect(1, 1, kSwatchSize.width() - 3, kSwatchSize.height() - 3);
  // Accent corners, so a swatch reads as a control.
  p.setPen(kAccent);
  const int far = kSwatchSize.width() - 1;
  for (const auto& [x, y, dx, dy] : {std::array{0, 0, 1, 1}, {far, 0, -1, 1}, {0, far, 1, -1}, {far, far, -1, -1}}) {
    p.drawLine(x, y, x + 3 * dx, y);
    p.drawLine(x, y, x, y + 3 * dy);
  }
  return image;
}

QImage barCell(QSize size, bool lit) {
  QImage image = transparentCanvas(size);
  QPainter p(&image);
  prepare(p);
  const double w = size.width(), h = size.height();
  QPainterPath cell;
  cell.moveTo(2 + kCellSlant, 2.5);
  cell.lineTo(w - 2, 2.5);
  cell.lineTo(w - 2 - kCellSlant, h - 2.5);
  cell.lineTo(2, h - 2.5);
  cell.closeSubpath();
  if (!lit) {
    p.fillPath(cell, QColor(0x1e, 0x21, 0x27));
    p.setPen(QPen(kLine, kHairline));
    p.drawPath(cell);
    return image;
  }
  glow(p, cell, kAccent, 1.5, 2);
  QLinearGradient g(0, 2, 0, h - 2);
  g.setColorAt(0, QColor(0x8d, 0xe4, 0xff));
  g.setColorAt(0.45, kAccent);
  g.setColorAt(1, kAccentDeep);
  p.fillPath(cell, g);
  p.setPen(QPen(withAlpha(kInk, 160), kHairline));
  p.drawPath(cell);
  return image;
}

QImage sliderThumb() {
  QImage image = transparentCanvas(kSliderSize);
  QPainter p(&image);
  prepare(p);
  const QPointF c(kSliderSize.width() / 2.0, kSliderSize.height() / 2.0);
  QPainterPath knob;
  knob.addEllipse(c, 8.5, 8.5);
  glow(p, knob, kAccent, 1.5, 3);
  QRadialGradient fill(c - QPointF(2, 3), 11);
  fill.setColorAt(0, QColor(0x4a, 0x50, 0x5b));
  fill.setColorAt(1, QColor(0x1b, 0x1e, 0x24));
  p.fillPath(knob, fill);
  p.setPen(QPen(kAccent, 2));
  p.drawPath(knob);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(c, 2.5, 2.5);
  return image;
}

QImage sliderRuler() {
  QImage image = transparentCanvas(kSliderSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  // A horizontal groove from edge to edge, so the picture can be stretched
  // or repeated along a slider.
  const int w = kSliderSize.width();
  const int top = kSliderSize.height() / 2 - 2;
  p.fillRect(0, top, w, 5, kWell);
  p.fillRect(0, top, w, 1, kLine);
  p.fillRect(0, top + 4, w, 1, kLineFaint);
  p.fillRect(0, top + 2, w, 1, withAlpha(kAccent, 90));
  return image;
}

QImage insertPanel(InsertKind kind) {
  QImage image = transparentCanvas(kInsertSize);
  QPainter p(&image);
  prepare(p);
  const QRectF frame(0.5, 0.5, kInsertSize.width() - 1, kInsertSize.height() - 1);
  const QPainterPath panel = roundedRect(frame, 6);
  QLinearGradient g(0, 0, 0, kInsertSize.height());
  g.setColorAt(0, kSurfaceTop);
  g.setColorAt(1, kSurfaceLow);
  p.fillPath(panel, g);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawLine(QPointF(8, kInsertHeading + 0.5), QPointF(kInsertSize.width() - 8, kInsertHeading + 0.5));
  p.setPen(QPen(kLineLight, kHairline));
  p.drawPath(panel);
  p.fillRect(QRectF(1, 7, 3, kInsertHeading - 14), kAccent);

  p.setPen(QPen(kAccent, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QPointF sign(kInsertSize.width() - 18, kInsertHeading / 2);
  switch (kind) {
    case InsertKind::Delay:
      drawClock(p, sign, 7);
      break;
    case InsertKind::Key:
      drawKeycap(p, sign, 7);
      break;
    case InsertKind::Movement:
      drawCrosshair(p, sign, 8);
      break;
  }
  return image;
}

}  // namespace artgen
