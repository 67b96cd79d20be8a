#pragma once
// Key-function codes: the three bytes (type, data 1, data 2) the firmware
// reads for a button, and their text form of six upper-case hex digits
// ("010100" = left click) in which the program handles them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/params/ImageLayout.h"

namespace orva {

using KeyCode = std::array<std::uint8_t, kKeyCodeSize>;

inline constexpr std::size_t kCodeTextLength = 2 * kKeyCodeSize;

// Type bytes (byte 0).
inline constexpr std::uint8_t kTypeKeyOff = 0x00;
inline constexpr std::uint8_t kTypeMouseButton = 0x01;
inline constexpr std::uint8_t kTypeKeyboard = 0x02;
inline constexpr std::uint8_t kTypeConsumer = 0x03;
inline constexpr std::uint8_t kTypeDpiLoop = 0x05;
inline constexpr std::uint8_t kTypeMacro = 0x06;              // played to the end
inline constexpr std::uint8_t kTypeDpiUp = 0x07;
inline constexpr std::uint8_t kTypeDpiDown = 0x08;
inline constexpr std::uint8_t kTypeLedSwitch = 0x09;
inline constexpr std::uint8_t kTypeAim = 0x0A;
inline constexpr std::uint8_t kTypeGun = 0x0C;
inline constexpr std::uint8_t kTypeGunKeyFn = 0x0D;
inline constexpr std::uint8_t kTypeMacroUntilRelease = 0x0E;  // stopped when the button is released
inline constexpr std::uint8_t kTypeProfileSwitch = 0x0F;
inline constexpr std::uint8_t kTypeLedMode = 0x10;

// Modifier bits of a keyboard code (data 1).
inline constexpr std::uint8_t kModifierCtrl = 0x01;
inline constexpr std::uint8_t kModifierShift = 0x02;
inline constexpr std::uint8_t kModifierAlt = 0x04;
inline constexpr std::uint8_t kModifierWin = 0x08;

inline constexpr std::string_view kLeftClickCode = "010100";
// A type-06 reference to the FireKey block of the image: the rapid-fire key.
inline constexpr std::string_view kFireKeyCode = "0600F0";

// Six hex digits (either case) → bytes; nullopt for any other text.
std::optional<KeyCode> CodeTextToBytes(std::string_view text);
// Bytes → six upper-case hex digits.
std::string BytesToCodeText(const KeyCode& code);

// The code of a menu entry by its tag; the aim entry carries `aimValue` as
// data 1. Empty text for a tag that assigns nothing.
std::string TagToCode(int tag, std::uint8_t aimValue);

}  // namespace orva
