#pragma once
// The combination-key dialog ("Assembly Key"): modifiers come from four check
// boxes, one key from the keyboard; Confirm gives a keyboard code (type 02)
// and the text the button is labelled with.

#include <array>
#include <cstdint>
#include <string>

namespace orva {

enum class ModifierBox { Ctrl, Shift, Alt, Win };  // order of the names in the field

// Modifier keys held while a key goes down.
struct HeldModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct AssemblyResult {
  std::string Text;  // the field text
  std::string Code;  // "02" + modifier byte + usage, upper-case hex
  bool operator==(const AssemblyResult&) const = default;
};

class AssemblyKeyCapture {
 public:
  // A key going down in the field. Modifier keys (and any key pressed with
  // Shift, Ctrl or Alt held) are swallowed, but they still drop the key
  // captured before: modifiers are chosen with the boxes only.
  void keyDown(int vk, HeldModifiers held);
  void setBox(ModifierBox box, bool checked);
  // Empties the field and clears the captured key and every box.
  void clear();

  bool box(ModifierBox box) const;
  // The field: the checked boxes' names, then the captured key, joined by "+".
  std::string field() const;
  AssemblyResult confirm() const;

 private:
  std::array<bool, 4> boxes_{};
  bool captured_ = false;
  std::string capturedName_;
  std::uint8_t capturedUsage_ = 0;
};

}  // namespace orva
