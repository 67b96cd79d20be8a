#pragma once
// The settings of an image, as `orvactl show` prints them: text for people,
// JSON for scripts.

#include <iosfwd>
#include <vector>

#include "core/keys/KeyNames.h"
#include "core/params/ParameterCycles.h"

namespace orva::cli {

// `naming` names the buttons; its macro slot names come from the image's slots.
void printSettingsText(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired,
                       KeyNaming naming);
void printSettingsJson(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired,
                       KeyNaming naming);

}  // namespace orva::cli
