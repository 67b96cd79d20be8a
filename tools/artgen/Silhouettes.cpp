#include "Silhouettes.h"

#include <QPolygonF>

#include <initializer_list>

namespace artgen {

namespace {

QPainterPath box(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(x, y, w, h);
  return path;
}

QPainterPath poly(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
  QPainterPath all;
  all.setFillRule(Qt::WindingFill);
  for (const QPainterPath& part : parts) all.addPath(part);
  return all.simplified();
}

QPainterPath grip(double x) { return poly({{x, 24}, {x + 7, 24}, {x + 3, 37}, {x - 4, 36}}); }

QPainterPath triggerGuard(double x) {
  QPainterPath guard;
  guard.addRoundedRect(x, 23, 12, 6, 3, 3);
  QPainterPath hole;
  hole.addRoundedRect(x + 1.5, 23, 9, 4.5, 2, 2);
  return guard.subtracted(hole);
}

// Rifle with a long curved magazine, wooden-style stock and a gas tube.
QPainterPath rifleCurvedMagazine() {
  return unite({
      poly({{0, 18}, {30, 15}, {30, 22}, {4, 29}, {0, 29}}),
      box(30, 14, 38, 10),
      box(68, 15, 18, 7), box(68, 12.5, 22, 2.5),
      box(86, 17, 26, 3), poly({{106, 17}, {108, 11}, {110, 11}, {110, 17}}),
      grip(40),
      triggerGuard(44),
      poly({{54, 24}, {62, 24}, {66, 31}, {72, 39}, {64, 42}, {57, 33}}),
  });
}

// Rifle with a carry handle, fixed stock and triangular front sight.
QPainterPath rifleCarryHandle() {
  return unite({
      poly({{0, 16}, {28, 15}, {28, 23}, {0, 28}}),
      box(28, 14, 40, 10),
      box(36, 8, 26, 3), box(38, 8, 3, 6), box(58, 8, 3, 6),
      poly({{68, 14}, {88, 15}, {88, 23}, {68, 24}}),
      box(88, 17.5, 24, 2.5), poly({{96, 17.5}, {98, 9}, {100, 9}, {101, 17.5}}),
      grip(38),
      triggerGuard(42),
      poly({{52, 24}, {60, 24}, {61, 37}, {53, 38}}),
  });
}

// Carbine with a telescoping stock on a buffer tube and a top rail.
QPainterPath carbineRail() {
  QPainterPath rail;
  for (double x = 30; x < 82; x += 4) rail.addRect(x, 11.5, 2.6, 2.5);
  return unite({
      box(0, 14, 4, 13), poly({{4, 14}, {20, 15}, {20, 22}, {4, 27}}), box(20, 16, 10, 4),
      box(30, 14, 40, 10),
      box(30, 12.5, 52, 1.5), rail,
      box(70, 14, 14, 9),
      box(84, 17.5, 20, 2.5), box(104, 16.5, 5, 4.5),
      grip(40),
      triggerGuard(44),
      poly({{54, 24}, {61, 24}, {62, 36}, {55, 37}}),
  });
}

// Compact submachine gun: boxy receiver, short barrel, straight magazine,
// skeleton stock.
QPainterPath submachineGun() {
  QPainterPath stock = poly({{4, 15}, {30, 15}, {30, 27}, {4, 30}});
  QPainterPath window;
  window.addRect(9, 18, 17, 7);
  return unite({
      stock.subtracted(window),
      box(0, 14, 5, 17),
      box(30, 12, 50, 14),
      box(80, 17, 16, 4),
      box(40, 9, 30, 3),
      grip(46),
      triggerGuard(50),
      poly({{64, 26}, {71, 26}, {71, 40}, {64, 40}}),
      box(74, 26, 6, 6),
  });
}

// Angular battle rifle: folding stock, high receiver, short curved magazine.
QPainterPath battleRifle() {
  return unite({
      poly({{0, 13}, {6, 13}, {6, 29}, {0, 29}}),
      poly({{6, 14}, {28, 16}, {28, 22}, {6, 25}}),
      poly({{28, 12}, {78, 12}, {80, 15}, {80, 23}, {28, 24}}),
      box(32, 10, 44, 2),
      poly({{80, 14}, {94, 15}, {94, 22}, {80, 23}}),
      box(94, 17, 14, 3), box(108, 16, 4, 5),
      grip(38),
      triggerGuard(42),
      poly({{53, 24}, {61, 24}, {63, 33}, {57, 35}}),
  });
}

// A cartridge standing on its base: case, shoulder, neck and bullet.
QPainterPath cartridge(double x, double width, double height) {
  const double caseHeight = height * 0.62;
  const double base = height;
  const double shoulder = base - caseHeight;
  const double neck = width * 0.62;
  const double cx = x + width / 2;
  QPainterPath path;
  path.moveTo(x, base);
  path.lineTo(x, shoulder + width * 0.3);
  path.lineTo(cx - neck / 2, shoulder);
  path.lineTo(cx - neck / 2, shoulder - height * 0.08);
  path.cubicTo(cx - neck / 2, 0.35 * shoulder, cx - neck * 0.15, 0, cx, 0);
  path.cubicTo(cx + neck * 0.15, 0, cx + neck / 2, 0.35 * shoulder, cx + neck / 2, shoulder - height * 0.08);
  path.lineTo(cx + neck / 2, shoulder);
  path.lineTo(x + width, shoulder + width * 0.3);
  path.lineTo(x + width, base);
  path.closeSubpath();
  QPainterPath rim;
  rim.addRect(x - 0.8, base - height * 0.06, width + 1.6, height * 0.06);
  return unite({path, rim});
}

QPainterPath cartridges(int count, double width, double height, double gap) {
  QPainterPath all;
  all.setFillRule(Qt::WindingFill);
  for (int i = 0; i < count; ++i) all.addPath(cartridge(i * (width + gap), width, height));
  return all;
}

}  // namespace

QPainterPath gunSilhouette(int gun) {
  switch (gun) {
    case 1:
      return rifleCurvedMagazine();
    case 2:
      return rifleCarryHandle();
    case 3:
      return carbineRail();
    case 4:
      return submachineGun();
    case 5:
      return battleRifle();
    case 6:
      return cartridges(2, 9, 40, 8);
    default:
      return cartridges(3, 11, 42, 7);
  }
}

}  // namespace artgen
