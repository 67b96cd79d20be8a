#pragma once
// The language tables name the fonts of the original platform; map them to
// faces installed here with the same metrics (Latin and Cyrillic) or the
// same script (Chinese), so the layouts' widths hold.

namespace orva::gui {

void installFontSubstitutions();

}  // namespace orva::gui
