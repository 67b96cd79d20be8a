#include "Verify.h"

#include "Style.h"

#include <cstdlib>

namespace artgen {

namespace {

// Colours this close to the see-through one in every channel would read as
// a dark red fringe against it.
constexpr int kFringeDistance = 24;

bool nearSeeThrough(QRgb c) {
  return std::abs(qRed(c) - kSeeThrough.red()) <= kFringeDistance &&
         std::abs(qGreen(c) - kSeeThrough.green()) <= kFringeDistance &&
         std::abs(qBlue(c) - kSeeThrough.blue()) <= kFringeDistance;
}

}  // namespace

QString problemWith(const Picture& picture, const QImage& image) {
  if (image.size() != picture.size) {
    return QStringLiteral("drawn %1x%2, expected %3x%4")
        .arg(image.width()).arg(image.height()).arg(picture.size.width()).arg(picture.size.height());
  }
  const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb seeThrough = kSeeThrough.rgb();
  for (int y = 0; y < plain.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
    for (int x = 0; x < plain.width(); ++x) {
      if (qAlpha(row[x]) == 0 || !nearSeeThrough(row[x])) continue;
      const bool exact = (row[x] | 0xff000000u) == seeThrough && qAlpha(row[x]) == 255;
      if (exact && picture.shapesWindow) continue;
      return QStringLiteral("%1 see-through colour at (%2, %3)").arg(exact ? "stray" : "near").arg(x).arg(y);
    }
  }
  return {};
}

}  // namespace artgen
