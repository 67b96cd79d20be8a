#include "core/macros/DriverMacroSlots.h"

#include <algorithm>

namespace orva {

void RefreshDriverWriteMacro(DriverMacroSlots& slots, std::span<const DriverMacroRecord> library) {
  for (DriverMacroRecord& entry : slots) {
    const auto found = std::ranges::find_if(library, [&](const DriverMacroRecord& r) { return r.name == entry.name; });
    if (found != library.end()) entry.data = found->data;
  }
}

std::vector<std::string> RefreshDriverMacroName(const DriverMacroSlots& slots) {
  std::vector<std::string> names;
  for (const DriverMacroRecord& entry : slots) names.push_back(macroNameText(entry.name));
  return names;
}

}  // namespace orva
