#include "gui/widgets/SkinPictures.h"

#include <QPixmapCache>
#include <QtGlobal>

#include "core/resources/Resources.h"

namespace orva::gui {
namespace {

// Room for every picture of the skin decoded once (the three languages'
// backgrounds alone take some 8 MB), so hovering and switching pages or
// languages never decode the same picture twice.
constexpr int kCacheKilobytes = 48 * 1024;

QString cacheKey(const QString& name) { return "skin:" + name.toLower(); }

void sizeCache() {
  static const bool sized = [] {
    QPixmapCache::setCacheLimit(kCacheKilobytes);
    return true;
  }();
  (void)sized;
}

}  // namespace

QPixmap skinPicture(const QString& name) {
  sizeCache();
  const QString key = cacheKey(name);
  QPixmap picture;
  if (QPixmapCache::find(key, &picture)) return picture;
  const auto bytes = findResource(name.toStdString());
  if (!bytes || !picture.loadFromData(bytes->data(), static_cast<uint>(bytes->size()), "PNG")) {
    qFatal("built-in picture \"%s\" is missing or broken", qPrintable(name));
  }
  QPixmapCache::insert(key, picture);
  return picture;
}

}  // namespace orva::gui
