#include "PageBuilder.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <charconv>

#include "Pictures.h"
#include "core/skin/Languages.h"

namespace layoutview {
namespace {

// Layouts hide a control by moving it at least this far.
constexpr int kHiddenCoordinate = 2145;
// The dialogs' "Msg" picture is opaque only in this box.
constexpr QRect kDialogBox{235, 230, 530, 200};
constexpr int kCheckIndicator = 13;
constexpr int kCheckSpacing = 4;
constexpr int kMaxColour = 255;
const std::array kSwatchColours{QColor(230, 40, 40), QColor(40, 200, 60), QColor(50, 90, 240),
                                QColor(240, 200, 30), QColor(200, 60, 220), QColor(40, 210, 220),
                                QColor(250, 250, 250)};

std::string substitute(const std::string& text, int index, int language) {
  std::string out;
  for (char c : text) {
    if (c == '#') {
      out += std::to_string(index);
    } else if (c == '%') {
      out += std::to_string(language);
    } else {
      out += c;
    }
  }
  return out;
}

// Entry `offset` of a comma list, or the text itself when it has no comma.
std::string pick(const std::string& list, int offset) {
  if (list.find(',') == std::string::npos) return list;
  std::size_t start = 0;
  for (int i = 0; i < offset; ++i) {
    start = list.find(',', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return list.substr(start, list.find(',', start) - start);
}

int parseNumber(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

QString caption(const std::string& keys, int index, int offset, const orva::LanguageTable& texts) {
  const std::string entry = pick(keys, offset);
  const std::size_t start = entry.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  const QString indent(qsizetype(start), QLatin1Char(' '));
  const std::string_view body = std::string_view(entry).substr(start);
  if (body.starts_with('=')) return indent + QString::fromUtf8(body.substr(1).data(), qsizetype(body.size() - 1));
  if (body.starts_with('#')) {
    const int plus = body.starts_with("#+") ? parseNumber(body.substr(2)) : 0;
    return indent + QString::number(index + plus);
  }
  const bool advances = keys.find(',') == std::string::npos;
  const int number = parseNumber(body.substr(3)) + (advances ? offset : 0);
  return indent + QString::fromStdString(texts.text(orva::strKey(number)));
}

class Builder {
 public:
  Builder(const PageContext& context, const LayoutValues& layout, const orva::LanguageTable& texts)
      : context_(context), layout_(layout), texts_(texts),
        family_(QString::fromStdString(texts.fontName())) {}

  void add(const Row& row, std::vector<Control>& out) const {
    for (int index = row.first; index <= row.last; ++index) {
      if (auto control = place(row, index)) out.push_back(std::move(*control));
    }
  }

 private:
  std::string sub(const std::string& text, int index) const {
    return substitute(text, index, context_.language);
  }

  QColor colour(const std::string& stem) const {
    const auto channel = [&](const char* suffix) {
      return std::clamp(layout_.value(stem + suffix), 0, kMaxColour);
    };
    return {channel("_R"), channel("_G"), channel("_B")};
  }

  TextStyle textStyle(const Row& row, int index) const {
    TextStyle style{.family = family_, .bold = row.font.bold};
    const std::string styleStem = sub(row.style, index);
    if (!row.font.sizeKey.empty()) {
      style.points = layout_.value(row.font.sizeKey) + row.font.delta;
    } else if (!styleStem.empty()) {
      style.points = layout_.value(styleStem + "_Size");
    }
    if (!row.font.colourStem.empty()) {
      style.colour = colour(row.font.colourStem);
    } else if (!styleStem.empty()) {
      style.colour = colour(styleStem);
    }
    return style;
  }

  std::optional<Control> place(const Row& row, int index) const {
    const int offset = index - row.first;
    if (!row.enableKey.empty() && layout_.value(sub(row.enableKey, index)) != 1) return std::nullopt;

    QPoint origin;
    if (!row.origin.empty()) {
      const auto panel = position(row.origin);
      if (!panel) return std::nullopt;
      origin = *panel;
    }
    QPoint at{row.dx, row.dy};
    if (!row.stem.empty()) {
      const auto base = position(sub(row.stem, index));
      if (!base) return std::nullopt;
      at += *base;
    }
    if (!row.dxKey.empty()) at.rx() += layout_.value(row.dxKey);
    if (!row.dyKey.empty()) at.ry() += layout_.value(row.dyKey);

    Control control{.name = QString::fromStdString(sub(pick(row.name, offset), index)),
                    .kind = row.kind,
                    .text = caption(row.caption, index, offset, texts_),
                    .style = textStyle(row, index),
                    .twoLines = row.twoLines,
                    .overlay = row.overlay};
    const std::string pictureName =
        sub(index == row.selected ? row.selectedPicture : pick(row.picture, offset), index);
    QSize pictureSize;
    if (!pictureName.empty()) {
      pictureSize = loadPicture(QString::fromStdString(pictureName)).image.size();
      // Labels that follow a row of cells borrow the cell's size for the step only.
      if (row.kind != Kind::Label) control.picture = QString::fromStdString(pictureName);
    }
    if (!row.stepKey.empty()) {
      const int step = layout_.value(row.stepKey) +
                       (row.stepAddsPictureWidth ? pictureSize.width() : 0);
      (row.stepDown ? at.ry() : at.rx()) += offset * step;
    }
    if (!row.wrapKey.empty() && layout_.value(row.wrapKey) == 1) {
      const qsizetype dash = control.text.indexOf(QLatin1Char('-'));
      if (dash >= 0) control.text = control.text.left(dash) + " \n" + control.text.mid(dash + 1);
    }
    if (row.spaced) {
      control.captionInsetLeft = layout_.value("Btn_Space_F");
      control.captionInsetRight = layout_.value("Btn_Space_B");
    }
    if (!row.fillStem.empty()) control.fill = colour(row.fillStem);
    if (row.kind == Kind::Swatch) control.fill = kSwatchColours[std::size_t(offset) % kSwatchColours.size()];

    control.rect = QRect(origin + at, size(row, index, control, pictureSize));
    return control;
  }

  QSize size(const Row& row, int index, const Control& control, QSize pictureSize) const {
    const QFontMetrics metrics(fontFor(control.style));
    const bool hasPicture = !control.picture.isEmpty();
    int width = row.width;
    if (!row.widthKey.empty()) {
      width += row.widthScale * layout_.value(sub(row.widthKey, index));
    } else if (width == 0 && hasPicture) {
      width = pictureSize.width();
    } else if (width == 0) {
      width = metrics.horizontalAdvance(control.text);
      if (row.kind == Kind::CheckBox) width += kCheckIndicator + kCheckSpacing;
    }
    int height = row.height;
    if (!row.heightKey.empty()) {
      height = layout_.value(row.heightKey);
    } else if (height == 0 && hasPicture) {
      height = pictureSize.height();
    } else if (height == 0) {
      height = row.twoLines ? 2 * control.style.points : metrics.height();
    }
    return {width, height};
  }

  // The point <stem>_X, <stem>_Y; nullopt when a key is missing or the
  // point is far off (hidden).
  std::optional<QPoint> position(const std::string& stem) const {
    const auto x = layout_.get(stem + "_X");
    const auto y = layout_.get(stem + "_Y");
    if (!x || !y || *x >= kHiddenCoordinate || *y >= kHiddenCoordinate) return std::nullopt;
    return QPoint(*x, *y);
  }

  const PageContext& context_;
  const LayoutValues& layout_;
  const orva::LanguageTable& texts_;
  QString family_;
};

}  // namespace

Page buildPage(PageId page, const PageContext& context, const LayoutValues& layout,
               const orva::LanguageTable& texts) {
  Page result{.name = QString::fromUtf8(pageName(page).data(), qsizetype(pageName(page).size()))};
  if (isDialog(page)) {
    result.background = QStringLiteral("Msg");
    result.canvas = loadPicture(result.background).image.size();
    result.visibleArea = kDialogBox;
  } else {
    result.background = QStringLiteral("L%1_BackGround").arg(context.language);
    // The window keeps the size of the first language's background.
    result.canvas = loadPicture(QStringLiteral("L1_BackGround")).image.size();
    result.visibleArea = QRect(QPoint(0, 0), result.canvas);
  }
  const Builder builder(context, layout, texts);
  for (const Row& row : pageRows(page, context)) builder.add(row, result.controls);
  return result;
}

}  // namespace layoutview
