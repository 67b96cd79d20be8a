// The loading window: where it stands over the main window, that it turns
// only while shown, and the progress figure of a transfer.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "gui/app/LoadingWindow.h"

namespace orva::gui {
namespace {

TEST(LoadingPosition, CentredOverTheMainWindowAndLowerAtCreation) {
  struct Row {
    QRect main;
    bool atCreation;
    QPoint expected;
  } rows[] = {
      {{100, 100, 1030, 662}, false, {515, 335}},
      {{100, 100, 1030, 662}, true, {515, 375}},     // 40 lower right after start
      {{0, 0, 1031, 663}, false, {415, 235}},        // odd differences round down
      {{-500, -300, 1030, 662}, false, {-85, -65}},  // a main window partly off screen
      {{-500, -300, 1030, 662}, true, {-85, -25}},
      {{10, 10, 149, 99}, false, {-15, -36}},        // smaller main window: -51 / 2 is -25, not -26
  };
  for (const Row& r : rows) {
    EXPECT_EQ(loadingPosition(r.main, kLoadingSize, r.atCreation), r.expected)
        << r.main.x() << "," << r.main.y() << " " << r.main.width() << "x" << r.main.height()
        << (r.atCreation ? " at creation" : "");
  }
}

class LoadingWindowTest : public ::testing::Test {
 protected:
  LoadingWindowTest() { main.setGeometry(100, 100, 1030, 662); }

  QWidget main;
};

TEST_F(LoadingWindowTest, TurnsOnlyWhileShown) {
  LoadingWindow loading(&main);
  EXPECT_TRUE(loading.isWindow());
  EXPECT_EQ(loading.size(), kLoadingSize);
  EXPECT_EQ(loading.pos(), QPoint(515, 375));
  EXPECT_FALSE(loading.isVisible());
  EXPECT_FALSE(loading.isAnimating());

  main.move(300, 200);  // the window follows the main window wherever it went
  loading.ShowLoading();
  EXPECT_TRUE(loading.isVisible());
  EXPECT_EQ(loading.pos(), QPoint(715, 435));
  EXPECT_TRUE(loading.isAnimating());
  const int first = loading.frame();
  EXPECT_TRUE(QTest::qWaitFor([&] { return loading.frame() != first; }, 2000));

  loading.hideLoading();
  EXPECT_FALSE(loading.isVisible());
  EXPECT_FALSE(loading.isAnimating());
}

TEST_F(LoadingWindowTest, ShowsTheShareOfChunksDone) {
  LoadingWindow loading(&main);
  const std::tuple<int, int, QString> rows[] = {
      {0, 0, ""},  // no transfer: no figure
      {0, 43, "0%"},     {21, 43, "48%"}, {43, 43, "100%"},
      {50, 43, "100%"},  // more than the count is all of it
      {-3, 43, "0%"},    {5, -1, ""},
  };
  for (const auto& [chunk, count, text] : rows) {
    loading.setProgress(chunk, count);
    EXPECT_EQ(loading.progressText(), text) << chunk << " of " << count;
  }
  loading.setProgress(10, 43);
  loading.ShowLoading();
  loading.hideLoading();
  EXPECT_EQ(loading.progressText(), "") << "a finished transfer leaves no figure for the next one";
}

TEST_F(LoadingWindowTest, DrawsTheArcAndCutsAwayTheBlack) {
  LoadingWindow loading(&main);
  const QPoint centre(100, 96), corner(2, 2), topDot(100, 96 - 78);
  EXPECT_FALSE(loading.mask().contains(corner));
  EXPECT_TRUE(loading.mask().contains(topDot));
  EXPECT_FALSE(loading.mask().contains(centre)) << "without a transfer the middle is see-through";

  loading.setProgress(1, 2);
  EXPECT_TRUE(loading.mask().contains(centre));
  const QImage shown = loading.grab().toImage();
  const QColor accent(0x2e, 0xc5, 0xff);
  EXPECT_EQ(QColor(shown.pixel(centre.x() + 46, centre.y())), accent) << "half done: the arc reaches the right";
  EXPECT_NE(QColor(shown.pixel(centre.x() - 46, centre.y())), accent) << "but not the left";
  EXPECT_EQ(QColor(shown.pixel(corner)), QColor(Qt::black));

  loading.setProgress(0, 0);
  EXPECT_FALSE(loading.mask().contains(centre));
}

}  // namespace
}  // namespace orva::gui
