#pragma once
// Windows take the shape of their skin picture: pixels of the see-through
// colour, maroon (128, 0, 0), are cut away; everything else is the window.

#include <QColor>
#include <QImage>
#include <QRegion>

namespace orva::gui {

inline const QColor kSeeThrough(128, 0, 0);

// The part of `picture` that is not exactly the see-through colour.
QRegion opaqueRegion(const QImage& picture);

}  // namespace orva::gui
