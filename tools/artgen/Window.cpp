#include "Window.h"

#include "Brand.h"
#include "Canvas.h"
#include "Style.h"

namespace artgen {

namespace {

// Bands of the window, in window pixels; the layout places the controls on
// them.
constexpr double kCornerRadius = 16;
constexpr double kHeaderBottom = 56;
constexpr double kTabTop = 58;
constexpr double kTabBottom = 132;
constexpr QRectF kContentPanel{20, 134, 990, 418};
constexpr double kPanelRadius = 8;
constexpr double kBottomTop = 556;
constexpr QRectF kPageTabGroove{116, 61, 610, 37};
constexpr QRectF kLanguageGroove{890, 61, 126, 69};
// Language 3 lines its three language buttons up in the header instead.
constexpr QRectF kHeaderLanguageGroove{632, 25, 322, 37};
constexpr QPointF kBrandOrigin{26, 28};
constexpr QRectF kWebPlinth{400, 556, 240, 100};
constexpr double kBracket = 16;

void drawHeader(QPainter& p) {
  QLinearGradient g(0, 0, 0, kHeaderBottom);
  g.setColorAt(0, kSurfaceTop);
  g.setColorAt(1, kSurface);
  p.fillRect(QRectF(0, 0, kWindowSize.width(), kHeaderBottom), g);

  // Faint slanted texture in the free middle of the header, fading out at
  // both ends.
  QLinearGradient fade(300, 0, 900, 0);
  fade.setColorAt(0, QColor(255, 255, 255, 0));
  fade.setColorAt(0.5, QColor(255, 255, 255, 10));
  fade.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(QPen(QBrush(fade), 1));
  for (double x = 300; x < 880; x += 9) p.drawLine(QPointF(x, kHeaderBottom), QPointF(x + 24, 1));

  p.setPen(QPen(kLine, kHairline));
  p.drawLine(QPointF(0, kHeaderBottom + 0.5), QPointF(kWindowSize.width(), kHeaderBottom + 0.5));
  QLinearGradient accent(20, 0, 300, 0);
  accent.setColorAt(0, kAccent);
  accent.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  p.fillRect(QRectF(20, kHeaderBottom - 0.5, 280, 2), accent);

  drawBrand(p, kBrandOrigin);
}

void drawGroove(QPainter& p, const QRectF& r) {
  const QPainterPath path = roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5);
  p.fillPath(path, kWell);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawPath(path);
}

void drawTabStrip(QPainter& p, bool languagesInHeader) {
  p.fillRect(QRectF(0, kTabTop, kWindowSize.width(), kTabBottom - kTabTop), kSurfaceLow);
  drawGroove(p, kPageTabGroove);
  drawGroove(p, languagesInHeader ? kHeaderLanguageGroove : kLanguageGroove);
}

void drawCornerBrackets(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  const double l = r.left() + 1, t = r.top() + 1, rt = r.right() - 1, b = r.bottom() - 1;
  p.drawPolyline(QPolygonF({{l, t + kBracket}, {l, t}, {l + kBracket, t}}));
  p.drawPolyline(QPolygonF({{rt - kBracket, t}, {rt, t}, {rt, t + kBracket}}));
  p.drawPolyline(QPolygonF({{l, b - kBracket}, {l, b}, {l + kBracket, b}}));
  p.drawPolyline(QPolygonF({{rt - kBracket, b}, {rt, b}, {rt, b - kBracket}}));
}

void drawContentPanel(QPainter& p) {
  const QPainterPath panel = roundedRect(kContentPanel.adjusted(0.5, 0.5, -0.5, -0.5), kPanelRadius);
  p.fillPath(panel, kPanel);
  p.setPen(QPen(kLine, kHairline));
  p.drawPath(panel);
  drawCornerBrackets(p, kContentPanel);
}

void drawBottomBar(QPainter& p) {
  const double height = kWindowSize.height() - kBottomTop;
  QLinearGradient g(0, kBottomTop, 0, kWindowSize.height());
  g.setColorAt(0, kSurfaceLow);
  g.setColorAt(1, kSurface);
  p.fillRect(QRectF(0, kBottomTop, kWindowSize.width(), height), g);

  // A slanted plinth under the web button with an underglow along its foot.
  QPainterPath plinth;
  plinth.moveTo(kWebPlinth.left(), kWebPlinth.top());
  plinth.lineTo(kWebPlinth.right(), kWebPlinth.top());
  plinth.lineTo(kWebPlinth.right() - 14, kWebPlinth.bottom() - 10);
  plinth.lineTo(kWebPlinth.left() + 14, kWebPlinth.bottom() - 10);
  plinth.closeSubpath();
  p.fillPath(plinth, kWell);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawPath(plinth);
  QPainterPath foot;
  foot.moveTo(kWebPlinth.left() + 30, kWebPlinth.bottom() - 10.5);
  foot.lineTo(kWebPlinth.right() - 30, kWebPlinth.bottom() - 10.5);
  glow(p, foot, kAccent, 2, 3);
  p.setPen(QPen(kAccent, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(foot);
}

void drawOuterFrame(QPainter& p) {
  const QRectF outer(0.5, 0.5, kWindowSize.width() - 1, kWindowSize.height() - 1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kLineLight, kHairline));
  p.drawPath(roundedRect(outer, kCornerRadius - 0.5));
  p.setPen(QPen(kHighlight, kHairline));
  p.drawPath(roundedRect(outer.adjusted(1, 1, -1, -1), kCornerRadius - 1.5));
}

void drawDialogBox(QPainter& p) {
  const QRectF box(kDialogBox);
  QLinearGradient g(0, box.top(), 0, box.bottom());
  g.setColorAt(0, kSurfaceTop);
  g.setColorAt(0.3, kSurface);
  g.setColorAt(1, kSurfaceLow);
  p.fillRect(box, g);

  // Footer well for the two buttons.
  const QRectF footer(box.left() + 1, box.bottom() - 62, box.width() - 2, 61);
  p.fillRect(footer, kPanel);
  p.setPen(QPen(kLineFaint, kHairline));
  p.drawLine(QPointF(footer.left(), footer.top() + 0.5), QPointF(footer.right(), footer.top() + 0.5));

  p.setPen(QPen(kLineLight, kHairline));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));

