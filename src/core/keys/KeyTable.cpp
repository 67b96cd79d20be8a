#include "core/keys/KeyTable.h"

#include <optional>
#include <string_view>

namespace orva {
namespace {

struct KeyRow {
  std::string captureName;
  std::uint8_t usage;
  std::string displayName;
};

// A run of consecutive VKs with consecutive usages, named by a number.
struct NumberedRange {
  int firstVk;
  int lastVk;
  std::uint8_t firstUsage;
  int firstNumber;
  std::string_view prefix;
  std::string_view suffix;
};

constexpr NumberedRange kNumberedRanges[] = {
    {0x31, 0x39, 0x1E, 1, "", ""},                   // digit keys 1..9
    {0x70, 0x7B, 0x3A, 1, "F", ""},                  // F1..F12
    {0x7C, 0x87, 0x68, 13, "F", ""},                 // F13..F24
    {0x61, 0x69, 0x59, 1, "", " (numeric pad)"},     // numeric pad 1..9
};
constexpr int kVkA = 0x41;
constexpr int kVkZ = 0x5A;
constexpr std::uint8_t kUsageA = 0x04;

struct SpecialKey {
  int vk;
  std::string_view captureName;
  std::uint8_t usage;
  std::string_view displayName;  // empty: the capture name
};

constexpr SpecialKey kSpecialKeys[] = {
    {0x30, "0", 0x27, ""},
    {0x60, "0 (numeric pad)", 0x62, ""},
    {0x08, "Backspace", 0x2A, ""},
    {0x09, "Tab", 0x2B, ""},
    {0x0C, "Clear", 0x9C, ""},
    {0x0D, "Enter", 0x28, ""},
    {0x10, "Shift", 0xE1, "Left Shift"},
    {0x11, "Ctrl", 0xE0, "Left Ctrl"},
    {0x12, "Alt", 0xE2, "Left Alt"},
    {0x13, "Pause", 0x48, ""},
    {0x14, "Caps Lock", 0x39, ""},
    {0x1B, "Esc", 0x29, ""},
    {0x20, "Space bar", 0x2C, ""},
    {0x21, "Page Up", 0x4B, ""},
    {0x22, "Page Down", 0x4E, ""},
    {0x23, "End", 0x4D, ""},
    {0x24, "Home", 0x4A, ""},
    {0x25, "Left Arrow", 0x50, ""},
    {0x26, "Up Arrow", 0x52, ""},
    {0x27, "Right Arrow", 0x4F, ""},
    {0x28, "Down Arrow", 0x51, ""},
    {0x29, "Select", 0x77, ""},
    {0x2C, "Print Screen", 0x46, ""},
    {0x2D, "Insert", 0x49, ""},
    {0x2E, "Delete", 0x4C, ""},
    {0x2F, "Help", 0x75, ""},
    {0x5B, "Left Windows", 0xE3, "Win"},
    {0x5C, "Right Windows", 0xE7, "Win"},
    {0x5D, "Applications", 0x65, ""},
    {0x6A, "Multiply (numeric pad)", 0x55, ""},
    {0x6B, "Add (numeric pad)", 0x57, ""},
    {0x6C, "Separator (numeric pad)", 0x58, ""},
    {0x6D, "Subtract (numeric pad)", 0x56, ""},
    {0x6E, "Decimal (numeric pad)", 0x63, ""},
    {0x6F, "Divide (numeric pad)", 0x54, ""},
    {0x90, "Num Lock", 0x53, ""},
    {0x91, "Scroll Lock", 0x47, ""},
    {0xA0, "Left Shift", 0xE1, ""},
    {0xA1, "Right Shift", 0xE5, ""},
    {0xA2, "Left Ctrl", 0xE0, ""},
    {0xA3, "Right Ctrl", 0xE4, ""},
    {0xA4, "Left Alt", 0xE2, ""},
    {0xA5, "Right Alt", 0xE6, ""},
    // Browser, media and mail keys get usages of this program's own (0xC0..0xD1).
    {0xA6, "Browser_Back", 0xCA, ""},
    {0xA7, "Browser_Forward", 0xCB, ""},
    {0xA8, "Browser_Refresh", 0xCD, ""},
    {0xA9, "Browser_Stop", 0xCC, ""},
    {0xAA, "Browser_Search", 0xC8, ""},
    {0xAB, "Browser_Favorites", 0xCE, ""},
    {0xAC, "Browser_Home", 0xC9, ""},
    {0xAD, "Volume_Mute", 0xC4, ""},
    {0xAE, "Volume_Down", 0xC6, ""},
    {0xAF, "Volume_Up", 0xC5, ""},
    {0xB0, "Media_Next_Track", 0xC0, ""},
    {0xB1, "Media_Prev_Track", 0xC1, ""},
    {0xB2, "Media_Stop", 0xC2, ""},
    {0xB3, "Media_Play_Pause", 0xC3, ""},
    {0xB4, "Launch_Mail", 0xC7, ""},
    {0xB5, "Launch_Media_Select", 0xD1, ""},
    {0xB6, "Launch_App1", kNoUsage, ""},
    {0xB7, "Launch_App2", kNoUsage, ""},
    {0xBA, "OEM_1", 0x33, ""},
    {0xBB, "OEM_Plus", 0x2E, ""},
    {0xBC, "OEM_Comma", 0x36, ""},
    {0xBD, "OEM_Minus", 0x2D, ""},
    {0xBE, "OEM_Period", 0x37, ""},
    {0xBF, "OEM_2", 0x38, ""},
    {0xC0, "OEM_3", 0x35, ""},
    {0xDB, "OEM_4", 0x2F, ""},
    {0xDC, "OEM_5", 0x31, ""},
    {0xDD, "OEM_6", 0x30, ""},
    {0xDE, "OEM_7", 0x34, ""},
    {0xDF, "OEM_8", kNoUsage, ""},
    // Marks a key the macro recorder cannot use.
    {0xFF, "255", kNoUsage, ""},
};

constexpr int kLastVk = 0xFF;

std::optional<KeyRow> keyRow(int vk) {
  if (vk >= kVkA && vk <= kVkZ) {
    const std::string letter(1, static_cast<char>('A' + (vk - kVkA)));
    return KeyRow{letter, static_cast<std::uint8_t>(kUsageA + (vk - kVkA)), letter};
  }
  for (const NumberedRange& r : kNumberedRanges) {
    if (vk < r.firstVk || vk > r.lastVk) continue;
    const std::string name =
        std::string(r.prefix) + std::to_string(r.firstNumber + (vk - r.firstVk)) + std::string(r.suffix);
    return KeyRow{name, static_cast<std::uint8_t>(r.firstUsage + (vk - r.firstVk)), name};
  }
  for (const SpecialKey& k : kSpecialKeys) {
    if (k.vk != vk) continue;
    const std::string_view display = k.displayName.empty() ? k.captureName : k.displayName;
    return KeyRow{std::string(k.captureName), k.usage, std::string(display)};
  }
  return std::nullopt;
}

}  // namespace

std::string VkToCaptureName(int vk) {
  const auto row = keyRow(vk);
  return row ? row->captureName : "None";
}

std::uint8_t VkToUsage(int vk) {
  const auto row = keyRow(vk);
  return row ? row->usage : kNoUsage;
}

std::string UsageName(std::uint8_t usage) {
  if (usage == kNoUsage) return {};
  // Where two VKs share a usage (Shift and Left Shift) their display names agree.
  for (int vk = 0; vk <= kLastVk; ++vk) {
    const auto row = keyRow(vk);
    if (row && row->usage == usage) return row->displayName;
  }
  return {};
}

bool isModifierVk(int vk) {
  return vk == kVkShift || vk == kVkControl || vk == kVkAlt || vk == kVkLeftWindows ||
         vk == kVkRightWindows || (vk >= kVkLeftShift && vk <= kVkRightAlt);
}

}  // namespace orva
