#pragma once
// Stylised side views of the guns, right-facing, in their own units; the
// caller scales them into a picture.

#include <QPainterPath>

namespace artgen {

// gun is 1..7: five rifles of distinct outline, then two and three
// cartridges for the two calibre groups.
QPainterPath gunSilhouette(int gun);

}  // namespace artgen
