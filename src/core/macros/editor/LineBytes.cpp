#include "core/macros/editor/LineBytes.h"

#include "core/macros/MacroEventLine.h"

namespace orva {

int lineByteCount(std::string_view line) { return static_cast<int>(lineBytes(line).size()); }

int contentByteCount(const std::vector<std::string>& entries) {
  int total = 0;
  for (const auto& line : entries) total += lineByteCount(line);
  return total;
}

}  // namespace orva
