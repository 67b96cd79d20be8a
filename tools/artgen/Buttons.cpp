#include "Buttons.h"

#include "Canvas.h"
#include "Plate.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr QSize kTabSize{110, 27};
constexpr double kTabSlant = 8;
constexpr double kPushCut = 5;
constexpr QSize kRecordSize{113, 28};
constexpr QPointF kRecordMark{16, 14};
constexpr QSize kWebSize{200, 66};

QPainterPath pushShape(QSize size) {
  return chamferedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), kPushCut);
}

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

// A small globe: the language buttons' and the web button's sign.
void drawGlobe(QPainter& p, QPointF c, double r, const QColor& ink) {
  p.save();
  p.setPen(QPen(ink, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);
  p.drawEllipse(c, r * 0.42, r);
  p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
  p.restore();
}

}  // namespace

QImage pushButton(QSize size, Look look) {
  QImage image = transparentCanvas(size);
  QPainter p(&image);
  prepare(p);
  drawPlate(p, pushShape(size), look);
  return image;
}

QImage pageTab(Look look) {
  QImage image = transparentCanvas(kTabSize);
  QPainter p(&image);
  prepare(p);
  const double w = kTabSize.width(), h = kTabSize.height();
  QPainterPath shape;
  shape.moveTo(kTabSlant + 0.5, 0.5);
  shape.lineTo(w - 0.5, 0.5);
  shape.lineTo(w - kTabSlant - 0.5, h - 0.5);
  shape.lineTo(0.5, h - 0.5);
  shape.closeSubpath();

  QLinearGradient g(0, 0, 0, h);
  const int lift = look == Look::Normal ? 0 : 1;
  g.setColorAt(0, look == Look::Active ? QColor(0x12, 0x3e, 0x55) : QColor(0x24 + 8 * lift, 0x27 + 10 * lift, 0x2e + 12 * lift));
  g.setColorAt(1, look == Look::Active ? QColor(0x0c, 0x22, 0x2f) : QColor(0x19, 0x1b, 0x20));
  p.fillPath(shape, g);
  p.setPen(QPen(look == Look::Normal ? kLine : withAlpha(kAccent, look == Look::Hover ? 150 : 255), kHairline));
  p.drawPath(shape);

  // The underline: faint on hover, a lit bar when selected.
  if (look != Look::Normal) {
    const double thickness = look == Look::Active ? 3 : 1.5;
    const QRectF bar(14, h - 1 - thickness, w - 28 - kTabSlant / 2, thickness);
    QPainterPath line;
    line.addRect(bar);
    if (look == Look::Active) glow(p, line, kAccent, 2, 3);
    p.fillRect(bar, look == Look::Active ? kAccent : withAlpha(kAccent, 170));
  }
  return image;
}

QImage languageButton(Look look) {
  // The pill leaves a few transparent pixels at each end: the language
  // buttons may stand closer together than their pictures are wide.
  constexpr double kEndMargin = 5;
  QImage image = transparentCanvas(kTabSize);
  QPainter p(&image);
  prepare(p);
  const QPainterPath shape =
      roundedRect(QRectF(kEndMargin + 0.5, 0.5, kTabSize.width() - 2 * kEndMargin - 1, kTabSize.height() - 1), 13);
  drawPlate(p, shape, look);
  const QColor ink = look == Look::Normal ? kGlyphDim : (look == Look::Hover ? kAccent : kInk);
  drawGlobe(p, QPointF(kEndMargin + 15, kTabSize.height() / 2.0), 6, ink);
  if (look == Look::Active) {
    QPainterPath dot;
    dot.addEllipse(QPointF(kTabSize.width() - kEndMargin - 14, kTabSize.height() / 2.0), 3, 3);
    glow(p, dot, kInk, 2, 2);
    p.fillPath(dot, kInk);
  }
  return image;
}

QImage keyLabel(QSize size, Look look) {
  QImage image = transparentCanvas(size);
  QPainter p(&image);
  prepare(p);
  const double w = size.width(), h = size.height();
  // The plate fades out to the right, so that a label narrower than the
  // picture still ends cleanly.
  QLinearGradient fill(0, 0, w, 0);
  const QColor base = look == Look::Normal ? QColor(0x24, 0x28, 0x2f) : (look == Look::Hover ? QColor(0x1c, 0x3a, 0x4a) : QColor(0x0e, 0x55, 0x78));
  fill.setColorAt(0, base);
  fill.setColorAt(0.7, withAlpha(base, 150));
  fill.setColorAt(1, withAlpha(base, 0));
  const QPainterPath shape = chamferedRect(QRectF(0, 0, w, h), 4);
  p.fillPath(shape, fill);

  QLinearGradient rule(0, 0, w, 0);
  const QColor lineColour = look == Look::Normal ? kLineLight : kAccent;
  rule.setColorAt(0, lineColour);
  rule.setColorAt(1, withAlpha(lineColour, 0));
  p.fillRect(QRectF(0, h - 1, w, 1), rule);
  p.fillRect(QRectF(0, 0, w, 1), QBrush(rule));

  const QRectF bar(0, 4, 3, h - 8);
  if (look != Look::Normal) {
    QPainterPath path;
    path.addRect(bar);
    glow(p, path, kAccent, 2, 3);
  }
  p.fillRect(bar, look == Look::Normal ? kGlyphDim : kAccent);
  return image;
}

QImage recordButton(bool recording) {
  QImage image = transparentCanvas(kRecordSize);
  QPainter p(&image);
  prepare(p);
  drawPlate(p, pushShape(kRecordSize), recording ? Look::Hover : Look::Normal);
  QPainterPath mark;
  if (recording) {
    mark.addRoundedRect(QRectF(kRecordMark.x() - 5, kRecordMark.y() - 5, 10, 10), 1.5, 1.5);
    glow(p, mark, kRecord, 2, 4);
  } else {
    mark.addEllipse(kRecordMark, 5, 5);
  }
  p.fillPath(mark, kRecord);
  if (recording) {
    p.setPen(QPen(withAlpha(kRecord, 200), kHairline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pushShape(kRecordSize));
  }
  return image;
}

QImage webButton(Look look) {
  QImage image = transparentCanvas(kWebSize);
  QPainter p(&image);
  prepare(p);
  const QPainterPath shape = chamferedRect(QRectF(0.5, 0.5, kWebSize.width() - 1, kWebSize.height() - 1), 12);
  if (look == Look::Hover) glow(p, shape, kAccent, 2, 3);
  drawPlate(p, shape, look);

  const QColor ink = look == Look::Normal ? kGlyph : kInk;
  drawGlobe(p, QPointF(30, 33), 13, look == Look::Normal ? kGlyphDim : kAccent);

  QFont mark = markFont(16, QFont::Black);
  mark.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  p.setFont(mark);
  p.setPen(ink);
  p.drawText(QPointF(54, 31), QStringLiteral("ORVA"));
  p.setFont(markFont(11, QFont::Normal));
  p.setPen(look == Look::Normal ? kGlyphDim : ink);
  p.drawText(QPointF(54, 48), QStringLiteral("orva-config.example"));
  return image;
}

}  // namespace artgen
