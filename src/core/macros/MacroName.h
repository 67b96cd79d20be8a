#pragma once
// The 32-byte name field of a macro record: up to 16 UTF-16 code units, each
// high byte first, unused units zero. The program's strings are UTF-8.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orva {

inline constexpr int kMacroNameSize = 32;
inline constexpr int kMacroNameUnits = kMacroNameSize / 2;

using MacroName = std::array<std::uint8_t, kMacroNameSize>;

// The field for a UTF-8 text; nothing when the text is empty, is not valid
// UTF-8 or needs more than 16 code units.
std::optional<MacroName> MacroNameStrToUnicode(std::string_view utf8);

// The text up to the first zero code unit, as UTF-8; a lone surrogate reads
// as U+FFFD.
std::string macroNameText(std::span<const std::uint8_t, kMacroNameSize> name);

// A record is in use when its name's first code unit is not zero.
bool macroNameInUse(std::span<const std::uint8_t, kMacroNameSize> name);

}  // namespace orva
