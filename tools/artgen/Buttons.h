#pragma once
// Push buttons, page tabs, language buttons, key labels, the record button
// and the web button. Captions are labels of the program laid over them.

#include "Look.h"

#include <QImage>

namespace artgen {

QImage pushButton(QSize size, Look look);
QImage pageTab(Look look);
QImage languageButton(Look look);
QImage keyLabel(QSize size, Look look);
QImage recordButton(bool recording);
QImage webButton(Look look);

}  // namespace artgen
