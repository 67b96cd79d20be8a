#pragma once
// The skin's pictures, decoded from the program's embedded resources by name
// (regardless of case). A missing name is a program error: every picture the
// program asks for is built in.

#include <QPixmap>
#include <QString>

namespace orva::gui {

QPixmap skinPicture(const QString& name);

}  // namespace orva::gui
