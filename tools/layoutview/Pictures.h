#pragma once
// The skin pictures, decoded from the embedded resources. Maroon pixels
// (128, 0, 0) become transparent, as they are see-through in the program.
// A picture that is not embedded yet is drawn as a grey box with its name,
// at the size the skin gives it.

#include <QImage>
#include <QString>
#include <QStringList>

namespace layoutview {

struct PictureLookup {
  QImage image;
  bool found = false;
};

PictureLookup loadPicture(const QString& name);

// The names asked for so far that are not embedded.
QStringList missingPictures();

}  // namespace layoutview
