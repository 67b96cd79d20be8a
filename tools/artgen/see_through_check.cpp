// orva_artgen_check: decodes every embedded skin picture and checks the
// see-through colour: it cuts the window's corners and the dialog around
// its box, and appears nowhere else, nor anything close to it.
#include "core/resources/Resources.h"

#include <QImage>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr QRgb kSeeThrough = qRgb(128, 0, 0);
constexpr int kFringeDistance = 24;
constexpr int kWindowCornerRadius = 16;
// Pixels this deep into a corner lie outside its rounding.
constexpr int kCornerDepth = 3;
constexpr QRect kDialogBox{235, 230, 530, 200};
constexpr std::array kWindowPictures{"L1_BackGround", "L2_BackGround", "L3_BackGround"};
constexpr const char* kDialogPicture = "Msg";

int failures = 0;

void fail(std::string_view picture, const char* what, int x, int y) {
  std::fprintf(stderr, "%.*s: %s at (%d, %d)\n", int(picture.size()), picture.data(), what, x, y);
  ++failures;
}

bool isSeeThrough(QRgb c) { return qAlpha(c) == 255 && (c & 0xffffffu) == (kSeeThrough & 0xffffffu); }

bool nearSeeThrough(QRgb c) {
  return qAlpha(c) > 0 && !isSeeThrough(c) && std::abs(qRed(c) - 128) <= kFringeDistance &&
         qGreen(c) <= kFringeDistance && qBlue(c) <= kFringeDistance;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool isWindowPicture(std::string_view name) {
  return std::any_of(kWindowPictures.begin(), kWindowPictures.end(), [&](const char* w) { return sameName(name, w); });
}

// Inside the window's rounded outline but away from the corners.
bool insideWindow(const QImage& image, int x, int y) {
  const int r = kWindowCornerRadius;
  const bool middleColumns = x >= r && x < image.width() - r;
  const bool middleRows = y >= r && y < image.height() - r;
  return middleColumns || middleRows;
}

bool inCornerTip(const QImage& image, int x, int y) {
  const bool left = x < kCornerDepth, right = x >= image.width() - kCornerDepth;
  const bool top = y < kCornerDepth, bottom = y >= image.height() - kCornerDepth;
  return (left || right) && (top || bottom);
}

void checkPicture(std::string_view name, const QImage& image) {
  const bool window = isWindowPicture(name);
  const bool dialog = sameName(name, kDialogPicture);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = row[x];
      if (nearSeeThrough(c)) fail(name, "colour close to the see-through one", x, y);
      const bool cut = isSeeThrough(c);
      if (window && insideWindow(image, x, y) && cut) fail(name, "see-through inside the window", x, y);
      if (window && inCornerTip(image, x, y) && !cut) fail(name, "opaque corner", x, y);
      if (dialog && kDialogBox.contains(x, y) && cut) fail(name, "see-through inside the box", x, y);
      if (dialog && !kDialogBox.contains(x, y) && !cut) fail(name, "opaque outside the box", x, y);
      if (!window && !dialog && cut) fail(name, "stray see-through colour", x, y);
      if (failures > 20) return;
    }
  }
}

bool isPng(const orva::EmbeddedResource& r) {
  static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  return r.size >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), r.data);
}

}  // namespace

int main() {
  int shapers = 0;
  for (const orva::EmbeddedResource& r : orva::embeddedResources()) {
    if (!isPng(r)) continue;
    const QImage image = QImage::fromData(r.data, static_cast<int>(r.size), "PNG").convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
      fail(r.name, "undecodable picture", 0, 0);
      continue;
    }
    if (isWindowPicture(r.name) || sameName(r.name, kDialogPicture)) ++shapers;
    checkPicture(r.name, image);
  }
  // The three window backgrounds and the dialog picture must all have been seen.
  if (shapers != int(kWindowPictures.size()) + 1) {
    std::fprintf(stderr, "found %d of the %zu window-shaping pictures\n", shapers, kWindowPictures.size() + 1);
    ++failures;
  }
  std::printf("%s\n", failures == 0 ? "see-through colour in place" : "see-through check failed");
  return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
