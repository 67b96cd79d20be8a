#pragma once
// What kind of value an event line is edited with, told by its first digit.

#include <optional>
#include <string_view>

namespace orva {

enum class EditKind { Delay = 0, Press = 1, Release = 2, MoveX = 3, MoveY = 5, RepeatStart = 7 };

// Nothing for a repetition end and for text that is no event line.
std::optional<EditKind> editKindOf(std::string_view line);

}  // namespace orva
