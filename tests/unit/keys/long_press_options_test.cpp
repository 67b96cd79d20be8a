// The long-press options: middle-button and DPI-button long press exclude
// each other, the gun-key option is independent.
#include <gtest/gtest.h>

#include "core/keys/LongPressOptions.h"

namespace orva {
namespace {

struct Flags {
  bool mid, cpi, gun;
};

Flags flagsOf(const ParamModel& m) { return {m.cb_MidPress, m.cb_CPIPress, m.cb_GunPress}; }

TEST(LongPressOptions, ClicksFollowTheExclusionRule) {
  struct Case {
    const char* what;
    Flags before;
    int option;
    Flags after;
  };
  const Case rows[] = {
      {"middle on", {false, false, false}, 1, {true, false, false}},
      {"middle on clears DPI", {false, true, false}, 1, {true, false, false}},
      {"middle off leaves DPI off", {true, false, false}, 1, {false, false, false}},
      {"DPI on clears middle", {true, false, true}, 2, {false, true, true}},
      {"DPI off", {false, true, false}, 2, {false, false, false}},
      {"gun on keeps the others", {true, false, false}, 3, {true, false, true}},
      {"gun off keeps the others", {false, true, true}, 3, {false, true, false}},
      {"unknown option changes nothing", {true, false, true}, 4, {true, false, true}},
  };
  for (const Case& row : rows) {
    SCOPED_TRACE(row.what);
    ParamModel m;
    m.cb_MidPress = row.before.mid;
    m.cb_CPIPress = row.before.cpi;
    m.cb_GunPress = row.before.gun;
    IB_ComboKeyClick(m, row.option);
    const Flags got = flagsOf(m);
    EXPECT_EQ(got.mid, row.after.mid);
    EXPECT_EQ(got.cpi, row.after.cpi);
    EXPECT_EQ(got.gun, row.after.gun);
    for (int option = 1; option <= kLongPressOptions; ++option) {
      const bool expected = option == 1 ? got.mid : option == 2 ? got.cpi : got.gun;
      EXPECT_EQ(longPressOption(m, option), expected) << "option " << option;
    }
  }
}

}  // namespace
}  // namespace orva
