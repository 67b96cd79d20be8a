#include "core/macros/editor/MacroRecorder.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "core/keys/KeyTable.h"
#include "core/macros/editor/DelayLines.h"
#include "core/macros/editor/LineBytes.h"
#include "core/macros/editor/MacroBudget.h"

namespace orva {

namespace {

struct ModifierKey {
  int vk;
  std::uint8_t bit;
};

// Modifiers are stored as modifier events, every other key by its usage.
constexpr std::array<ModifierKey, 5> kModifierKeys{{
    {kVkControl, 0x01},
    {kVkShift, 0x02},
    {kVkAlt, 0x04},
    {kVkLeftWindows, 0x08},
    {kVkRightWindows, 0x80},
}};

std::optional<std::uint8_t> modifierBit(int vk) {
  for (const auto& key : kModifierKeys) {
    if (key.vk == vk) return key.bit;
  }
  return std::nullopt;
}

std::uint8_t buttonEvent(MouseButton button, bool pressed) {
  return static_cast<std::uint8_t>(kMouseButtonFlag | static_cast<std::uint8_t>(button) |
                                   (pressed ? kMouseButtonPressed : 0));
}

}  // namespace

MacroRecorder::MacroRecorder(MacroEditor& editor, const TickSource& ticks, KeyLookup keys)
    : editor_(editor), ticks_(ticks), keys_(std::move(keys)) {}

void MacroRecorder::begin(DelayMode mode, int fixedDelayMs, int bytesUsed) {
  recording_ = true;
  delayMode_ = mode;
  fixedDelayMs_ = fixedDelayMs;
  reserve_ = pressReserve(mode);
  MacroBytesUsed_ = bytesUsed;
  RecorderFull_ = false;
  LastEventTime_.reset();
  heldKeys_.clear();
  heldButtons_.clear();
}

void MacroRecorder::start(DelayMode mode, int fixedDelayMs) {
  editor_.startOver(headerLine(mode, fixedDelayMs));
  InsertPosition_.reset();
  begin(mode, fixedDelayMs, 0);
}

InsertStart MacroRecorder::startInsert(InsertSide side, DelayMode mode, int fixedDelayMs) {
  const auto selected = editor_.selectedEntry();
  if (!selected) return InsertStart::NoSelection;
  const int used = editor_.contentBytes();
  if (used >= editor_.byteBudget()) return InsertStart::NoRoom;
  InsertPosition_ = *selected;
  insertSide_ = side;
  begin(mode, fixedDelayMs, used);
  return InsertStart::Started;
}

void MacroRecorder::stop() {
  recording_ = false;
  InsertPosition_.reset();
  LastEventTime_.reset();
}

std::string MacroRecorder::keyLine(int vk, bool pressed) const {
  const std::string name = keys_.captureName(vk);
  if (const auto bit = modifierBit(vk)) {
    return keyEventLine(pressed, name, pressed ? kEventModifierDown : kEventModifierUp, *bit);
  }
  return keyEventLine(pressed, name, pressed ? kEventKeyDown : kEventKeyUp, keys_.usage(vk));
}

RecordOutcome MacroRecorder::keyDown(int vk) {
  if (!recording_ || keys_.captureName(vk) == kUnusableKeyName || heldKeys_.contains(vk)) {
    return RecordOutcome::Ignored;
  }
  const RecordOutcome outcome = press(Source::Keyboard, keyLine(vk, true));
  if (outcome == RecordOutcome::Taken) heldKeys_.insert(vk);
  return outcome;
}

RecordOutcome MacroRecorder::keyUp(int vk) {
  if (!recording_ || heldKeys_.erase(vk) == 0) return RecordOutcome::Ignored;
  return record(Source::Keyboard, keyLine(vk, false));
}

RecordOutcome MacroRecorder::mouseDown(MouseButton button) {
  if (!recording_ || (button == MouseButton::Left && OverRecordButton_)) return RecordOutcome::Ignored;
  // Buttons do not repeat: a second down without an up (its up was on the
  // record button) is a new press.
  const RecordOutcome outcome = press(Source::Mouse, mouseButtonLine(buttonEvent(button, true)));
  if (outcome == RecordOutcome::Taken) heldButtons_.insert(button);
  return outcome;
}

RecordOutcome MacroRecorder::mouseUp(MouseButton button) {
  if (!recording_ || (button == MouseButton::Left && OverRecordButton_) || heldButtons_.erase(button) == 0) {
    return RecordOutcome::Ignored;
  }
  return record(Source::Mouse, mouseButtonLine(buttonEvent(button, false)));
}

RecordOutcome MacroRecorder::press(Source source, const std::string& eventLine) {
  if (RecorderFull_) return RecordOutcome::Ignored;
  if (MacroBytesUsed_ > editor_.byteBudget() - reserve_) {
    RecorderFull_ = true;
    return RecordOutcome::Refused;
  }
  return record(source, eventLine);
}

std::vector<std::string> MacroRecorder::delayLinesBefore(Source source, std::uint64_t now) const {
  if (!LastEventTime_ || delayMode_ == DelayMode::None) return {};
  int ms = fixedDelayMs_;
  if (delayMode_ == DelayMode::Recorded) {
    const std::uint64_t elapsed = now > *LastEventTime_ ? now - *LastEventTime_ : 0;
    ms = static_cast<int>(std::min<std::uint64_t>(elapsed, std::numeric_limits<int>::max()));
  }
  return source == Source::Keyboard ? keyDelayLines(ms) : mouseDelayLines(ms);
}

RecordOutcome MacroRecorder::record(Source source, const std::string& eventLine) {
  const std::uint64_t now = ticks_.nowMs();
  std::vector<std::string> lines = delayLinesBefore(source, now);
  lines.push_back(eventLine);
  int cost = 0;
  for (const auto& line : lines) cost += lineByteCount(line);
  // The budget is never passed: a key event that does not fit ends the
  // recording, a mouse event that does not fit fills the recorder up.
  if (MacroBytesUsed_ + cost > editor_.byteBudget()) {
    if (source == Source::Keyboard) {
      stop();
      return RecordOutcome::Stopped;
    }
    RecorderFull_ = true;
    return RecordOutcome::Refused;
  }
  for (auto& line : lines) place(std::move(line));
  MacroBytesUsed_ += cost;
  LastEventTime_ = now;
  return RecordOutcome::Taken;
}

void MacroRecorder::place(std::string line) {
  if (!InsertPosition_) {
    editor_.insertEntry(editor_.entryCount(), std::move(line));
    return;
  }
  editor_.insertEntry(*InsertPosition_ + (insertSide_ == InsertSide::Back ? 1 : 0), std::move(line));
  ++*InsertPosition_;
}

}  // namespace orva
