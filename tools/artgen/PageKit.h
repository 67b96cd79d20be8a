#pragma once
// Pieces the page pictures are built from: a calm panel base and framed
// sections with a heading strip.

#include <QImage>
#include <QPainter>

namespace artgen {

inline constexpr double kHeadingHeight = 28;

// A picture filled with the content panel's colour, so that it merges with
// the panel it is placed on.
QImage pageCanvas(QSize size);

// A framed section: slightly raised fill, thin frame, a heading strip with
// an accent tick (the heading text is a label of the program).
void drawSection(QPainter& p, const QRectF& r);

// A sunken well for a list box inside a section, below its heading.
void drawWell(QPainter& p, const QRectF& r);

// A faint watermark in the accent colour: concentric arcs like a dial.
void drawDialWatermark(QPainter& p, QPointF centre, double radius);

// A faint watermark of seven rising bars (the DPI levels), standing on
// `bottomRight`.
void drawLevelsWatermark(QPainter& p, QPointF bottomRight);

}  // namespace artgen
