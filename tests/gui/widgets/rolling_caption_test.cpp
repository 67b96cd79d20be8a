// Rolling captions: one character per tick, the gap once per hover.
#include <gtest/gtest.h>

#include "gui/widgets/RollingCaption.h"

namespace orva::gui {
namespace {

TEST(RollingCaption, ScrollsLeftWithOneGapPerHover) {
  RollingCaption roll("Apply");
  const char* expected[] = {"pply    A", "ply    Ap", "ly    App", "y    Appl", "    Apply", "   Apply "};
  for (const char* text : expected) EXPECT_EQ(roll.tick(), QString(text));
  EXPECT_EQ(roll.original(), QString("Apply"));
}

TEST(RollingCaption, TheGapIsNeverInsertedAgainAfterTheCountWraps) {
  RollingCaption roll("ab");
  for (int i = 0; i < 100; ++i) roll.tick();
  EXPECT_EQ(roll.tick().size(), 6);  // "ab" and the one gap of four
}

TEST(RollingCaption, AnEmptyCaptionStaysEmpty) {
  RollingCaption roll("");
  EXPECT_TRUE(roll.tick().isEmpty());
}

}  // namespace
}  // namespace orva::gui
