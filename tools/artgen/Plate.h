#pragma once
// The face of every push button: a chamfered plate whose fill and frame
// follow the button's state.

#include "Look.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

void drawPlate(QPainter& p, const QPainterPath& shape, Look look);

}  // namespace artgen
