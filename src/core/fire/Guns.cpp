#include "core/fire/Guns.h"

#include <algorithm>

namespace orva::fire {

namespace {

constexpr int kFiveFiveSixGun = 6;
constexpr int kSevenSixTwoGun = 7;

int playedFireMacros(int SelectedGun, const Gun& gun, const OrgSettings& settings) {
  if (SelectedGun == kFiveFiveSixGun) return std::clamp(settings.Gun6_Num, 1, gun.phases);
  if (SelectedGun == kSevenSixTwoGun) return std::clamp(settings.Gun7_Num, 1, gun.phases);
  return gun.phases;
}

}  // namespace

std::optional<Gun> gunOf(int SelectedGun) {
  if (SelectedGun < 1 || SelectedGun > kGunCount) return std::nullopt;
  return kGuns[static_cast<std::size_t>(SelectedGun - 1)];
}

std::optional<int> phaseFireMacro(int SelectedGun, int phase) {
  const auto gun = gunOf(SelectedGun);
  if (!gun || phase < 1 || phase > gun->phases) return std::nullopt;
  return gun->firstFireMacro + phase - 1;
}

std::optional<KeyCode> gunKeyCode(int SelectedGun, const OrgSettings& settings) {
  const auto gun = gunOf(SelectedGun);
  if (!gun) return std::nullopt;
  const int last = gun->firstFireMacro + playedFireMacros(SelectedGun, *gun, settings) - 1;
  return KeyCode{kTypeGun, static_cast<std::uint8_t>(gun->firstFireMacro), static_cast<std::uint8_t>(last)};
}

}  // namespace orva::fire
