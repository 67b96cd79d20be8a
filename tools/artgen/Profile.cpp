// The profile page: the mouse from above with a numbered marker per button
// and a leader line from each marker to the edge where its label stands.
#include "Canvas.h"
#include "Mouse.h"
#include "PageKit.h"
#include "Pages.h"
#include "Style.h"

#include <array>

namespace artgen {

namespace {

constexpr QRectF kMouseBox{206, 30, 188, 345};
constexpr double kLeftColumn = 122;
constexpr double kRightColumn = 478;
constexpr double kMarkerRadius = 11;
constexpr int kDigitPixels = 12;

enum class Side { Left, Right };

struct Marker {
  int number;
  Side side;
  double row;    // picture y of the label's middle
  QPointF part;  // unit point on the mouse
};

// Label rows sit 70 pixels apart, starting 41 pixels down.
constexpr std::array kMarkers{
    Marker{1, Side::Left, 41, mouse::kLeftButton},
    Marker{4, Side::Left, 111, mouse::kLeftSideFront},
    Marker{5, Side::Left, 181, mouse::kLeftSideRear},
    Marker{6, Side::Left, 251, mouse::kDpiButton},
    Marker{8, Side::Left, 321, mouse::kLeftSideLow},
    Marker{2, Side::Right, 41, mouse::kRightButton},
    Marker{3, Side::Right, 111, mouse::kWheel},
    Marker{7, Side::Right, 181, mouse::kRightSideFront},
    Marker{9, Side::Right, 251, mouse::kRightSideRear},
};

void drawStage(QPainter& p) {
  const QPointF centre = kMouseBox.center() + QPointF(0, 10);
  QRadialGradient halo(centre, 230);
  halo.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 34));
  halo.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  p.fillRect(QRectF(0, 0, kProfilePageSize.width(), kProfilePageSize.height()), halo);

  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const double rx = 150 + i * 34;
    const double ry = 178 + i * 12;
    p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 26 - i * 7), 1,
                  i == 1 ? Qt::DashLine : Qt::SolidLine));
    p.drawEllipse(centre, rx, ry);
  }
}

void drawLeader(QPainter& p, const Marker& m) {
  const bool left = m.side == Side::Left;
  const double column = left ? kLeftColumn : kRightColumn;
  const double edge = left ? 0 : kProfilePageSize.width();
  const double y = m.row + 0.5;
  const QPointF marker(column, y);
  const QPointF part = mouse::at(kMouseBox, m.part);

  QLinearGradient fade(edge, 0, column, 0);
  fade.setColorAt(0, QColor(kLineLight.red(), kLineLight.green(), kLineLight.blue(), 60));
  fade.setColorAt(1, kLineLight);
  p.setPen(QPen(QBrush(fade), 1));
  p.drawLine(QPointF(edge, y), QPointF(left ? column - kMarkerRadius : column + kMarkerRadius, y));

  const QLineF toPart(marker, part);
  const QPointF start = toPart.pointAt(kMarkerRadius / toPart.length());
  p.setPen(QPen(QColor(0, 0, 0, 150), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(start, part);
  p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 200), 1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(start, part);
  p.setPen(QPen(kWell, 1));
  p.setBrush(kAccent);
  p.drawEllipse(part, 3, 3);
}

void drawMarker(QPainter& p, const Marker& m) {
  const QPointF c(m.side == Side::Left ? kLeftColumn : kRightColumn, m.row + 0.5);
  QPainterPath ring;
  ring.addEllipse(c, kMarkerRadius, kMarkerRadius);
  glow(p, ring, kAccent, 2, 3);
  QRadialGradient fill(c - QPointF(0, 4), kMarkerRadius * 1.4);
  fill.setColorAt(0, QColor(0x1d, 0x3a, 0x48));
  fill.setColorAt(1, kWell);
  p.setBrush(fill);
  p.setPen(QPen(kAccent, 1.6));
  p.drawPath(ring);

  p.setFont(markFont(kDigitPixels));
  p.setPen(kInk);
  const QRectF box(c.x() - kMarkerRadius, c.y() - kMarkerRadius, 2 * kMarkerRadius, 2 * kMarkerRadius);
  p.drawText(box, Qt::AlignCenter, QString::number(m.number));
}

}  // namespace

QImage profilePage() {
  QImage image = pageCanvas(kProfilePageSize);
  QPainter p(&image);
  prepare(p);
  drawStage(p);
  mouse::draw(p, kMouseBox);
  for (const Marker& m : kMarkers) drawLeader(p, m);
  for (const Marker& m : kMarkers) drawMarker(p, m);
  return image;
}

}  // namespace artgen
