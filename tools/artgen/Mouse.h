#pragma once
// The mouse seen from above, front up, drawn in a box. Points are given in
// unit coordinates of that box (0..1 across, 0..1 down) so that the profile
// page can aim its markers at the parts.

#include <QPainter>
#include <QPainterPath>

namespace artgen::mouse {

// Centres of the parts the markers point at.
inline constexpr QPointF kLeftButton{0.27, 0.13};
inline constexpr QPointF kRightButton{0.75, 0.13};
inline constexpr QPointF kWheel{0.535, 0.19};
inline constexpr QPointF kDpiButton{0.5, 0.325};
inline constexpr QPointF kLeftSideFront{0.1, 0.30};
inline constexpr QPointF kLeftSideRear{0.1, 0.40};
inline constexpr QPointF kLeftSideLow{0.105, 0.62};
inline constexpr QPointF kRightSideFront{0.905, 0.40};
inline constexpr QPointF kRightSideRear{0.895, 0.52};

QPointF at(const QRectF& box, QPointF unit);
QPainterPath body(const QRectF& box);
// The whole mouse: shell, buttons, wheel, side buttons and its light strip.
void draw(QPainter& p, const QRectF& box);

}  // namespace artgen::mouse
