#include "Renderer.h"

#include <QFontMetrics>
#include <QPainter>

#include "Pictures.h"

namespace layoutview {
namespace {

// See-through parts of the window show as a checker board.
constexpr int kCheckerCell = 16;
const QColor kCheckerLight{70, 70, 70};
const QColor kCheckerDark{50, 50, 50};
const QColor kBoxBorder{150, 150, 150};
const QColor kBoxName{160, 160, 160};
const QColor kEditFill = Qt::white;
const QColor kOverlapFill{255, 0, 0, 110};
constexpr int kBoxNamePixels = 9;
constexpr int kTextPadding = 3;
constexpr int kCheckIndicator = 13;
constexpr int kCheckSpacing = 4;
constexpr int kComboArrowWidth = 16;

QColor outlineColour(Kind kind) {
  switch (kind) {
    case Kind::Label: return {255, 220, 0};
    case Kind::Button: return {0, 230, 255};
    case Kind::ClickArea: return {255, 120, 255};
    case Kind::Panel: return {255, 255, 255};
    case Kind::Picture: return {120, 255, 120};
    default: return {255, 140, 0};
  }
}

void drawChecker(QPainter& painter, QSize size) {
  for (int y = 0; y < size.height(); y += kCheckerCell) {
    for (int x = 0; x < size.width(); x += kCheckerCell) {
      const bool light = ((x + y) / kCheckerCell) % 2 == 0;
      painter.fillRect(x, y, kCheckerCell, kCheckerCell, light ? kCheckerLight : kCheckerDark);
    }
  }
}

// Pictures are shown at their own size, cut to the control.
void drawPicture(QPainter& painter, const Control& control) {
  if (control.picture.isEmpty()) return;
  painter.save();
  painter.setClipRect(control.rect);
  painter.drawImage(control.rect.topLeft(), loadPicture(control.picture).image);
  painter.restore();
}

void drawText(QPainter& painter, const QRect& rect, const Control& control, int flags) {
  painter.save();
  painter.setClipRect(rect);
  painter.setFont(fontFor(control.style));
  painter.setPen(control.style.colour);
  painter.drawText(rect, flags, control.text);
  painter.restore();
}

// A box for a control the program draws itself; without text of its own it
// shows its name in small.
void drawBox(QPainter& painter, const Control& control, const QColor& fill) {
  if (fill.isValid()) painter.fillRect(control.rect, fill);
  painter.setPen(kBoxBorder);
  painter.drawRect(control.rect.adjusted(0, 0, -1, -1));
  if (!control.text.isEmpty()) return;
  QFont font;
  font.setPixelSize(kBoxNamePixels);
  painter.setFont(font);
  painter.setPen(kBoxName);
  painter.drawText(control.rect.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignBottom, control.name);
}

void drawSlider(QPainter& painter, const Control& control) {
  drawBox(painter, control, control.fill);
  const QImage ruler = loadPicture(QStringLiteral("Slider_Ruler")).image;
  const QImage thumb = loadPicture(QStringLiteral("Slider_Thumb")).image;
  painter.save();
  painter.setClipRect(control.rect);
  const int rulerTop = control.rect.center().y() - ruler.height() / 2;
  painter.drawImage(QRect(control.rect.left(), rulerTop, control.rect.width(), ruler.height()), ruler);
  painter.drawImage(control.rect.left(), control.rect.center().y() - thumb.height() / 2, thumb);
  painter.restore();
}

void drawControl(QPainter& painter, const Control& control) {
  const QRect& rect = control.rect;
  switch (control.kind) {
    case Kind::Picture:
    case Kind::Panel:
      drawPicture(painter, control);
      break;
    case Kind::Button:
      drawPicture(painter, control);
      drawText(painter,
               rect.adjusted(control.captionInsetLeft, 0, -control.captionInsetRight, 0), control,
               Qt::AlignCenter);
      break;
    case Kind::Label: {
      // Two-line labels get the room of two lines even where the box is lower.
      QRect room = rect;
      if (control.twoLines) {
        const int lines = QFontMetrics(fontFor(control.style)).lineSpacing() * 2;
        room.setHeight(std::max(rect.height(), lines));
      }
      drawText(painter, room, control,
               Qt::AlignLeft | Qt::AlignTop | (control.twoLines ? Qt::TextWordWrap : 0));
      break;
    }
    case Kind::Edit:
      drawBox(painter, control, control.fill.isValid() ? control.fill : kEditFill);
      drawText(painter, rect.adjusted(kTextPadding, 0, -kTextPadding, 0), control, Qt::AlignCenter);
      break;
    case Kind::List:
      drawBox(painter, control, control.fill);
      break;
    case Kind::Combo:
      drawBox(painter, control, control.fill);
      drawText(painter, rect.adjusted(kTextPadding, 0, -kComboArrowWidth, 0), control,
               Qt::AlignLeft | Qt::AlignVCenter);
      painter.setPen(kBoxBorder);
      painter.drawLine(rect.right() - kComboArrowWidth, rect.top(), rect.right() - kComboArrowWidth,
                       rect.bottom());
      break;
    case Kind::Slider:
      drawSlider(painter, control);
      break;
    case Kind::Swatch:
      painter.fillRect(rect, control.fill);
      drawPicture(painter, control);
      break;
    case Kind::CheckBox: {
      const QRect box(rect.left(), rect.center().y() - kCheckIndicator / 2, kCheckIndicator,
                      kCheckIndicator);
      painter.setPen(control.style.colour);
      painter.drawRect(box.adjusted(0, 0, -1, -1));
      drawText(painter, rect.adjusted(kCheckIndicator + kCheckSpacing, 0, 0, 0), control,
               Qt::AlignLeft | Qt::AlignVCenter);
      break;
    }
    case Kind::ClickArea:
      break;
  }
}

void drawOutlines(QPainter& painter, const Page& page, const std::vector<Overlap>& overlaps) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const Control& control : page.controls) {
    if (control.overlay && control.kind != Kind::Panel && control.kind != Kind::ClickArea) continue;
    QPen pen(outlineColour(control.kind));
    pen.setWidth(1);
    if (control.kind == Kind::ClickArea) pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(control.rect.adjusted(0, 0, -1, -1));
  }
  for (const Overlap& overlap : overlaps) painter.fillRect(overlap.area, kOverlapFill);
  painter.restore();
}

}  // namespace

QImage renderPage(const Page& page, const std::vector<Overlap>& overlaps, const RenderOptions& options) {
  QImage image(page.canvas, QImage::Format_ARGB32);
  QPainter painter(&image);
  drawChecker(painter, page.canvas);
  painter.drawImage(0, 0, loadPicture(page.background).image);
  for (const Control& control : page.controls) drawControl(painter, control);
  if (options.outline) drawOutlines(painter, page, overlaps);
  return image;
}

}  // namespace layoutview
