#pragma once
// The buttons of the two profiles: where their codes lie in the Profile
// section, storing an assignment, and the rule that a profile keeps a left
// click.

#include <optional>
#include <span>
#include <string_view>

#include "core/keys/KeyCode.h"
#include "core/params/ParamModel.h"
#include "core/params/ParamSections.h"

namespace orva {

inline constexpr int kProfileCount = 2;

// The three bytes of button `button` (0..8) of profile `profile` (1 or 2);
// nullopt for any other button or profile.
std::optional<std::span<std::uint8_t, kKeyCodeSize>> profileKeySlot(ParamSections& sections, int profile,
                                                                    int button);

// Stores `code` for a button: the text in `codes` (the code array of that
// profile) and the bytes in the Profile section. False, with nothing
// changed, for a code text that is not six hex digits or a button or
// profile out of range.
bool storeKeyCode(ParamSections& sections, ProfileCodes& codes, int profile, int button, std::string_view code);

// Whether the profile whose codes are `codes` still has a left click once
// button `button` (0..8) gets `newCode`. An assignment through the menus is
// refused ("Please keep a Left Key") when it would not.
bool keepsLeftClick(const ProfileCodes& codes, int button, std::string_view newCode);

}  // namespace orva
