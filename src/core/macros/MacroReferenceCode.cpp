#include "core/macros/MacroReferenceCode.h"

#include "core/keys/KeyCode.h"

namespace orva {

std::string MacroReferenceCode(StopMode stopMode, std::uint16_t address) {
  const std::uint8_t type = stopMode == StopMode::StopOnRelease ? kTypeMacroUntilRelease : kTypeMacro;
  return BytesToCodeText({type, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF)});
}

std::optional<std::uint16_t> macroReferenceAddress(std::string_view code) {
  const auto bytes = CodeTextToBytes(code);
  if (!bytes || ((*bytes)[0] != kTypeMacro && (*bytes)[0] != kTypeMacroUntilRelease)) return std::nullopt;
  return static_cast<std::uint16_t>(((*bytes)[1] << 8) | (*bytes)[2]);
}

}  // namespace orva
