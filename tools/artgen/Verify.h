#pragma once
// Checks a drawn picture before it is written.

#include "Catalogue.h"

#include <QString>

namespace artgen {

// Empty when the picture has its catalogue size and uses the see-through
// colour only where it may: exactly, and only in pictures that shape a
// window; never a colour close to it.
QString problemWith(const Picture& picture, const QImage& image);

}  // namespace artgen
