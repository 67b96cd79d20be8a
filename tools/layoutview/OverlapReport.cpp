#include "OverlapReport.h"

#include <QFontMetrics>

namespace layoutview {
namespace {

constexpr int kWrapLines = 2;
constexpr int kUnboundedHeight = 10000;

bool checked(const Control& control) {
  return !control.overlay && control.kind != Kind::ClickArea && control.kind != Kind::Panel &&
         !control.rect.isEmpty();
}

QString describe(const QRect& rect) {
  return QStringLiteral("(%1,%2 %3x%4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QString named(const Control& control) { return control.name + ' ' + describe(control.rect); }

// The width a caption gets inside its control, or -1 when the
// control has none to overflow (pictures, self-sizing texts).
int captionRoom(const Control& control) {
  switch (control.kind) {
    case Kind::Button:
      return control.rect.width() - control.captionInsetLeft - control.captionInsetRight;
    case Kind::Label:
      return control.rect.width();
    default:
      return -1;
  }
}

QString captionProblem(const Control& control) {
  const int room = captionRoom(control);
  if (room < 0 || control.text.trimmed().isEmpty()) return {};
  const QFontMetrics metrics(fontFor(control.style));
  if (control.twoLines) {
    const QRect needed = metrics.boundingRect(QRect(0, 0, room, kUnboundedHeight),
                                              Qt::TextWordWrap, control.text);
    const int lines = (needed.height() + metrics.lineSpacing() - 1) / metrics.lineSpacing();
    if (lines <= kWrapLines && needed.width() <= room) return {};
    return QStringLiteral("caption cut: %1 \"%2\" needs %3 lines at width %4 (widest line %5 px)")
        .arg(named(control), control.text.simplified()).arg(lines).arg(room).arg(needed.width());
  }
  const int width = metrics.horizontalAdvance(control.text);
  if (width <= room) return {};
  return QStringLiteral("caption cut: %1 \"%2\" needs %3 px, has %4")
      .arg(named(control), control.text.simplified()).arg(width).arg(room);
}

}  // namespace

std::vector<Overlap> findOverlaps(const Page& page) {
  std::vector<Overlap> found;
  const auto& controls = page.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!checked(controls[i])) continue;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (!checked(controls[j])) continue;
      const QRect area = controls[i].rect.intersected(controls[j].rect);
      if (!area.isEmpty()) found.push_back({&controls[i], &controls[j], area});
    }
  }
  return found;
}

QStringList describeProblems(const Page& page, const std::vector<Overlap>& overlaps) {
  QStringList lines;
  for (const Overlap& overlap : overlaps) {
    lines << QStringLiteral("overlap: %1 and %2, %3 px")
                 .arg(named(*overlap.first), named(*overlap.second))
                 .arg(overlap.area.width() * overlap.area.height());
  }
  for (const Control& control : page.controls) {
    if (!page.visibleArea.contains(control.rect)) {
      lines << QStringLiteral("outside %1: %2").arg(describe(page.visibleArea), named(control));
    }
  }
  for (const Control& control : page.controls) {
    const QString problem = captionProblem(control);
    if (!problem.isEmpty()) lines << problem;
  }
  return lines;
}

}  // namespace layoutview
