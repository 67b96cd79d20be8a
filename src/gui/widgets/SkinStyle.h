#pragma once
// The layout's colours and the language's font as Qt values.

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QString>

namespace orva::gui {

// A layout colour, R + 256·G + 65536·B.
inline QColor layoutColour(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

// The layouts give font sizes in points.
inline QFont captionFont(const QString& family, int points, bool bold = false) {
  QFont font(family);
  font.setPointSize(points > 0 ? points : 1);
  font.setBold(bold);
  return font;
}

}  // namespace orva::gui
