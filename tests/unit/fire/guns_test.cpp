// The seven guns: phases and the key code a button gets.
#include <gtest/gtest.h>

#include "core/fire/Guns.h"

namespace orva::fire {
namespace {

TEST(Guns, KeyCodesFollowTheGunAndItsSetting) {
  struct Row {
    int gun;
    int Gun6_Num;
    int Gun7_Num;
    const char* code;
  };
  const Row rows[] = {
      {1, 1, 1, "0C0101"}, {2, 2, 3, "0C0202"}, {5, 2, 3, "0C0505"},
      {6, 1, 3, "0C0606"}, {6, 2, 1, "0C0607"}, {6, 5, 1, "0C0607"},  // kept within the gun's two phases
      {7, 2, 1, "0C0808"}, {7, 1, 2, "0C0809"}, {7, 1, 3, "0C080A"},
  };
  for (const Row& row : rows) {
    OrgSettings settings;
    settings.Gun6_Num = row.Gun6_Num;
    settings.Gun7_Num = row.Gun7_Num;
    const auto code = gunKeyCode(row.gun, settings);
    ASSERT_TRUE(code) << row.gun;
    EXPECT_EQ(BytesToCodeText(*code), row.code) << row.gun;
  }
  EXPECT_FALSE(gunKeyCode(0, OrgSettings{}));
  EXPECT_FALSE(gunKeyCode(8, OrgSettings{}));
}

TEST(Guns, SevenSixTwoConfirmsWithItsThreePhases) {
  OrgSettings settings;
  settings.Gun7_Num = 3;
  EXPECT_EQ(gunKeyCode(7, settings), (KeyCode{0x0C, 0x08, 0x0A}));
  const auto gun = gunOf(7);
  ASSERT_TRUE(gun);
  EXPECT_EQ(gun->nameKey, "Str606");
  EXPECT_EQ(gun->englishName, "7.62mm Fire");
}

TEST(Guns, PhasesAreConsecutiveFireMacros) {
  const std::tuple<int, int, std::optional<int>> rows[] = {  // gun, phase, fire macro
      {1, 1, 1}, {1, 2, std::nullopt}, {5, 1, 5}, {6, 1, 6}, {6, 2, 7}, {6, 3, std::nullopt},
      {7, 1, 8}, {7, 3, 10}, {7, 0, std::nullopt}, {8, 1, std::nullopt},
  };
  for (const auto& [gun, phase, fireMacro] : rows) {
    EXPECT_EQ(phaseFireMacro(gun, phase), fireMacro) << gun << "/" << phase;
  }
}

}  // namespace
}  // namespace orva::fire
