#include "Pictures.h"

#include <QHash>
#include <QPainter>
#include <QSize>
#include <array>
#include <string_view>

#include "core/resources/Resources.h"

namespace layoutview {
namespace {

constexpr QRgb kSeeThrough = qRgb(128, 0, 0);
const QColor kPlaceholderFill{110, 110, 110};
constexpr QSize kUnknownSize{40, 20};

struct KnownSize {
  std::string_view prefix;
  QSize size;
};

// Sizes of the skin pictures, for the placeholders of pictures not yet
// drawn; matched by the start of the name.
constexpr std::array kKnownSizes{
    KnownSize{"L1_BackGround", {1030, 662}}, KnownSize{"L2_BackGround", {1030, 662}},
    KnownSize{"L3_", {23, 4}},               KnownSize{"L1_Back1", {600, 400}},
    KnownSize{"L2_Back1", {600, 400}},       KnownSize{"L1_Back5", {720, 650}},
    KnownSize{"L2_Back5", {720, 650}},       KnownSize{"L1_Back", {800, 378}},
    KnownSize{"L2_Back", {800, 378}},        KnownSize{"BtnS_", {110, 27}},
    KnownSize{"SetS_", {110, 27}},           KnownSize{"Lang_", {110, 27}},
    KnownSize{"KeyS_", {200, 27}},           KnownSize{"ExitS_", {22, 22}},
    KnownSize{"MiniS_", {22, 22}},           KnownSize{"WebS_", {200, 66}},
    KnownSize{"MacroS_", {113, 28}},         KnownSize{"MacroBtnS_", {44, 27}},
    KnownSize{"Insert", {207, 162}},         KnownSize{"CbS_", {19, 19}},
    KnownSize{"RdS_", {15, 15}},             KnownSize{"Col_F", {18, 18}},
    KnownSize{"Bar1_", {26, 18}},            KnownSize{"Slider_", {25, 25}},
    KnownSize{"Gun", {120, 56}},             KnownSize{"GunMode1", {42, 42}},
    KnownSize{"GunMode3", {42, 42}},         KnownSize{"GunMode5", {62, 62}},
    KnownSize{"GunMode", {52, 52}},          KnownSize{"Msg", {1000, 660}},
};

QSize placeholderSize(const QString& name) {
  // The longest matching prefix wins: "GunMode1" over "Gun".
  QSize best = kUnknownSize;
  qsizetype bestLength = 0;
  for (const KnownSize& known : kKnownSizes) {
    const QString prefix = QString::fromUtf8(known.prefix.data(), qsizetype(known.prefix.size()));
    if (name.startsWith(prefix, Qt::CaseInsensitive) && prefix.size() > bestLength) {
      best = known.size;
      bestLength = prefix.size();
    }
  }
  return best;
}

QImage placeholder(const QString& name) {
  QImage image(placeholderSize(name), QImage::Format_ARGB32);
  image.fill(kPlaceholderFill);
  QPainter painter(&image);
  painter.setPen(Qt::white);
  painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  painter.drawText(image.rect(), Qt::AlignCenter, name);
  return image;
}

QImage decode(const QString& name) {
  const QByteArray key = name.toUtf8();
  const auto bytes = orva::findResource(std::string_view(key.constData(), std::size_t(key.size())));
  if (!bytes) return {};
  QImage image = QImage::fromData(bytes->data(), int(bytes->size()), "PNG");
  if (image.isNull()) return {};
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & RGB_MASK) == (kSeeThrough & RGB_MASK)) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

QHash<QString, PictureLookup>& cache() {
  static QHash<QString, PictureLookup> pictures;
  return pictures;
}

}  // namespace

PictureLookup loadPicture(const QString& name) {
  const auto cached = cache().constFind(name);
  if (cached != cache().constEnd()) return *cached;
  PictureLookup lookup;
  lookup.image = decode(name);
  lookup.found = !lookup.image.isNull();
  if (!lookup.found) lookup.image = placeholder(name);
  cache().insert(name, lookup);
  return lookup;
}

QStringList missingPictures() {
  QStringList names;
  for (auto it = cache().constBegin(); it != cache().constEnd(); ++it) {
    if (!it->found) names << it.key();
  }
  names.sort();
  return names;
}

}  // namespace layoutview
