#include "unit/layout/ShippedLayouts.h"

#include <gtest/gtest.h>

#include <array>

#include "core/resources/Resources.h"

namespace orva::test {

std::string_view shippedLayoutText(int index) {
  return findTextResource(layoutResourceName(index)).value_or(std::string_view{});
}

const LayoutFile& shippedLayout(int index) {
  static const std::array<LayoutFile, kLayoutCount> layouts = [] {
    std::array<LayoutFile, kLayoutCount> all;
    for (int i = 1; i <= kLayoutCount; ++i) {
      LayoutResult result = LoadLayout(i);
      EXPECT_TRUE(result.ok()) << result.error;
      if (result.layout) all[i - 1] = std::move(*result.layout);
    }
    return all;
  }();
  return layouts.at(static_cast<std::size_t>(index - 1));
}

}  // namespace orva::test
