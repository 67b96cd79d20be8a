// The capture logic of the combination-key and single-key dialogs.
#include "core/keys/AssemblyKeyCapture.h"
#include "core/keys/SingleKeyCapture.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace orva {
namespace {

struct Down {
  int vk;
  HeldModifiers held{};
};
struct Box {
  ModifierBox box;
  bool checked;
};
struct Clear {};
using Event = std::variant<Down, Box, Clear>;

constexpr int kA = 0x41, kB = 0x42, kF5 = 0x74, kPageUp = 0x21;
constexpr HeldModifiers kShiftHeld{.shift = true};

struct AssemblyCase {
  const char* name;
  std::vector<Event> events;
  const char* field;
  const char* code;
};

void run(AssemblyKeyCapture& dialog, const std::vector<Event>& events) {
  for (const Event& e : events) {
    if (const auto* d = std::get_if<Down>(&e)) dialog.keyDown(d->vk, d->held);
    if (const auto* b = std::get_if<Box>(&e)) dialog.setBox(b->box, b->checked);
    if (std::holds_alternative<Clear>(e)) dialog.clear();
  }
}

using enum ModifierBox;

TEST(AssemblyKeyCapture, FieldAndCodeAfterEvents) {
  const AssemblyCase cases[] = {
      {"nothing", {}, "", "020000"},
      {"box then key", {Box{Ctrl, true}, Down{kA}}, "Ctrl+A", "020104"},
      {"key then box", {Down{kA}, Box{Shift, true}}, "Shift+A", "020204"},
      {"box cleared again", {Down{kA}, Box{Shift, true}, Box{Shift, false}}, "A", "020004"},
      {"first of two boxes cleared", {Box{Ctrl, true}, Box{Alt, true}, Down{kB}, Box{Ctrl, false}}, "Alt+B", "020405"},
      {"boxes named in fixed order", {Box{Win, true}, Down{kF5}, Box{Alt, true}, Box{Shift, true}, Box{Ctrl, true}},
       "Ctrl+Shift+Alt+Win+F5", "020F3E"},
      {"boxes alone", {Box{Shift, true}, Box{Win, true}}, "Shift+Win", "020A00"},
      {"a new key replaces the old", {Down{kA}, Down{kB}}, "B", "020005"},
      {"same key twice shown once", {Down{kPageUp}, Down{kPageUp}}, "Page Up", "02004B"},
      {"windows key swallowed", {Down{0x5B}}, "", "020000"},
      {"right windows key swallowed", {Box{Ctrl, true}, Down{0x5C}}, "Ctrl", "020100"},
      {"key with shift held swallowed", {Down{kA, kShiftHeld}}, "", "020000"},
      {"key with ctrl or alt held swallowed", {Down{kA, {.ctrl = true}}, Down{kB, {.alt = true}}}, "", "020000"},
      {"modifier key drops the captured key", {Box{Ctrl, true}, Down{kA}, Down{0x10, kShiftHeld}}, "Ctrl", "020100"},
      {"right alt swallowed without held state", {Down{kA}, Down{0xA5}}, "", "020000"},
      {"key after a swallowed one", {Down{kA}, Down{0x11, {.ctrl = true}}, Down{kB}}, "B", "020005"},
      {"key without usage", {Box{Ctrl, true}, Down{0xB6}}, "Ctrl+Launch_App1", "020100"},
      {"key in no row", {Down{0x88}}, "None", "020000"},
      {"clear forgets key and boxes", {Box{Ctrl, true}, Down{kA}, Clear{}}, "", "020000"},
      {"capture after clear", {Box{Ctrl, true}, Down{kA}, Clear{}, Down{kB}}, "B", "020005"},
  };
  for (const AssemblyCase& c : cases) {
    AssemblyKeyCapture dialog;
    run(dialog, c.events);
    EXPECT_EQ(dialog.field(), c.field) << c.name;
    EXPECT_EQ(dialog.confirm(), (AssemblyResult{c.field, c.code})) << c.name;
  }
}

TEST(AssemblyKeyCapture, ClearUnchecksEveryBox) {
  AssemblyKeyCapture dialog;
  run(dialog, {Box{Ctrl, true}, Box{Shift, true}, Box{Alt, true}, Box{Win, true}, Clear{}});
  for (const ModifierBox b : {Ctrl, Shift, Alt, Win}) EXPECT_FALSE(dialog.box(b));
}

struct SingleCase {
  const char* name;
  KeyLineKind kind;
  std::vector<int> keys;  // VK codes pressed; 0 stands for Clear
  const char* field;
  const char* result;
};

TEST(SingleKeyCapture, FieldAndKeyTextAfterEvents) {
  constexpr int kClear = 0;
  const SingleCase cases[] = {
      {"nothing", KeyLineKind::Press, {}, "", ""},
      {"press line", KeyLineKind::Press, {kA}, "A", "A CODE:8204"},
      {"release line", KeyLineKind::Release, {kF5}, "F5", "F5 CODE:023E"},
      {"shift is captured", KeyLineKind::Press, {0x10}, "Shift", "Shift CODE:82E1"},
      {"windows key is captured", KeyLineKind::Release, {0x5B}, "Left Windows", "Left Windows CODE:02E3"},
      {"last key wins", KeyLineKind::Press, {kA, kB}, "B", "B CODE:8205"},
      {"same key twice", KeyLineKind::Press, {kA, kA}, "A", "A CODE:8204"},
      {"key without usage", KeyLineKind::Press, {0xDF}, "OEM_8", "OEM_8 CODE:8200"},
      {"key in no row", KeyLineKind::Press, {0x88}, "None", "None CODE:8200"},
      {"clear hands over nothing", KeyLineKind::Press, {kA, kClear}, "", ""},
      {"capture after clear", KeyLineKind::Release, {kA, kClear, kB}, "B", "B CODE:0205"},
  };
  for (const SingleCase& c : cases) {
    SingleKeyCapture dialog(c.kind);
    for (const int vk : c.keys) vk == kClear ? dialog.clear() : dialog.keyDown(vk);
    EXPECT_EQ(dialog.field(), c.field) << c.name;
    EXPECT_EQ(dialog.result(), c.result) << c.name;
  }
}

}  // namespace
}  // namespace orva
