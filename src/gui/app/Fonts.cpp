#include "gui/app/Fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace orva::gui {

void installFontSubstitutions() {
  // Carlito has the letter widths of the font the texts were laid out for.
  QFont::insertSubstitutions(QStringLiteral("Calibri"), {QStringLiteral("Carlito"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QString::fromUtf8("宋体"),
                             {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK TC")});
}

}  // namespace orva::gui
