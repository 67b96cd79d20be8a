#pragma once
// Records keyboard and mouse button events into the macro editor, either as
// a new macro or into the middle of one (insert recording). The platform
// layer calls it with every key and button change while a recording runs;
// the caller serialises the calls.

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/macros/MacroEventLine.h"
#include "core/macros/editor/MacroEditor.h"
#include "core/macros/editor/TickSource.h"

namespace orva {

// What the recorder needs to know of a virtual-key code.
struct KeyLookup {
  std::function<std::string(int vk)> captureName;  // "255" marks a key that is never recorded
  std::function<std::uint8_t(int vk)> usage;       // keyboard usage of a non-modifier key
};

inline constexpr const char* kUnusableKeyName = "255";

enum class RecordOutcome {
  Taken,    // the event and its delay lines are in the macro
  Ignored,  // not recorded: no recording, an unusable key, an auto-repeat, the
            // release of something pressed before the recording, a click on
            // the record button, or a press after the recorder filled up
  Refused,  // no room: RecorderFull is now set
  Stopped,  // a key event found the macro full; the recording has stopped
};

// Where an insert recording puts its lines: before or after the selected entry.
enum class InsertSide { Front, Back };

enum class InsertStart { Started, NoSelection, NoRoom };

class MacroRecorder {
 public:
  MacroRecorder(MacroEditor& editor, const TickSource& ticks, KeyLookup keys);

  // A new recording of the editor's macro: its events are dropped and the
  // header line of the delay mode is written.
  void start(DelayMode mode, int fixedDelayMs);
  // Records keys before or after the selected entry; the macro's present
  // bytes count against the budget.
  InsertStart startInsert(InsertSide side, DelayMode mode, int fixedDelayMs);
  void stop();

  RecordOutcome keyDown(int vk);
  RecordOutcome keyUp(int vk);
  RecordOutcome mouseDown(MouseButton button);
  RecordOutcome mouseUp(MouseButton button);
  // While the pointer is over the record button its left clicks are not recorded.
  void setOverRecordButton(bool over) { OverRecordButton_ = over; }

  bool recording() const { return recording_; }
  bool insertRecording() const { return recording_ && InsertPosition_.has_value(); }
  int MacroBytesUsed() const { return MacroBytesUsed_; }
  bool RecorderFull() const { return RecorderFull_; }

 private:
  enum class Source { Keyboard, Mouse };

  void begin(DelayMode mode, int fixedDelayMs, int bytesUsed);
  std::string keyLine(int vk, bool pressed) const;
  std::vector<std::string> delayLinesBefore(Source source, std::uint64_t now) const;
  RecordOutcome press(Source source, const std::string& eventLine);
  RecordOutcome record(Source source, const std::string& eventLine);
  void place(std::string line);

  MacroEditor& editor_;
  const TickSource& ticks_;
  KeyLookup keys_;

  bool recording_ = false;
  bool OverRecordButton_ = false;
  DelayMode delayMode_ = DelayMode::None;
  int fixedDelayMs_ = 0;
  int reserve_ = 0;
  int MacroBytesUsed_ = 0;
  bool RecorderFull_ = false;
  std::optional<std::uint64_t> LastEventTime_;
  std::optional<int> InsertPosition_;
  InsertSide insertSide_ = InsertSide::Front;
  // Keys and buttons whose press is in the macro and whose release is not
  // yet: a key-down of a held key is an auto-repeat, and only these releases
  // belong in the macro.
  std::set<int> heldKeys_;
  std::set<MouseButton> heldButtons_;
};

}  // namespace orva
