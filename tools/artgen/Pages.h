#pragma once
// The page pictures: backdrops placed on the content panel, with the
// controls laid over and beside them.

#include <QImage>

namespace artgen {

inline constexpr QSize kProfilePageSize{600, 400};
inline constexpr QSize kPageSize{800, 378};
inline constexpr QSize kSparePageSize{800, 374};
inline constexpr QSize kFirePageSize{720, 650};

QImage profilePage();
QImage advancedPage();
QImage ledPage();
QImage macroPage();
QImage sparePage();
QImage firePage();

}  // namespace artgen
