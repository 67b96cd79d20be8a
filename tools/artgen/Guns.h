#pragma once
// The seven gun pictures of the fire page and the phase badges.

#include <QImage>

namespace artgen {

inline constexpr int kGunCount = 7;
inline constexpr QSize kGunSize{120, 56};

// gun is 1..7; guns 6 and 7 stand for two and three phases of one calibre.
QImage gunPicture(int gun, bool selected);
// A badge showing `phase` chevrons (1..3), `edge` pixels square.
QImage gunModeBadge(int phase, int edge);

}  // namespace artgen
