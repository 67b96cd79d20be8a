#include "gui/widgets/SkinPictures.h"

#include <QPixmapCache>
#include <QThread>
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

SkinPreload::SkinPreload(QStringList names) : names_(std::move(names)) {
  // Qt takes the first thread that asks for its thread data as the main
  // one; ask here, before the decoding thread does.
  QThread::currentThread();
  decoded_ = std::async(std::launch::async, [names = names_] {
    std::vector<QImage> images;
    for (const QString& name : names) {
      QImage image;
      if (const auto bytes = findResource(name.toStdString())) {
        image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG");
      }
      images.push_back(std::move(image));
    }
    return images;
  });
}

void SkinPreload::adopt() {
  sizeCache();
  const std::vector<QImage> images = decoded_.get();
  for (std::size_t i = 0; i < images.size(); ++i) {
    // A picture that did not decode is left to skinPicture, which says so.
    if (!images[i].isNull()) QPixmapCache::insert(cacheKey(names_[static_cast<qsizetype>(i)]), QPixmap::fromImage(images[i]));
  }
}

QStringList startupPictures() {
  return {"L1_BackGround", "L1_Back1", "KeyS_01", "SetS_01", "SetS_03", "BtnS_01", "Lang_01",
          "Lang_03",       "ExitS_01", "MiniS_01", "WebS_01", "CbS_D"};
}

}  // namespace orva::gui
