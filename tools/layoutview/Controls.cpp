#include "Controls.h"

#include <algorithm>
#include <cmath>

namespace layoutview {

namespace {
constexpr double kLayoutDpi = 96.0;
constexpr double kPointsPerInch = 72.0;
}  // namespace

QFont fontFor(const TextStyle& style) {
  QFont font(style.family);
  font.setPixelSize(std::max(1, int(std::lround(style.points * kLayoutDpi / kPointsPerInch))));
  font.setBold(style.bold);
  return font;
}

}  // namespace layoutview
