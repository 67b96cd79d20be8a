#include "core/keys/AssemblyKeyCapture.h"

#include <string_view>

#include "core/keys/KeyCode.h"
#include "core/keys/KeyTable.h"

namespace orva {
namespace {

struct BoxInfo {
  std::string_view name;
  std::uint8_t bit;
};
constexpr std::array<BoxInfo, 4> kBoxes = {{
    {"Ctrl", kModifierCtrl}, {"Shift", kModifierShift}, {"Alt", kModifierAlt}, {"Win", kModifierWin}}};

constexpr std::size_t index(ModifierBox box) { return static_cast<std::size_t>(box); }

}  // namespace

void AssemblyKeyCapture::keyDown(int vk, HeldModifiers held) {
  captured_ = false;
  capturedName_.clear();
  capturedUsage_ = kNoUsage;
  if (isModifierVk(vk) || held.shift || held.ctrl || held.alt) return;
  captured_ = true;
  capturedName_ = VkToCaptureName(vk);
  capturedUsage_ = VkToUsage(vk);
}

void AssemblyKeyCapture::setBox(ModifierBox box, bool checked) { boxes_[index(box)] = checked; }

void AssemblyKeyCapture::clear() { *this = AssemblyKeyCapture(); }

bool AssemblyKeyCapture::box(ModifierBox box) const { return boxes_[index(box)]; }

std::string AssemblyKeyCapture::field() const {
  std::string text;
  const auto append = [&text](std::string_view part) {
    if (!text.empty()) text += '+';
    text += part;
  };
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    if (boxes_[i]) append(kBoxes[i].name);
  }
  if (captured_) append(capturedName_);
  return text;
}

AssemblyResult AssemblyKeyCapture::confirm() const {
  std::uint8_t modifiers = 0;
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    if (boxes_[i]) modifiers |= kBoxes[i].bit;
  }
  return {field(), BytesToCodeText({kTypeKeyboard, modifiers, capturedUsage_})};
}

}  // namespace orva
