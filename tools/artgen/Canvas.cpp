#include "Canvas.h"

#include "Style.h"

#include <QFontDatabase>

namespace artgen {

QImage transparentCanvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage opaqueCanvas(QSize size, const QColor& fill) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont markFont(int pixelSize, QFont::Weight weight) {
  static const QString kFace = QStringLiteral("DejaVu Sans");
  QFont font = QFontDatabase::families().contains(kFace) ? QFont(kFace) : QFont();
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath roundedRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath chamferedRect(const QRectF& r, double cut) {
  QPainterPath path;
  path.moveTo(r.left() + cut, r.top());
  path.lineTo(r.right() - cut, r.top());
  path.lineTo(r.right(), r.top() + cut);
  path.lineTo(r.right(), r.bottom() - cut);
  path.lineTo(r.right() - cut, r.bottom());
  path.lineTo(r.left() + cut, r.bottom());
  path.lineTo(r.left(), r.bottom() - cut);
  path.lineTo(r.left(), r.top() + cut);
  path.closeSubpath();
  return path;
}

void glow(QPainter& p, const QPainterPath& path, const QColor& colour, double width, int layers) {
  p.save();
  p.setBrush(Qt::NoBrush);
  for (int i = layers; i >= 1; --i) {
    QColor c = colour;
    c.setAlphaF(colour.alphaF() * 0.5 / (i + 1));
    p.setPen(QPen(c, width * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  }
  p.restore();
}

QImage cutSeeThrough(const QImage& picture, const QPainterPath& keep) {
  QImage mask = transparentCanvas(picture.size());
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(keep, Qt::white);
  }
  QImage out = picture.convertToFormat(QImage::Format_RGB32);
  const QRgb seeThrough = kSeeThrough.rgb();
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    const auto* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(inside[x]) == 0) row[x] = seeThrough;
    }
  }
  return out;
}

}  // namespace artgen
