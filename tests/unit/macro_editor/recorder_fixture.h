#pragma once
// A recorder over an editor, with a hand-driven tick counter and a few keys.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "core/macros/editor/MacroBudget.h"
#include "core/macros/editor/MacroEditor.h"
#include "core/macros/editor/MacroRecorder.h"
#include "core/macros/editor/TickSource.h"

namespace orva::test {

class FakeTicks final : public TickSource {
 public:
  std::uint64_t nowMs() const override { return now; }
  void advance(std::uint64_t ms) { now += ms; }
  // Starts at 0: a tick of 0 is a time like any other.
  std::uint64_t now = 0;
};

inline constexpr int kVkA = 0x41;
inline constexpr int kVkB = 0x42;
inline constexpr int kVkC = 0x43;
inline constexpr int kVkF5 = 0x74;
inline constexpr int kVkUnusable = 0xFF;

inline KeyLookup testKeys() {
  static const std::map<int, std::pair<std::string, std::uint8_t>> table = {
      {kVkA, {"A", 0x04}},         {kVkB, {"B", 0x05}},          {kVkC, {"C", 0x06}},
      {kVkF5, {"F5", 0x3E}},       {0x10, {"Shift", 0xE1}},      {0x11, {"Ctrl", 0xE0}},
      {0x12, {"Alt", 0xE2}},       {0x5B, {"Left Windows", 0xE3}}, {0x5C, {"Right Windows", 0xE7}},
      {kVkUnusable, {"255", 0}},
  };
  return {[](int vk) { return table.contains(vk) ? table.at(vk).first : std::string("None"); },
          [](int vk) { return table.contains(vk) ? table.at(vk).second : std::uint8_t{0}; }};
}

class RecorderTest : public ::testing::Test {
 protected:
  explicit RecorderTest(int budget = kEepromMacroByteBudget) : editor(budget), recorder(editor, ticks, testKeys()) {}

  // Press and release, `pauseMs` before each.
  void tap(int vk, std::uint64_t pauseMs = 0) {
    ticks.advance(pauseMs);
    EXPECT_EQ(recorder.keyDown(vk), RecordOutcome::Taken);
    ticks.advance(pauseMs);
    EXPECT_EQ(recorder.keyUp(vk), RecordOutcome::Taken);
  }

  // What the recorder counted is what the lines will be stored as.
  void expectCountMatchesLines() const { EXPECT_EQ(recorder.MacroBytesUsed(), editor.contentBytes()); }

  FakeTicks ticks;
  MacroEditor editor;
  MacroRecorder recorder;
};

}  // namespace orva::test
