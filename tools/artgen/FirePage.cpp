// The fire page: a sheet over most of the window with a section for the
// seven guns at the top and one for the three phase rows below.
#include "Canvas.h"
#include "PageKit.h"
#include "Pages.h"
#include "Style.h"

namespace artgen {

namespace {

constexpr double kMargin = 14;
constexpr QRectF kGunSection{kMargin, 18, 720 - 2 * kMargin, 196};
constexpr QRectF kPhaseSection{kMargin, 228, 720 - 2 * kMargin, 360};
constexpr double kColumnHeadHeight = 34;
constexpr int kPhases = 3;
constexpr double kFooterLine = 602;
constexpr double kPipPitch = 8;
constexpr double kPipGap = 3;

void drawSheet(QPainter& p) {
  const QRectF sheet(0, 0, kFirePageSize.width(), kFirePageSize.height());
  QLinearGradient g(0, 0, 0, sheet.height());
  g.setColorAt(0, kSurface);
  g.setColorAt(1, kSurfaceLow);
  p.fillRect(sheet, g);
  p.setPen(QPen(kLineLight, kHairline));
  p.setBrush(Qt::NoBrush);
  p.drawRect(sheet.adjusted(0.5, 0.5, -0.5, -0.5));
  QLinearGradient top(0, 0, sheet.width(), 0);
  top.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  top.setColorAt(0.5, kAccent);
  top.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  p.fillRect(QRectF(1, 1, sheet.width() - 2, 2), top);
}

// Three bands below the column headings, each with a pip count for its phase.
void drawPhaseRows(QPainter& p) {
  const double top = kPhaseSection.top() + kHeadingHeight + kColumnHeadHeight;
  const double height = (kPhaseSection.bottom() - 8 - top) / kPhases;
  for (int i = 0; i < kPhases; ++i) {
    const QRectF band(kPhaseSection.left() + 8, top + i * height, kPhaseSection.width() - 16, height - 6);
    const QPainterPath path = roundedRect(band.adjusted(0.5, 0.5, -0.5, -0.5), 4);
    p.fillPath(path, i % 2 == 0 ? QColor(0x1b, 0x1e, 0x24) : QColor(0x19, 0x1b, 0x21));
    p.setPen(QPen(kLineFaint, kHairline));
    p.drawPath(path);
    const double pipsTop = band.center().y() - (kPipPitch * (i + 1) - kPipGap) / 2;
    for (int pip = 0; pip <= i; ++pip) {
      p.fillRect(QRectF(band.left() + 6, pipsTop + pip * kPipPitch, 3, kPipPitch - kPipGap), kAccent);
    }
  }
  p.setPen(QPen(kLineFaint, kHairline));
  const double headLine = kPhaseSection.top() + kHeadingHeight + kColumnHeadHeight - 4.5;
  p.drawLine(QPointF(kPhaseSection.left() + 8, headLine), QPointF(kPhaseSection.right() - 8, headLine));
}

}  // namespace

QImage firePage() {
  QImage image = opaqueCanvas(kFirePageSize, kSurface);
  QPainter p(&image);
  prepare(p);
  drawSheet(p);
  drawSection(p, kGunSection);
  drawSection(p, kPhaseSection);
  drawPhaseRows(p);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawLine(QPointF(kMargin, kFooterLine + 0.5), QPointF(kFirePageSize.width() - kMargin, kFooterLine + 0.5));
  return image;
}

}  // namespace artgen
