#pragma once
// The three embedded layout files, loaded once for the tests.

#include <string>
#include <string_view>

#include "core/skin/LayoutFile.h"

namespace orva::test {

// The embedded text of layout `index` (1..3); empty when missing.
std::string_view shippedLayoutText(int index);

// The parsed layout `index`; the test fails (and a layout without values is
// returned) when it does not load.
const LayoutFile& shippedLayout(int index);

}  // namespace orva::test
