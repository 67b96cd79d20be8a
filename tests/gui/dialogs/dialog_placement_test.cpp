// Where the small dialogs open over the main window.
#include <gtest/gtest.h>

#include "gui/dialogs/DialogPlacement.h"

namespace orva::gui {
namespace {

TEST(DialogPlacement, CentredOverTheMainWindowTruncatingTowardZero) {
  struct Row {
    QRect main;
    QSize dialog;
    bool assembly;
    QPoint expected;
  } rows[] = {
      {{100, 50, 1030, 662}, {1000, 660}, false, {115, 51}},   // 15 right, 1 lower
      {{100, 50, 1030, 662}, {1000, 660}, true, {115, 91}},    // the combination-key dialog 40 lower
      {{0, 0, 1031, 663}, {1000, 660}, false, {15, 1}},        // odd differences round down
      {{0, 0, 990, 650}, {1000, 660}, false, {-5, -5}},        // larger dialog: -10 / 2 = -5
      {{0, 0, 989, 649}, {1000, 660}, false, {-5, -5}},        // -11 / 2 truncates to -5, not -6
  };
  for (const Row& r : rows) {
    EXPECT_EQ(dialogPosition(r.main, r.dialog, r.assembly), r.expected)
        << r.main.width() << "x" << r.main.height() << (r.assembly ? " assembly" : "");
  }
}

}  // namespace
}  // namespace orva::gui
