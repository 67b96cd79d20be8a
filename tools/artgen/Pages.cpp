// The advanced, LED, macro and spare page pictures: framed sections on the
// panel colour, kept calm because controls stand on them.
#include "Pages.h"

#include "Canvas.h"
#include "Mouse.h"
#include "PageKit.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr double kMargin = 8;
constexpr double kGap = 12;

QRectF column(double left, double width, QSize page) {
  return {left, kMargin, width, page.height() - 2 * kMargin};
}

// The LED page shows the mouse's outline lit by its own light strip.
void drawGlowingOutline(QPainter& p, const QRectF& section) {
  const double height = section.height() - kHeadingHeight - 40;
  const double width = height * 0.55;
  const QRectF box(section.center().x() - width / 2, section.top() + kHeadingHeight + 20, width, height);
  const QPainterPath outline = mouse::body(box);

  QRadialGradient inner(box.center(), height * 0.6);
  inner.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 26));
  inner.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  p.fillPath(outline, inner);
  glow(p, outline, kAccent, 3, 5);
  p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 200), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);

  QPainterPath seam;
  seam.moveTo(mouse::at(box, {0.5, 0.0}));
  seam.lineTo(mouse::at(box, {0.5, 0.3}));
  p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 90), 1));
  p.drawPath(seam);
}

}  // namespace

QImage advancedPage() {
  QImage image = pageCanvas(kPageSize);
  QPainter p(&image);
  prepare(p);
  const QRectF levels = column(kMargin, 392, kPageSize);
  const QRectF sliders = column(levels.right() + kGap, kPageSize.width() - levels.right() - kGap - kMargin, kPageSize);
  drawSection(p, levels);
  drawSection(p, sliders);
  drawLevelsWatermark(p, levels.bottomRight() - QPointF(18, 16));
  drawDialWatermark(p, QPointF(sliders.center().x(), sliders.bottom() - 12), 130);
  return image;
}

QImage ledPage() {
  QImage image = pageCanvas(kPageSize);
  QPainter p(&image);
  prepare(p);
  const QRectF settings = column(kMargin, 520, kPageSize);
  const QRectF light = column(settings.right() + kGap, kPageSize.width() - settings.right() - kGap - kMargin, kPageSize);
  drawSection(p, settings);
  drawSection(p, light);
  drawGlowingOutline(p, light);
  return image;
}

QImage macroPage() {
  QImage image = pageCanvas(kPageSize);
  QPainter p(&image);
  prepare(p);
  const QRectF library = column(kMargin, 236, kPageSize);
  const QRectF events = column(library.right() + kGap, 300, kPageSize);
  const QRectF options = column(events.right() + kGap, kPageSize.width() - events.right() - kGap - kMargin, kPageSize);
  for (const QRectF& list : {library, events}) {
    drawSection(p, list);
    drawWell(p, list.adjusted(8, kHeadingHeight + 8, -8, -8));
  }
  drawSection(p, options);
  return image;
}

QImage sparePage() {
  QImage image = pageCanvas(kSparePageSize);
  QPainter p(&image);
  prepare(p);
  drawSection(p, column(kMargin, kSparePageSize.width() - 2 * kMargin, kSparePageSize));
  return image;
}

}  // namespace artgen
