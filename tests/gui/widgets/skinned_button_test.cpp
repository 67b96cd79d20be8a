// The skinned button's pictures as the pointer enters, presses, releases and
// leaves, for the kinds of buttons the window has.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "gui/widgets/SkinnedButton.h"
#include "support/PointerEvents.h"

namespace orva::gui {
namespace {

using orva::test::enter;
using orva::test::leave;

struct KindCase {
  const char* kind;
  ButtonLook look;
  QString whenHovered, whenPressed, afterClick;
};

TEST(SkinnedButton, FollowsThePointerForEveryKind) {
  const KindCase rows[] = {
      // A clicked button with a pressed picture keeps it until the pointer leaves.
      {"A (apply, read, ...)", {"BtnS_01", "BtnS_02", "BtnS_03", ""}, "BtnS_02", "BtnS_03", "BtnS_03"},
      {"B (page buttons)", {"SetS_01", "SetS_02", "", "SetS_03"}, "SetS_02", "SetS_02", "SetS_02"},
      {"web button", {"WebS_01", "WebS_03", "WebS_02", ""}, "WebS_03", "WebS_02", "WebS_02"},
  };
  for (const KindCase& row : rows) {
    SCOPED_TRACE(row.kind);
    SkinnedButton button(row.look);
    QSignalSpy clicks(&button, &SkinnedButton::clicked);
    EXPECT_EQ(button.shownPicture(), row.look.normal);
    enter(&button);
    EXPECT_EQ(button.shownPicture(), row.whenHovered);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.shownPicture(), row.whenPressed);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.shownPicture(), row.afterClick);
    EXPECT_EQ(clicks.count(), 1);
    leave(&button);
    EXPECT_EQ(button.shownPicture(), row.look.normal);
  }
}

TEST(SkinnedButton, TakesTheSizeOfItsPicture) {
  const std::pair<ButtonLook, QSize> rows[] = {
      {{"BtnS_01", "BtnS_02", "BtnS_03", ""}, QSize(110, 27)},
      {{"ExitS_01", "ExitS_02", "ExitS_03", ""}, QSize(22, 22)},
      {{"WebS_01", "WebS_03", "WebS_02", ""}, QSize(200, 66)},
  };
  for (const auto& [look, size] : rows) EXPECT_EQ(SkinnedButton(look).size(), size) << look.normal.toStdString();
}

TEST(SkinnedButton, ASelectedButtonKeepsItsPicture) {
  SkinnedButton page({"SetS_01", "SetS_02", "", "SetS_03"});
  page.setSelected(true);
  EXPECT_EQ(page.shownPicture(), "SetS_03");
  enter(&page);
  EXPECT_EQ(page.shownPicture(), "SetS_03");
  leave(&page);
  EXPECT_EQ(page.shownPicture(), "SetS_03");
  page.setSelected(false);
  EXPECT_EQ(page.shownPicture(), "SetS_01");
}

TEST(SkinnedButton, ReleasingOutsideDoesNotClick) {
  SkinnedButton button({"BtnS_01", "BtnS_02", "BtnS_03", ""});
  QSignalSpy clicks(&button, &SkinnedButton::clicked);
  enter(&button);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(500, 5));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(button.shownPicture(), "BtnS_01");
}

}  // namespace
}  // namespace orva::gui
