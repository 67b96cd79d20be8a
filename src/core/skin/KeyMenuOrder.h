#pragma once
// The special-keys menu (Pnl_Special) as ordered by the settings block's
// Special_Config. Data only: the GUI places its menu entries from it.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace orva {

struct OrgSettings;

enum class SpecialKeyItem {
  CPIKey,     // Key_CPIKey, with the sub-menu arrow ST_CPIKey (">>")
  Fire,       // Key_Fire
  AIMKey,     // Key_AIMKey
  LEDMode,    // Key_LEDMode
  LEDSwitch,  // Key_LEDSwitch
  KeyMode,    // Key_KeyMode
  KeyOff,     // Key_KeyOff
  FnFire,     // Key_FnFire
};

inline constexpr std::size_t kSpecialKeyItemCount = 8;

// The menu entry names, in the order of SpecialKeyItem.
inline constexpr std::array<std::string_view, kSpecialKeyItemCount> kSpecialKeyItemNames = {
    "Key_CPIKey", "Key_Fire", "Key_AIMKey", "Key_LEDMode",
    "Key_LEDSwitch", "Key_KeyMode", "Key_KeyOff", "Key_FnFire"};

inline constexpr int kSpecialMenuItemHeight = 25;  // pixels per entry
inline constexpr int kSpecialMenuExtraHeight = 2;  // menu height = entries × 25 + 2

constexpr std::string_view specialKeyItemName(SpecialKeyItem item) {
  return kSpecialKeyItemNames[static_cast<std::size_t>(item)];
}

// The item of an exact menu-entry name, or nullopt.
std::optional<SpecialKeyItem> specialKeyItemFromName(std::string_view name);

struct SpecialMenuEntry {
  SpecialKeyItem item;
  int top;  // pixels inside Pnl_Special: position × 25

  bool operator==(const SpecialMenuEntry&) const = default;
};

struct SpecialMenuLayout {
  std::vector<SpecialMenuEntry> entries;  // top to bottom; items not listed are not offered
  int height = kSpecialMenuExtraHeight;   // of Pnl_Special: entries × 25 + 2
  std::optional<int> cpiArrowTop;         // top of ST_CPIKey when Key_CPIKey is offered

  bool offers(SpecialKeyItem item) const;
  std::optional<int> topOf(SpecialKeyItem item) const;
  bool operator==(const SpecialMenuLayout&) const = default;
};

// Arranges the menu from a Special_Config text:
//  - the text is split at commas, each name trimmed of surrounding blanks;
//  - names match the entry names exactly (case included);
//  - names that match no entry (and empty names) are skipped without taking
//    a position; a name listed again after its first mention is skipped too;
//  - the k-th kept item (from 0) gets top k × 25; Key_CPIKey's arrow the
//    same top; the height is (kept items) × 25 + 2.
// nullopt (the key is missing) offers all eight items in the order of
// kSpecialKeyItemNames, height 202. A present text that names no item
// (for example "" or "11111110") gives an empty
// menu of height 2.
SpecialMenuLayout ApplySpecialConfig(std::optional<std::string_view> specialConfig);
SpecialMenuLayout ApplySpecialConfig(const OrgSettings& settings);

}  // namespace orva
