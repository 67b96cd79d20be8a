// The fonts the language tables name resolve to installed faces.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>

#include "core/skin/Languages.h"
#include "gui/app/Fonts.h"

namespace orva::gui {
namespace {

TEST(Fonts, EveryLanguageFontResolvesToAnInstalledFaceOfItsKind) {
  installFontSubstitutions();
  const std::pair<int, const char*> rows[] = {{1, "Carlito"}, {2, "Carlito"}, {3, "WenQuanYi Micro Hei"}};
  for (const auto& [language, face] : rows) {
    const QString family = QString::fromStdString(languageTable(language).fontName());
    EXPECT_EQ(QFontInfo(QFont(family, 12)).family(), face) << language;
  }
}

}  // namespace
}  // namespace orva::gui
