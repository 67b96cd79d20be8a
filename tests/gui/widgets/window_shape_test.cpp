// The window's shape follows the see-through colour of its picture.
#include <gtest/gtest.h>

#include <QImage>

#include "gui/widgets/SkinPictures.h"
#include "gui/widgets/WindowShape.h"

namespace orva::gui {
namespace {

TEST(WindowShape, SeeThroughPixelsAreCutAway) {
  QImage picture(4, 3, QImage::Format_RGB32);
  picture.fill(QColor(20, 22, 26));
  picture.setPixelColor(0, 0, kSeeThrough);
  picture.setPixelColor(3, 2, kSeeThrough);
  picture.setPixelColor(1, 1, QColor(128, 0, 1));  // near but not the colour: stays
  const QRegion region = opaqueRegion(picture);
  EXPECT_FALSE(region.contains(QPoint(0, 0)));
  EXPECT_FALSE(region.contains(QPoint(3, 2)));
  EXPECT_TRUE(region.contains(QPoint(1, 1)));
  EXPECT_TRUE(region.contains(QPoint(2, 0)));
}

TEST(WindowShape, TheBackgroundsAndTheDialogBoxShapeTheirWindows) {
  for (const char* name : {"L1_BackGround", "L2_BackGround", "L3_BackGround"}) {
    const QRegion region = opaqueRegion(skinPicture(name).toImage());
    EXPECT_FALSE(region.contains(QPoint(0, 0))) << name;       // rounded corner
    EXPECT_FALSE(region.contains(QPoint(1029, 661))) << name;
    EXPECT_TRUE(region.contains(QPoint(515, 331))) << name;
  }
  const QRegion box = opaqueRegion(skinPicture("Msg").toImage());
  EXPECT_EQ(box.boundingRect(), QRect(235, 230, 530, 200));
}

}  // namespace
}  // namespace orva::gui
