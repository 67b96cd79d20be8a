#include "core/macros/editor/EditKind.h"

namespace orva {

std::optional<EditKind> editKindOf(std::string_view line) {
  if (line.empty()) return std::nullopt;
  switch (line.front()) {
    case '0': return EditKind::Delay;
    case '1': return EditKind::Press;
    case '2': return EditKind::Release;
    case '3': case '4': return EditKind::MoveX;
    case '5': case '6': return EditKind::MoveY;
    case '7': return EditKind::RepeatStart;
    default: return std::nullopt;
  }
}

}  // namespace orva
