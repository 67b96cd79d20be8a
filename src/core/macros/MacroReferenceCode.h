#pragma once
// The key-function code that points a button at a macro: type 06 (plays to
// the end) or 0E (stops on release), then a 16-bit address, high byte first,
// as six upper-case hex digits ("060121").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/macros/MacroRecord.h"

namespace orva {

std::string MacroReferenceCode(StopMode stopMode, std::uint16_t address);

// The address of a code of type 06 or 0E; nothing for other codes and for
// text that is not six hex digits.
std::optional<std::uint16_t> macroReferenceAddress(std::string_view code);

}  // namespace orva
