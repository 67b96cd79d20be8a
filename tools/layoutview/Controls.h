#pragma once
// A control as placed on a rendered page: what it is, where it lies and what
// it shows. Produced from the page tables and a layout, consumed by the
// renderer and the overlap report.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

namespace layoutview {

enum class Kind {
  Picture,    // an image on its own (page pictures, check images, bar cells)
  Button,     // an image with a caption centred on it
  Label,      // text in a box of the layout's width
  Edit,
  List,
  Combo,
  Slider,
  Swatch,     // colour shape under a frame picture
  CheckBox,   // indicator and caption (the dialogs' modifier boxes)
  ClickArea,  // an invisible label that only receives clicks
  Panel,      // a container whose children are placed relative to it
};

struct TextStyle {
  QString family;
  int points = 0;
  QColor colour{};
  bool bold = false;
};

// Points at the 96 dpi the layouts were made for.
QFont fontFor(const TextStyle& style);

struct Control {
  QString name{};
  Kind kind = Kind::Picture;
  QRect rect{};
  QString picture{};
  QString text{};
  TextStyle style{};
  QColor fill{};
  int captionInsetLeft = 0;   // page buttons leave room for the picture's ends
  int captionInsetRight = 0;
  bool twoLines = false;      // label wraps into two lines
  bool overlay = false;       // lies over others by design: not overlap-checked
};

struct Page {
  QString name{};
  QString background{};  // the window's or the dialog's picture, at (0, 0)
  QSize canvas{};
  QRect visibleArea{};  // what must hold every control (window or dialog box)
  std::vector<Control> controls{};
};

}  // namespace layoutview
