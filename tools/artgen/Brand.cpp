#include "Brand.h"

#include "Canvas.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr double kGlyphSize = 30;
constexpr double kGap = 12;
constexpr int kWordPixels = 24;
constexpr double kLetterSpacing = 5;

// An angular shield with a claw-like chevron: reads as a gaming emblem at
// small size and needs no text.
void drawGlyph(QPainter& p, const QRectF& box) {
  const QPainterPath shield = chamferedRect(box, box.width() * 0.28);
  glow(p, shield, kAccent, 2.0, 4);
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0, kAccentDark);
  fill.setColorAt(1, kWell);
  p.fillPath(shield, fill);
  p.setPen(QPen(kAccent, 1.6));
  p.drawPath(shield);

  const double cx = box.center().x();
  const double w = box.width();
  QPainterPath chevron;
  chevron.moveTo(cx - w * 0.30, box.top() + w * 0.28);
  chevron.lineTo(cx, box.top() + w * 0.72);
  chevron.lineTo(cx + w * 0.30, box.top() + w * 0.28);
  p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(chevron);
  p.setPen(QPen(kAccent, 1.6, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(QPointF(cx, box.top() + w * 0.2), QPointF(cx, box.top() + w * 0.46));
}

}  // namespace

void drawBrand(QPainter& p, QPointF origin) {
  p.save();
  const QRectF glyphBox(origin.x(), origin.y() - kGlyphSize / 2, kGlyphSize, kGlyphSize);
  drawGlyph(p, glyphBox);

  QFont font = markFont(kWordPixels, QFont::Black);
  font.setLetterSpacing(QFont::AbsoluteSpacing, kLetterSpacing);
  p.setFont(font);
  const QFontMetricsF metrics(font);
  const QPointF baseline(glyphBox.right() + kGap, origin.y() + metrics.capHeight() / 2);
  QLinearGradient ink(0, origin.y() - kWordPixels / 2.0, 0, origin.y() + kWordPixels / 2.0);
  ink.setColorAt(0, kInk);
  ink.setColorAt(1, kGlyph);
  p.setPen(QPen(QBrush(ink), 1));
  p.drawText(baseline, QStringLiteral("ORVA"));

  // Three slanted ticks after the word mark, in the accent colour.
  const double tickX = baseline.x() + metrics.horizontalAdvance(QStringLiteral("ORVA")) + 4;
  p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::FlatCap));
  for (int i = 0; i < 3; ++i) {
    const double x = tickX + i * 6;
    p.drawLine(QPointF(x + 4, origin.y() - 6), QPointF(x, origin.y() + 6));
  }
  p.restore();
}

}  // namespace artgen
