#include "core/params/DefaultImages.h"

#include <algorithm>

#include "core/resources/Resources.h"

namespace orva {

std::optional<Image> builtInDefaultImage(int n) {
  if (n < 1 || n > kDefaultImageCount) return std::nullopt;
  const auto bytes = findResource("ORVA31XData_Cfg" + std::to_string(n));
  if (!bytes || bytes->size() != static_cast<std::size_t>(kImageSize)) return std::nullopt;
  Image image;
  std::ranges::copy(*bytes, image.begin());
  return image;
}

std::string defaultFileName(int n) { return "ORVA31xData_Cfg" + std::to_string(n) + ".bin"; }

}  // namespace orva
