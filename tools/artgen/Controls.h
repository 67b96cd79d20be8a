#pragma once
// Small controls: check boxes, radio buttons, the swatch frame, bar cells,
// the slider and the insert panel backgrounds.

#include <QImage>

namespace artgen {

enum class InsertKind { Delay, Key, Movement };

QImage checkBox(bool checked);
QImage radioButton(bool on);
QImage swatchFrame();
QImage barCell(QSize size, bool lit);
QImage sliderThumb();
QImage sliderRuler();
QImage insertPanel(InsertKind kind);

}  // namespace artgen
