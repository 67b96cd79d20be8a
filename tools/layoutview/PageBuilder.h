#pragma once
// Places the rows of a page with the values of a layout file and the texts
// of a language table. Hidden controls (disabled, or moved far off) are left
// out.

#include "Controls.h"
#include "LayoutValues.h"
#include "PageTables.h"
#include "core/skin/LanguageTable.h"

namespace layoutview {

Page buildPage(PageId page, const PageContext& context, const LayoutValues& layout,
               const orva::LanguageTable& texts);

}  // namespace layoutview
