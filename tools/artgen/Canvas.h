#pragma once
// Small drawing helpers shared by every picture.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace artgen {

// A fully transparent picture for controls laid over the window.
QImage transparentCanvas(QSize size);
// An opaque picture filled with one colour.
QImage opaqueCanvas(QSize size, const QColor& fill);

// Antialiased painting with smooth transforms.
void prepare(QPainter& p);

// The face for the few neutral marks (word mark, digits, web address):
// DejaVu Sans when installed, else the default face.
QFont markFont(int pixelSize, QFont::Weight weight = QFont::Bold);

QPainterPath roundedRect(const QRectF& r, double radius);
// A rectangle whose four corners are cut by `cut` pixels at 45 degrees.
QPainterPath chamferedRect(const QRectF& r, double cut);

// A soft halo: the path stroked several times, wider and fainter each time.
void glow(QPainter& p, const QPainterPath& path, const QColor& colour, double width, int layers);

// Makes every pixel outside `keep` the see-through colour and every pixel
// inside opaque. The mask is drawn without antialiasing so that the cut is
// hard: no pixel blends towards the see-through colour.
QImage cutSeeThrough(const QImage& picture, const QPainterPath& keep);

}  // namespace artgen
