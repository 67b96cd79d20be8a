#pragma once
// The number of content bytes event lines stand for once encoded, so that
// the recorder and the editor count exactly what the stored macro will hold.

#include <string>
#include <string_view>
#include <vector>

namespace orva {

// A delay line takes one two-byte pair per whole 2040 ms and one for the
// rest (one pair for 0 ms); an event line the bytes its code names.
int lineByteCount(std::string_view line);
// The content bytes of the event lines (without the header line).
int contentByteCount(const std::vector<std::string>& entries);

}  // namespace orva
