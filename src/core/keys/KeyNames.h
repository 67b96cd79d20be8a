#pragma once
// The names buttons are shown with: CodeToName for one code, RefreshKeyNames
// for the nine buttons of both profiles.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/keys/KeyCode.h"
#include "core/params/ParamModel.h"
#include "core/skin/TextLookup.h"

namespace orva {

inline constexpr int kGunKeyScriptCount = 10;
// Ten gun key scripts, each 00 00 00 (unused) or a 0C code.
using GunKeyScripts = std::array<KeyCode, kGunKeyScriptCount>;

// Item `item` of the macro slot name list: device slot item + 1 in EEPROM
// mode (the caller reads the name from the mouse when it has none yet), entry
// `item` of the driver's macro slots in driver mode. Empty when the slot has
// no name or, in driver mode, does not exist.
using MacroSlotNameLookup = std::function<std::string(int item)>;

// What names depend on besides the code.
struct KeyNaming {
  TextLookup text;                     // texts of the current language; must be set
  bool EepromMode = true;
  MacroSlotNameLookup macroSlotName;   // unset: macros have no name
  bool FireScriptsPresent = false;     // gun codes are named after the scripts
  GunKeyScripts gunKeyScripts{};
};

// The display name of a code text; empty when the code has none (and for a
// text that is not six hex digits).
std::string CodeToName(std::string_view codeText, const KeyNaming& naming);

using ProfileNames = std::array<std::string, kButtons>;

struct KeyNames {
  ProfileNames ProfileNames1;
  ProfileNames ProfileNames2;
};

KeyNames RefreshKeyNames(const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                         const KeyNaming& naming);

}  // namespace orva
