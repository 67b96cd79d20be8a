#pragma once
// What an entry of the event list shows: an icon per line kind and a text.

#include <optional>
#include <string>
#include <string_view>

namespace orva {

// The key or button name of a press or release line: the text between the
// kind digit and " CODE:XXXX". Empty when the line is too short to hold one.
std::string lineKeyName(std::string_view line);

// Index of the line kind's icon: the line's first digit, 0..8.
std::optional<int> entryIcon(std::string_view line);

// "A", "100 ms", "X-Axis  -5", "Rep-Start  5", "Rep-Stop"; empty for text
// that is no event line.
std::string entryText(std::string_view line);

}  // namespace orva
