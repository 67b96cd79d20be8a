#pragma once
// The seven guns of the fire page: which fire macros (phases) each one
// uses and the key code a button gets for it, 0x0C followed by the first
// and the last fire macro the mouse plays in turn.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/fire/FireMacroBlock.h"
#include "core/skin/OrgSettings.h"

namespace orva::fire {

inline constexpr int kGunCount = 7;
inline constexpr int kMaxGunPhases = 3;

struct Gun {
  std::string_view nameKey;      // language key of the gun's name
  std::string_view englishName;
  int firstFireMacro;            // 1..10
  int phases;                    // consecutive fire macros shown on the page
};

inline constexpr std::array<Gun, kGunCount> kGuns = {{
    {"Str600", "AKM", 1, 1},
    {"Str601", "M16", 2, 1},
    {"Str602", "M4", 3, 1},
    {"Str603", "UMP9", 4, 1},
    {"Str604", "SCAR-L", 5, 1},
    {"Str605", "5.56mm Fire", 6, 2},
    {"Str606", "7.62mm Fire", 8, 3},
}};

// Gun 1..7; nothing for any other number.
std::optional<Gun> gunOf(int SelectedGun);

// Fire macro (1..10) of phase 1..3 of the gun; nothing outside its phases.
std::optional<int> phaseFireMacro(int SelectedGun, int phase);

// The code a button gets for the gun. Guns 6 and 7 play as many of their
// fire macros as Gun6_Num and Gun7_Num say (each kept within the gun's
// phases).
std::optional<KeyCode> gunKeyCode(int SelectedGun, const OrgSettings& settings);

}  // namespace orva::fire
