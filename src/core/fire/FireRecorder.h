#pragma once
// Recording a fire macro from the left mouse button: the lines the
// recording adds, including the delay lines before each event. The caller
// brings the events and the millisecond tick in order on one thread; the
// block is encoded at the stop (with FireOverflow::Cut).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/macros/MacroEventLine.h"

namespace orva::fire {

// The delay lines before an event at tick `now`, split as for a mouse
// button of a macro (lines of 2040 ms and a rest, at most 10,200 ms): none
// before the first event of a recording (no LastEventTime) or without
// delays; the time since LastEventTime when delays are recorded; the fixed
// delay otherwise.
std::vector<std::string> fireDelayLines(DelayMode mode, int fixedDelayMs, std::optional<std::uint32_t> LastEventTime,
                                        std::uint32_t now);

class FireRecorder {
 public:
  FireRecorder(DelayMode mode, int fixedDelayMs) : mode_(mode), fixedDelayMs_(fixedDelayMs) {}

  // A left-button press or release at tick `now`: the header line first
  // when the list is empty, then the delay lines, then the event line.
  void leftButton(bool pressed, std::uint32_t now);

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  DelayMode mode_;
  int fixedDelayMs_;
  std::optional<std::uint32_t> lastEventTime_;  // LastEventTime: unset until the first event
  std::vector<std::string> lines_;
};

}  // namespace orva::fire
