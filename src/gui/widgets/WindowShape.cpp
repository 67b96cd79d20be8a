#include "gui/widgets/WindowShape.h"

#include <QBitmap>

namespace orva::gui {

QRegion opaqueRegion(const QImage& picture) {
  // A region built from this mask holds every pixel that is not the
  // see-through colour.
  const QImage mask = picture.convertToFormat(QImage::Format_RGB32)
                          .createMaskFromColor(kSeeThrough.rgb(), Qt::MaskInColor);
  return QRegion(QBitmap::fromImage(mask));
}

}  // namespace orva::gui
