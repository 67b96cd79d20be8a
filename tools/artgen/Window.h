#pragma once
// The window background and the dialog frame: the two pictures whose
// see-through colour shapes a window.

#include <QImage>

namespace artgen {

inline constexpr QSize kWindowSize{1030, 662};
inline constexpr QSize kDialogSize{1000, 660};
// The only opaque part of the dialog picture.
inline constexpr QRect kDialogBox{235, 230, 530, 200};

// `languagesInHeader`: the language buttons stand in the header (language 3's
// layout) rather than beside the page tabs.
QImage windowBackground(bool languagesInHeader);
QImage dialogFrame();

}  // namespace artgen
