#pragma once
// The checks run on sections taken from an image: a section that fails its
// checksum (or a complement pair that does not add up to 255) is replaced by
// fallback values. Each check tells whether it repaired anything.

#include <vector>

#include "core/params/ParamSections.h"

namespace orva {

bool CheckParameterASection(ParamSections& sections);
bool CheckParameterBSection(ParamSections& sections);
bool CheckProfileSection(ParamSections& sections);
bool CheckFireKeySection(ParamSections& sections);

// All four checks, in image order; the sections that were repaired.
std::vector<Section> checkSections(ParamSections& sections);

}  // namespace orva
