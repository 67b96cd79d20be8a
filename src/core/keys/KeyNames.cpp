#include "core/keys/KeyNames.h"

#include <algorithm>
#include <optional>
#include <span>

#include "core/keys/KeyTable.h"
#include "core/macros/DriverMacroSlots.h"
#include "core/macros/MacroSlots.h"

namespace orva {
namespace {

struct NamedCode {
  std::string_view code;
  std::string_view textKey;
};

// Fixed codes, compared as whole texts: a code that differs in a data byte
// has no name of these.
constexpr NamedCode kFixedCodes[] = {
    {"010100", "Str210"}, {"010200", "Str211"}, {"010400", "Str212"}, {"010800", "Str213"},
    {"011000", "Str214"}, {kFireKeyCode, "Str220"}, {"090000", "Str221"},
    {"0D0000", "Str223"}, {"000000", "Str224"}, {"0F0000", "Str225"}, {"100000", "Str226"},
    {"050000", "Str231"}, {"070000", "Str232"}, {"080000", "Str233"},
    {"030194", "Str240"}, {"030192", "Str241"}, {"03018A", "Str242"}, {"020807", "Str243"},
    {"0300CD", "Str250"}, {"0300B7", "Str251"}, {"0300B6", "Str252"}, {"0300B5", "Str253"},
    {"0300E9", "Str254"}, {"0300EA", "Str255"}, {"0300E2", "Str256"},
    {"030223", "Str260"}, {"030221", "Str261"}, {"030224", "Str262"}, {"030225", "Str263"},
    {"030226", "Str264"}, {"030227", "Str265"}, {"03022A", "Str266"},
};
constexpr std::string_view kAimTextKey = "Str222";

// Gun presets; guns 6 and 7 come in variants that share a name.
constexpr NamedCode kGunCodes[] = {
    {"0C0101", "Str600"}, {"0C0202", "Str601"}, {"0C0303", "Str602"}, {"0C0404", "Str603"},
    {"0C0505", "Str604"}, {"0C0606", "Str605"}, {"0C0607", "Str605"}, {"0C0808", "Str606"},
    {"0C0809", "Str606"}, {"0C080A", "Str606"},
};
constexpr std::string_view kFireMacroPrefix = "Fire Macro";

struct ModifierName {
  std::uint8_t bit;
  std::string_view text;
};
constexpr ModifierName kModifierNames[] = {
    {kModifierCtrl, "Ctrl+"}, {kModifierShift, "Shift+"}, {kModifierAlt, "Alt+"}, {kModifierWin, "Win+"}};

constexpr int kByteBits = 8;

std::optional<std::string_view> textKeyOf(std::string_view code, std::span<const NamedCode> table) {
  const auto found =
      std::find_if(table.begin(), table.end(), [code](const NamedCode& n) { return n.code == code; });
  if (found == table.end()) return std::nullopt;
  return found->textKey;
}

std::string keyboardName(const KeyCode& code) {
  std::string name;
  for (const ModifierName& m : kModifierNames) {
    if (code[1] & m.bit) name += m.text;
  }
  if (code[2] != kNoUsage) name += UsageName(code[2]);
  return name;
}

// Item of the macro slot name list a macro address refers to.
std::optional<int> macroSlotItem(int address, bool eepromMode) {
  if (eepromMode) {
    const auto slot = macroSlotAt(static_cast<std::uint16_t>(address));
    if (!slot) return std::nullopt;
    return *slot - 1;
  }
  const int offset = address - kDriverMacroSlotBase;
  if (offset < 0 || offset % kDriverMacroRecordSize != 0) return std::nullopt;
  return offset / kDriverMacroRecordSize;
}

std::string macroName(const KeyCode& code, const KeyNaming& naming) {
  const int address = (code[1] << kByteBits) | code[2];
  const auto item = macroSlotItem(address, naming.EepromMode);
  if (!item || !naming.macroSlotName) return {};
  return naming.macroSlotName(*item);
}

std::string gunName(const KeyCode& code, std::string_view codeText, const KeyNaming& naming) {
  if (naming.FireScriptsPresent) {
    const auto& scripts = naming.gunKeyScripts;
    const auto found = std::find(scripts.begin(), scripts.end(), code);
    if (found == scripts.end()) return {};
    return std::string(kFireMacroPrefix) + std::to_string(found - scripts.begin() + 1);
  }
  const auto key = textKeyOf(codeText, kGunCodes);
  return key ? naming.text(*key) : std::string();
}

}  // namespace

std::string CodeToName(std::string_view codeText, const KeyNaming& naming) {
  const auto code = CodeTextToBytes(codeText);
  if (!code) return {};
  const std::string text = BytesToCodeText(*code);  // upper-case for the comparisons

  // No fixed code is an aim code, so one lookup ahead of the type keeps the
  // order of the rules.
  if (const auto key = textKeyOf(text, kFixedCodes)) return naming.text(*key);
  switch ((*code)[0]) {
    case kTypeAim:
      return naming.text(kAimTextKey);
    case kTypeKeyboard:
      return keyboardName(*code);
    case kTypeMacro:
    case kTypeMacroUntilRelease:
      return macroName(*code, naming);
    case kTypeGun:
      return gunName(*code, text, naming);
    default:
      return {};
  }
}

KeyNames RefreshKeyNames(const ProfileCodes& ProfileCodes1, const ProfileCodes& ProfileCodes2,
                         const KeyNaming& naming) {
  KeyNames names;
  for (int i = 0; i < kButtons; ++i) {
    names.ProfileNames1[i] = CodeToName(ProfileCodes1[i], naming);
    names.ProfileNames2[i] = CodeToName(ProfileCodes2[i], naming);
  }
  return names;
}

}  // namespace orva
