#pragma once
// The key table: for each Windows virtual-key code (VK) the name shown while
// a key is captured and the keyboard usage stored for it, and for each usage
// the name a keyboard code is displayed with. Keyboard events of other
// platforms are translated to VK codes before they reach this table.

#include <cstdint>
#include <string>

namespace orva {

// VK codes the capture logic treats specially.
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkAlt = 0x12;
inline constexpr int kVkLeftWindows = 0x5B;
inline constexpr int kVkRightWindows = 0x5C;
inline constexpr int kVkLeftShift = 0xA0;
inline constexpr int kVkRightAlt = 0xA5;  // last of the six left/right modifier VKs

// Usage 0: no key (a modifier-only combination, or a key without a usage).
inline constexpr std::uint8_t kNoUsage = 0;

// "None" for a VK in no row of the table (or outside 0..255).
std::string VkToCaptureName(int vk);
// 0 for a VK without a usage.
std::uint8_t VkToUsage(int vk);
// Empty for usage 0 and for usages in no row of the table.
std::string UsageName(std::uint8_t usage);

// Shift, Ctrl and Alt (either side, or undistinguished) and the Windows keys.
bool isModifierVk(int vk);

}  // namespace orva
