#include "core/skin/KeyMenuOrder.h"

#include <algorithm>

#include "core/skin/IniFile.h"
#include "core/skin/OrgSettings.h"

namespace orva {

std::optional<SpecialKeyItem> specialKeyItemFromName(std::string_view name) {
  for (std::size_t i = 0; i < kSpecialKeyItemNames.size(); ++i) {
    if (kSpecialKeyItemNames[i] == name) return static_cast<SpecialKeyItem>(i);
  }
  return std::nullopt;
}

bool SpecialMenuLayout::offers(SpecialKeyItem item) const { return topOf(item).has_value(); }

std::optional<int> SpecialMenuLayout::topOf(SpecialKeyItem item) const {
  const auto it = std::ranges::find(entries, item, &SpecialMenuEntry::item);
  if (it == entries.end()) return std::nullopt;
  return it->top;
}

SpecialMenuLayout ApplySpecialConfig(std::optional<std::string_view> specialConfig) {
  std::vector<SpecialKeyItem> items;
  if (!specialConfig) {
    for (std::size_t i = 0; i < kSpecialKeyItemCount; ++i) items.push_back(static_cast<SpecialKeyItem>(i));
  } else {
    std::string_view rest = *specialConfig;
    while (true) {
      const std::size_t comma = rest.find(',');
      const std::string_view name = trimIniBlanks(rest.substr(0, comma));
      if (const auto item = specialKeyItemFromName(name);
          item && std::ranges::find(items, *item) == items.end()) {
        items.push_back(*item);
      }
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
  }

  SpecialMenuLayout layout;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int top = static_cast<int>(i) * kSpecialMenuItemHeight;
    layout.entries.push_back({items[i], top});
    if (items[i] == SpecialKeyItem::CPIKey) layout.cpiArrowTop = top;
  }
  layout.height = static_cast<int>(items.size()) * kSpecialMenuItemHeight + kSpecialMenuExtraHeight;
  return layout;
}

SpecialMenuLayout ApplySpecialConfig(const OrgSettings& settings) {
  if (!settings.Special_Config) return ApplySpecialConfig(std::nullopt);
  return ApplySpecialConfig(std::optional<std::string_view>(*settings.Special_Config));
}

}  // namespace orva
