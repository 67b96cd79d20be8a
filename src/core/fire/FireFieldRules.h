#pragma once
// The ranges of the fire page's number fields, corrected while typing with
// correctField: out-of-range input becomes the nearest bound, an empty
// field its empty value; a lone "-" is kept where negative values are
// allowed.

#include "core/macros/editor/FieldRules.h"

namespace orva::fire {

inline constexpr NumberFieldRule kFireCountRule{1, 256, 1, false};  // shots; 256 plays endlessly
inline constexpr NumberFieldRule kFireXRule{-128, 127, 0, true};
inline constexpr NumberFieldRule kFireYRule{0, 127, 0, false};
inline constexpr NumberFieldRule kFireTimeRule{0, 2040, 0, false};  // pause in ms, stored in 8 ms units
inline constexpr NumberFieldRule kYOffsetRule{-128, 127, 0, true};  // fire page and engineering page
inline constexpr NumberFieldRule kFireColorRule{0, 255, 0, false};

// The Y offset of a phase whose Y movement is `y`: within its own range and
// such that y + offset stays within -128..127.
int correctedYOffset(int y, int offset);

}  // namespace orva::fire
