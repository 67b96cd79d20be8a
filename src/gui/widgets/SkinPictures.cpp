#include "gui/widgets/SkinPictures.h"

#include <QtGlobal>

#include "core/resources/Resources.h"

namespace orva::gui {

QPixmap skinPicture(const QString& name) {
  const auto bytes = findResource(name.toStdString());
  QPixmap picture;
  if (!bytes || !picture.loadFromData(bytes->data(), static_cast<uint>(bytes->size()), "PNG")) {
    qFatal("built-in picture \"%s\" is missing or broken", qPrintable(name));
  }
  return picture;
}

}  // namespace orva::gui
