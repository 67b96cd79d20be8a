// The names buttons are shown with.
#include "core/keys/KeyNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace orva {
namespace {

// The English texts of the keys the names use; other keys give "" as the
// language tables do.
std::string english(std::string_view key) {
  static const std::map<std::string_view, std::string> texts = {
      {"Str210", "Left Click"},   {"Str211", "Right Click"},  {"Str212", "Middle Click"},
      {"Str213", "Back"},         {"Str214", "Forward"},      {"Str220", "Fire Key"},
      {"Str221", "LED ON/OFF"},   {"Str222", "AIM"},          {"Str223", "Gun Key Fn"},
      {"Str224", "Key Off"},      {"Str225", "Profile"},      {"Str226", "LED Mode"},
      {"Str231", "DPI Loop"},     {"Str232", "DPI +"},        {"Str233", "DPI -"},
      {"Str240", "My Computer"},  {"Str241", "Calculator"},   {"Str242", "E-Mail"},
      {"Str243", "Desktop"},      {"Str250", "Play/Pause"},   {"Str251", "Stop"},
      {"Str252", "Previous Track"}, {"Str253", "Next Track"}, {"Str254", "Volume +"},
      {"Str255", "Volume -"},     {"Str256", "Mute"},         {"Str260", "Home"},
      {"Str261", "Search"},       {"Str262", "Web Back"},     {"Str263", "Web Forward"},
      {"Str264", "Stop"},         {"Str265", "Refresh"},      {"Str266", "Favorites"},
      {"Str600", "AKM"},          {"Str601", "M16"},          {"Str602", "M4"},
      {"Str603", "UMP9"},         {"Str604", "SCAR-L"},       {"Str605", "5.56mm Fire"},
      {"Str606", "7.62mm Fire"}};
  const auto found = texts.find(key);
  return found == texts.end() ? std::string() : found->second;
}

// Slot names as the macro slot list holds them: device slots 1..6, or the
// first three driver slots.
const std::vector<std::string> kSlotNames = {"Jump", "Reload", "", "Crouch", "Sprint", "Build"};
const std::vector<std::string> kDriverSlotNames = {"Jump", "Reload", "Crouch"};

KeyNaming naming(bool eepromMode, bool withScripts = false) {
  KeyNaming n;
  n.text = english;
  n.EepromMode = eepromMode;
  const auto& names = eepromMode ? kSlotNames : kDriverSlotNames;
  n.macroSlotName = [&names](int item) {
    return item >= 0 && item < static_cast<int>(names.size()) ? names[item] : std::string();
  };
  n.FireScriptsPresent = withScripts;
  if (withScripts) n.gunKeyScripts = {{{0x0C, 0x01, 0x05}, {0x0C, 0x03, 0x03}, {0x0C, 0x01, 0x01}}};
  return n;
}

struct NameCase {
  const char* code;
  const char* name;
};

void expectNames(const KeyNaming& n, std::initializer_list<NameCase> cases) {
  for (const NameCase& c : cases) EXPECT_EQ(CodeToName(c.code, n), c.name) << c.code;
}

TEST(CodeToName, FixedCodesAndTheirNearMisses) {
  expectNames(naming(true),
              {{"010100", "Left Click"}, {"010200", "Right Click"}, {"010400", "Middle Click"},
               {"010800", "Back"}, {"011000", "Forward"}, {"010300", ""}, {"010101", ""},
               {"090000", "LED ON/OFF"}, {"090100", ""}, {"0D0000", "Gun Key Fn"}, {"0D0100", ""},
               {"000000", "Key Off"}, {"000001", ""}, {"0F0000", "Profile"}, {"100000", "LED Mode"},
               {"050000", "DPI Loop"}, {"050001", ""}, {"070000", "DPI +"}, {"080000", "DPI -"},
               {"0A0000", "AIM"}, {"0A0500", "AIM"}, {"0AFF00", "AIM"}, {"0A0B07", "AIM"},
               // Types no function uses.
               {"040000", ""}, {"0B0000", ""}, {"110000", ""}, {"FF0000", ""}});
}

TEST(CodeToName, ConsumerCodesByExactMatch) {
  expectNames(naming(true),
              {{"030194", "My Computer"}, {"030192", "Calculator"}, {"03018A", "E-Mail"},
               {"0300CD", "Play/Pause"}, {"0300B7", "Stop"}, {"0300B6", "Previous Track"},
               {"0300B5", "Next Track"}, {"0300E9", "Volume +"}, {"0300EA", "Volume -"},
               {"0300E2", "Mute"}, {"030223", "Home"}, {"030221", "Search"}, {"030224", "Web Back"},
               {"030225", "Web Forward"}, {"030226", "Stop"}, {"030227", "Refresh"},
               {"03022A", "Favorites"}, {"0300EB", ""}, {"030000", ""}, {"0301E9", ""}});
}

TEST(CodeToName, KeyboardCodesFromModifiersAndKey) {
  expectNames(naming(true),
              {{"020807", "Desktop"}, {"020804", "Win+A"}, {"020104", "Ctrl+A"},
               {"020A2C", "Shift+Win+Space bar"}, {"020F3E", "Ctrl+Shift+Alt+Win+F5"},
               {"020300", "Ctrl+Shift+"}, {"020000", ""}, {"02005A", "2 (numeric pad)"},
               {"020032", ""}, {"020132", "Ctrl+"}, {"0200E1", "Left Shift"}, {"0204E7", "Alt+Win"},
               // Bits 4..7 name nothing.
               {"02F004", "A"}});
}

TEST(CodeToName, TextForms) {
  expectNames(naming(true), {{"0300e9", "Volume +"}, {"0a0500", "AIM"}, {"0600f0", "Fire Key"},
                             {"", ""}, {"01010", ""}, {"0101000", ""}, {"0A", ""}, {"0AXX00", ""}});
}

TEST(CodeToName, MacrosByDeviceSlotInEepromMode) {
  expectNames(naming(true),
              {{"060121", "Jump"}, {"0E0121", "Jump"}, {"060221", "Reload"}, {"060321", ""},
               {"060421", "Crouch"}, {"0E0621", "Sprint"}, {"060721", "Build"},
               // 0x0521 lies between slots 4 and 5; driver addresses mean nothing here.
               {"060521", ""}, {"060120", ""}, {"060122", ""}, {"0600F0", "Fire Key"}, {"0E00F0", ""}});
}

TEST(CodeToName, MacrosByDriverSlotInDriverMode) {
  expectNames(naming(false),
              {{"060120", "Jump"}, {"0E0920", "Reload"}, {"061120", "Crouch"}, {"061920", ""},
               {"060121", ""}, {"060221", ""}, {"060020", ""}, {"0600F0", "Fire Key"}});
}

TEST(CodeToName, AsksTheSlotListForTheSlotsItem) {
  std::vector<int> asked;
  for (const bool eeprom : {true, false}) {
    KeyNaming n = naming(eeprom);
    n.macroSlotName = [&asked](int item) {
      asked.push_back(item);
      return "slot " + std::to_string(item);
    };
    EXPECT_EQ(CodeToName(eeprom ? "0E0721" : "0EF920", n), eeprom ? "slot 5" : "slot 31");
  }
  EXPECT_EQ(asked, (std::vector<int>{5, 31}));
}

TEST(CodeToName, MacrosWithoutSlotListHaveNoName) {
  KeyNaming n = naming(true);
  n.macroSlotName = nullptr;
  EXPECT_EQ(CodeToName("060121", n), "");
}

TEST(CodeToName, GunCodesByPreset) {
  expectNames(naming(true),
              {{"0C0101", "AKM"}, {"0C0202", "M16"}, {"0C0303", "M4"}, {"0C0404", "UMP9"},
               {"0C0505", "SCAR-L"}, {"0C0606", "5.56mm Fire"}, {"0C0607", "5.56mm Fire"},
               {"0C0808", "7.62mm Fire"}, {"0C0809", "7.62mm Fire"}, {"0C080A", "7.62mm Fire"},
               {"0C0707", ""}, {"0C0608", ""}, {"0C0102", ""}, {"0C0A0A", ""}, {"0C0000", ""}});
}

TEST(CodeToName, GunCodesByScriptWhenScriptsArePresent) {
  expectNames(naming(true, true), {{"0C0105", "Fire Macro1"}, {"0C0303", "Fire Macro2"},
                                   {"0C0101", "Fire Macro3"}, {"0C0202", ""}, {"0C0808", ""},
                                   {"0D0000", "Gun Key Fn"}});
}

TEST(RefreshKeyNames, NamesEveryButtonOfBothProfiles) {
  const ProfileCodes codes1 = {"010100", "010400", "010200", "010800", "011000",
                               "050000", "070000", "080000", "0600F0"};
  const ProfileCodes codes2 = {"0A0300", "020104", "060121", "0C0101", "000000",
                               "0300E9", "0300EB", "", "010100"};
  const KeyNames names = RefreshKeyNames(codes1, codes2, naming(true));
  EXPECT_EQ(names.ProfileNames1, (ProfileNames{"Left Click", "Middle Click", "Right Click", "Back", "Forward",
                                               "DPI Loop", "DPI +", "DPI -", "Fire Key"}));
  EXPECT_EQ(names.ProfileNames2,
            (ProfileNames{"AIM", "Ctrl+A", "Jump", "AKM", "Key Off", "Volume +", "", "", "Left Click"}));
}

}  // namespace
}  // namespace orva
