#pragma once
// The rewrite of aim and fire keys that runs on the working copy just before
// the parameters are sent: every aim key gets the current aim value, and in
// driver mode the fire key's type follows the continuous-fire option.
// Buttons are recognised by their codes, so a macro that happens to be
// called "AIM" or "Fire Key" is left alone.

#include <cstdint>
#include <optional>

#include "core/params/ParamModel.h"
#include "core/params/ParamSections.h"

namespace orva {

struct AimKeyInputs {
  std::uint8_t AimValue = 0;        // index into the DPI value list
  bool EepromMode = true;
  bool cb_IsFireContinue = false;   // continuous fire
};

// Gives every aim key of either profile the bytes 0A, aimValue, 00; returns
// how many buttons are aim keys. The code texts are not changed.
int rewriteAimKeys(ParamSections& sections, const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                   std::uint8_t aimValue);

// The aim value the aim keys carry: data 1 of the last aim key of profile 1,
// then profile 2; nothing when no button is an aim key.
std::optional<std::uint8_t> RefreshAIMKey(const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2);

// rewriteAimKeys, then in driver mode every fire key's type byte becomes 0E
// with continuous fire, else 06. The Profile checksum is left to the write.
void AIMKeyToDataBuf(ParamSections& sections, const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                     const AimKeyInputs& inputs);

}  // namespace orva
