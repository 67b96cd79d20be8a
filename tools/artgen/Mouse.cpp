#include "Mouse.h"

#include "Canvas.h"
#include "Style.h"

#include <array>

namespace artgen::mouse {

namespace {

constexpr double kSideButtonLength = 0.085;
constexpr double kSideButtonWidth = 0.05;
constexpr double kButtonsEnd = 0.40;
// Where the rear light strip starts, down the shell.
constexpr double kStripTop = 0.72;

QPainterPath sideButton(const QRectF& box, QPointF centre) {
  const QPointF c = at(box, centre);
  const double w = kSideButtonWidth * box.width();
  const double h = kSideButtonLength * box.height();
  return roundedRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), w / 2);
}

QPainterPath wheel(const QRectF& box) {
  const QPointF c = at(box, {0.5, 0.19});
  const double w = 0.09 * box.width();
  const double h = 0.15 * box.height();
  return roundedRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), w / 2);
}

QPainterPath dpiButton(const QRectF& box) {
  const QPointF c = at(box, kDpiButton);
  const double w = 0.1 * box.width();
  const double h = 0.05 * box.height();
  return roundedRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), h / 2);
}

void drawShell(QPainter& p, const QRectF& box, const QPainterPath& shell) {
  QRadialGradient fill(at(box, {0.42, 0.45}), box.height() * 0.62);
  fill.setColorAt(0, QColor(0x34, 0x38, 0x41));
  fill.setColorAt(0.6, QColor(0x22, 0x25, 0x2b));
  fill.setColorAt(1, QColor(0x15, 0x17, 0x1b));
  p.fillPath(shell, fill);
  p.setPen(QPen(kLineLight, 1.2));
  p.drawPath(shell);
}

void drawButtons(QPainter& p, const QRectF& box) {
  QPainterPath seams;
  seams.moveTo(at(box, {0.5, 0.0}));
  seams.lineTo(at(box, {0.5, 0.105}));
  seams.moveTo(at(box, {0.5, 0.275}));
  seams.lineTo(at(box, {0.5, 0.30}));
  seams.moveTo(at(box, {0.075, kButtonsEnd - 0.03}));
  seams.cubicTo(at(box, {0.3, kButtonsEnd + 0.02}), at(box, {0.7, kButtonsEnd + 0.02}),
                at(box, {0.925, kButtonsEnd - 0.03}));
  p.setPen(QPen(kWell, 2.2));
  p.drawPath(seams);
  p.setPen(QPen(QColor(255, 255, 255, 30), 1));
  p.drawPath(seams.translated(0.8, 0.8));
}

void drawWheel(QPainter& p, const QRectF& box) {
  const QPainterPath w = wheel(box);
  const QRectF r = w.boundingRect();
  QLinearGradient g(r.left(), 0, r.right(), 0);
  g.setColorAt(0, QColor(0x1a, 0x1c, 0x21));
  g.setColorAt(0.5, QColor(0x4a, 0x50, 0x5b));
  g.setColorAt(1, QColor(0x1a, 0x1c, 0x21));
  p.fillPath(w, g);
  p.setPen(QPen(kWell, 1));
  p.drawPath(w);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  for (double y = r.top() + 4; y < r.bottom() - 3; y += 4) {
    p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
  }
  glow(p, w, kAccent, 1.5, 3);
}

void drawSmallParts(QPainter& p, const QRectF& box) {
  const QPainterPath dpi = dpiButton(box);
  p.fillPath(dpi, QColor(0x2c, 0x31, 0x39));
  p.setPen(QPen(kAccent, 1));
  p.drawPath(dpi);

  constexpr std::array kSides{kLeftSideFront, kLeftSideRear, kLeftSideLow, kRightSideFront, kRightSideRear};
  for (const QPointF& side : kSides) {
    const QPainterPath b = sideButton(box, side);
    p.fillPath(b, QColor(0x30, 0x35, 0x3d));
    p.setPen(QPen(kLineLight, 1));
    p.drawPath(b);
  }
}

// A light strip along the rear rim, fading in towards the back, and a small
// chevron on the palm.
QLinearGradient stripFade(const QRectF& box, double strength) {
  QLinearGradient fade(0, box.top() + box.height() * kStripTop, 0, box.bottom());
  QColor lit = kAccent;
  lit.setAlphaF(strength);
  fade.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  fade.setColorAt(0.5, lit);
  fade.setColorAt(1, lit);
  return fade;
}

void drawLights(QPainter& p, const QRectF& box, const QPainterPath& shell) {
  constexpr int kLayers = 4;
  p.save();
  p.setClipRect(QRectF(box.left() - 20, box.top() + box.height() * kStripTop, box.width() + 40, box.height()));
  p.setBrush(Qt::NoBrush);
  for (int i = kLayers; i >= 1; --i) {
    p.setPen(QPen(QBrush(stripFade(box, 0.5 / (i + 1))), 2.5 * i));
    p.drawPath(shell);
  }
  p.setPen(QPen(QBrush(stripFade(box, 1.0)), 1.6));
  p.drawPath(shell);
  p.restore();

  QPainterPath chevron;
  chevron.moveTo(at(box, {0.42, 0.60}));
  chevron.lineTo(at(box, {0.5, 0.66}));
  chevron.lineTo(at(box, {0.58, 0.60}));
  p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 170), 2, Qt::SolidLine,
                Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(chevron);
}

}  // namespace

QPointF at(const QRectF& box, QPointF unit) {
  return {box.left() + unit.x() * box.width(), box.top() + unit.y() * box.height()};
}

QPainterPath body(const QRectF& box) {
  QPainterPath path;
  path.moveTo(at(box, {0.5, 0.0}));
  path.cubicTo(at(box, {0.25, 0.0}), at(box, {0.08, 0.08}), at(box, {0.075, 0.30}));
  path.cubicTo(at(box, {0.07, 0.42}), at(box, {0.095, 0.47}), at(box, {0.08, 0.58}));
  path.cubicTo(at(box, {0.065, 0.72}), at(box, {0.035, 0.88}), at(box, {0.15, 0.95}));
  path.cubicTo(at(box, {0.27, 1.01}), at(box, {0.73, 1.01}), at(box, {0.85, 0.95}));
  path.cubicTo(at(box, {0.97, 0.88}), at(box, {0.935, 0.72}), at(box, {0.915, 0.58}));
  path.cubicTo(at(box, {0.905, 0.47}), at(box, {0.93, 0.42}), at(box, {0.925, 0.30}));
  path.cubicTo(at(box, {0.92, 0.08}), at(box, {0.75, 0.0}), at(box, {0.5, 0.0}));
  path.closeSubpath();
  return path;
}

void draw(QPainter& p, const QRectF& box) {
  p.save();
  const QPainterPath shell = body(box);
  drawShell(p, box, shell);
  drawButtons(p, box);
  drawSmallParts(p, box);
  drawWheel(p, box);
  drawLights(p, box, shell);
  p.restore();
}

}  // namespace artgen::mouse
