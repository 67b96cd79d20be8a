#include "core/keys/AimKeyRewrite.h"

#include "core/keys/KeyCode.h"
#include "core/keys/ProfileKeys.h"

namespace orva {
namespace {

// Hands `visit` the Profile-section bytes of every button whose code satisfies `matches`.
template <typename Matches, typename Visit>
int forEachButton(ParamSections& sections, const ProfileCodes& codes1, const ProfileCodes& codes2,
                  Matches matches, Visit visit) {
  int count = 0;
  for (int profile = 1; profile <= kProfileCount; ++profile) {
    const ProfileCodes& codes = profile == 1 ? codes1 : codes2;
    for (int button = 0; button < kButtons; ++button) {
      const auto code = CodeTextToBytes(codes[button]);
      if (!code || !matches(*code)) continue;
      visit(*profileKeySlot(sections, profile, button));
      ++count;
    }
  }
  return count;
}

}  // namespace

int rewriteAimKeys(ParamSections& sections, const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                   std::uint8_t aimValue) {
  return forEachButton(
      sections, ProfileCodes1, ProfileCodes2, [](const KeyCode& code) { return code[0] == kTypeAim; },
      [aimValue](std::span<std::uint8_t, kKeyCodeSize> slot) {
        slot[0] = kTypeAim;
        slot[1] = aimValue;
        slot[2] = 0;
      });
}

std::optional<std::uint8_t> RefreshAIMKey(const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2) {
  std::optional<std::uint8_t> aimValue;
  for (const ProfileCodes* codes : {&ProfileCodes1, &ProfileCodes2}) {
    for (const std::string& text : *codes) {
      const auto code = CodeTextToBytes(text);
      if (code && (*code)[0] == kTypeAim) aimValue = (*code)[1];
    }
  }
  return aimValue;
}

void AIMKeyToDataBuf(ParamSections& sections, const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                     const AimKeyInputs& inputs) {
  rewriteAimKeys(sections, ProfileCodes1, ProfileCodes2, inputs.AimValue);
  if (inputs.EepromMode) return;
  const std::uint8_t fireType = inputs.cb_IsFireContinue ? kTypeMacroUntilRelease : kTypeMacro;
  forEachButton(
      sections, ProfileCodes1, ProfileCodes2,
      [](const KeyCode& code) { return BytesToCodeText(code) == kFireKeyCode; },
      [fireType](std::span<std::uint8_t, kKeyCodeSize> slot) { slot[0] = fireType; });
}

}  // namespace orva
