#include "PageKit.h"

#include "Canvas.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr double kSectionRadius = 6;
constexpr QColor kSectionFill{0x17, 0x19, 0x1e};
constexpr QColor kHeadingFill{0x1e, 0x21, 0x27};

}  // namespace

QImage pageCanvas(QSize size) { return opaqueCanvas(size, kPanel); }

void drawSection(QPainter& p, const QRectF& r) {
  p.save();
  const QRectF frame = r.adjusted(0.5, 0.5, -0.5, -0.5);
  const QPainterPath section = roundedRect(frame, kSectionRadius);
  p.fillPath(section, kSectionFill);

  QPainterPath heading;
  heading.addRect(frame.left(), frame.top(), frame.width(), kHeadingHeight);
  heading = heading.intersected(section);
  QLinearGradient g(0, frame.top(), 0, frame.top() + kHeadingHeight);
  g.setColorAt(0, kHeadingFill);
  g.setColorAt(1, kSectionFill);
  p.fillPath(heading, g);

  p.setPen(QPen(kLineFaint, kHairline));
  p.drawLine(QPointF(frame.left() + 8, frame.top() + kHeadingHeight + 0.5),
             QPointF(frame.right() - 8, frame.top() + kHeadingHeight + 0.5));
  p.setPen(QPen(kLine, kHairline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(section);
  p.fillRect(QRectF(frame.left() + 1, frame.top() + 8, 3, kHeadingHeight - 16), kAccent);
  p.restore();
}

void drawWell(QPainter& p, const QRectF& r) {
  p.save();
  const QPainterPath well = roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3);
  p.fillPath(well, kWell);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawPath(well);
  p.restore();
}

void drawDialWatermark(QPainter& p, QPointF centre, double radius) {
  p.save();
  QColor c = kAccent;
  c.setAlpha(14);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const double r = radius - i * radius * 0.22;
    p.setPen(QPen(c, 1.0 + i));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
  }
  c.setAlpha(20);
  p.setPen(QPen(c, 1));
  for (int a = 30; a <= 150; a += 10) {
    QLineF tick = QLineF::fromPolar(radius + 8, a).translated(centre);
    tick.setP1(QLineF::fromPolar(radius + 2, a).translated(centre).p2());
    p.drawLine(tick);
  }
  p.restore();
}

void drawLevelsWatermark(QPainter& p, QPointF bottomRight) {
  constexpr int kLevels = 7;
  constexpr double kBarWidth = 10;
  constexpr double kBarGap = 5;
  constexpr double kBarStep = 8;
  QColor c = kAccent;
  c.setAlpha(18);
  for (int i = 0; i < kLevels; ++i) {
    const double h = kBarStep * (i + 1);
    const double x = bottomRight.x() - (kLevels - i) * (kBarWidth + kBarGap) + kBarGap;
    p.fillRect(QRectF(x, bottomRight.y() - h, kBarWidth, h), c);
  }
}

}  // namespace artgen
