#pragma once
// The settings of an image, as `orvactl show` prints them: text for people,
// JSON for scripts.

#include <iosfwd>
#include <vector>

#include "core/params/ParameterCycles.h"

namespace orva::cli {

void printSettingsText(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired);
void printSettingsJson(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired);

}  // namespace orva::cli
