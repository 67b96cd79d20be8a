#include "core/keys/ProfileKeys.h"

#include <algorithm>

namespace orva {
namespace {

bool isButton(int button) { return button >= 0 && button < kButtons; }

bool isLeftClick(std::string_view code) {
  const auto bytes = CodeTextToBytes(code);
  return bytes && BytesToCodeText(*bytes) == kLeftClickCode;
}

}  // namespace

std::optional<std::span<std::uint8_t, kKeyCodeSize>> profileKeySlot(ParamSections& sections, int profile,
                                                                    int button) {
  if (profile < 1 || profile > kProfileCount || !isButton(button)) return std::nullopt;
  const auto section = sections.section(Section::Profile);
  return section.subspan(kProfileCodesSize * (profile - 1) + kKeyCodeSize * button).first<kKeyCodeSize>();
}

bool storeKeyCode(ParamSections& sections, ProfileCodes& codes, int profile, int button, std::string_view code) {
  const auto bytes = CodeTextToBytes(code);
  const auto slot = profileKeySlot(sections, profile, button);
  if (!bytes || !slot) return false;
  std::copy(bytes->begin(), bytes->end(), slot->begin());
  codes[button] = BytesToCodeText(*bytes);
  return true;
}

bool keepsLeftClick(const ProfileCodes& codes, int button, std::string_view newCode) {
  if (!isButton(button)) return false;
  if (isLeftClick(newCode)) return true;
  for (int i = 0; i < kButtons; ++i) {
    if (i != button && isLeftClick(codes[i])) return true;
  }
  return false;
}

}  // namespace orva
