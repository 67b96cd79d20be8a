#pragma once
// Finds what looks wrong on a placed page: visible controls that overlap,
// controls that stick out of the window (or of a dialog's box), and captions
// wider than the room they get.

#include <QRect>
#include <QStringList>
#include <vector>

#include "Controls.h"

namespace layoutview {

struct Overlap {
  const Control* first;
  const Control* second;
  QRect area;
};

// Controls that lie over others by design (backgrounds, panels, click
// areas) take no part.
std::vector<Overlap> findOverlaps(const Page& page);

// One line per problem, overlaps first.
QStringList describeProblems(const Page& page, const std::vector<Overlap>& overlaps);

}  // namespace layoutview
