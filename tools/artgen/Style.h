#pragma once
// The skin's palette and shared measures: graphite surfaces, thin grey
// frame lines and one cyan accent for hover, selection and highlights.

#include <QColor>

namespace artgen {

// The window shape is cut out with this colour: every pixel of it in the
// background and the dialog picture is see-through, so it may appear nowhere
// else.
inline constexpr QColor kSeeThrough{128, 0, 0};

inline constexpr QColor kSurfaceTop{0x23, 0x26, 0x2d};
inline constexpr QColor kSurface{0x1b, 0x1d, 0x22};
inline constexpr QColor kSurfaceLow{0x16, 0x18, 0x1c};
inline constexpr QColor kPanel{0x12, 0x14, 0x18};
inline constexpr QColor kWell{0x0d, 0x0f, 0x12};

inline constexpr QColor kLine{0x3a, 0x3f, 0x48};
inline constexpr QColor kLineLight{0x5b, 0x62, 0x6e};
inline constexpr QColor kLineFaint{0x2a, 0x2e, 0x35};
inline constexpr QColor kHighlight{0xff, 0xff, 0xff, 0x14};

inline constexpr QColor kAccent{0x2e, 0xc5, 0xff};
inline constexpr QColor kAccentDeep{0x0b, 0x6f, 0x9c};
inline constexpr QColor kAccentDark{0x0c, 0x2c, 0x3b};

inline constexpr QColor kGlyph{0xc9, 0xcf, 0xd8};
inline constexpr QColor kGlyphDim{0x7d, 0x85, 0x91};
inline constexpr QColor kInk{0xea, 0xf7, 0xff};

// Only the record button uses a warm colour; it is far from the see-through
// colour so that no blend towards it comes close.
inline constexpr QColor kRecord{0xff, 0x4f, 0x6a};

inline constexpr double kHairline = 1.0;

}  // namespace artgen