  QLinearGradient top(box.left(), 0, box.right(), 0);
  top.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  top.setColorAt(0.5, kAccent);
  top.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  p.fillRect(QRectF(box.left() + 1, box.top() + 1, box.width() - 2, 2), top);
  QLinearGradient sheen(0, box.top() + 3, 0, box.top() + 40);
  sheen.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 28));
  sheen.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  p.fillRect(QRectF(box.left() + 1, box.top() + 3, box.width() - 2, 37), sheen);
  drawCornerBrackets(p, box);
}

}  // namespace

QImage windowBackground(bool languagesInHeader) {
  QImage image = opaqueCanvas(kWindowSize, kSurface);
  {
    QPainter p(&image);
    prepare(p);
    QLinearGradient body(0, 0, 0, kWindowSize.height());
    body.setColorAt(0, kSurface);
    body.setColorAt(1, kSurfaceLow);
    p.fillRect(image.rect(), body);
    drawHeader(p);
    drawTabStrip(p, languagesInHeader);
    drawContentPanel(p);
    drawBottomBar(p);
    drawOuterFrame(p);
  }
  return cutSeeThrough(image, roundedRect(QRectF(QPointF(0, 0), kWindowSize), kCornerRadius));
}

QImage dialogFrame() {
  QImage image = opaqueCanvas(kDialogSize, kSurface);
  {
    QPainter p(&image);
    prepare(p);
    drawDialogBox(p);
  }
  QPainterPath box;
  box.addRect(QRectF(kDialogBox));
  return cutSeeThrough(image, box);
}

}  // namespace artgen
