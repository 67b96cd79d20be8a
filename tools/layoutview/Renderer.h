#pragma once
// Paints a placed page: pictures, captions and labelled boxes for the
// controls drawn by the program itself (edits, lists, sliders ...).

#include <QImage>
#include <vector>

#include "Controls.h"
#include "OverlapReport.h"

namespace layoutview {

struct RenderOptions {
  bool outline = false;  // every control's rectangle, and overlaps in red
};

QImage renderPage(const Page& page, const std::vector<Overlap>& overlaps, const RenderOptions& options);

}  // namespace layoutview
