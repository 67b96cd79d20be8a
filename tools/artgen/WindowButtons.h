#pragma once
// The close and minimise boxes of the window and the dialogs.

#include "Look.h"

#include <QImage>

namespace artgen {

QImage closeButton(Look look);
QImage minimiseButton(Look look);

}  // namespace artgen
