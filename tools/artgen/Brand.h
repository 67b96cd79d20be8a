#pragma once
// The word mark and its glyph in the window header.

#include <QPainter>

namespace artgen {

// Draws the glyph and "ORVA" with their left edge at `origin`, vertically
// centred on origin.y().
void drawBrand(QPainter& p, QPointF origin);

}  // namespace artgen
