// Storing assignments, the left-click rule and the apply-time rewrite of aim
// and fire keys.
#include "core/keys/AimKeyRewrite.h"
#include "core/keys/ProfileKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

// Image addresses of button 1 of each profile.
constexpr int kProfile1Button1 = 64;
constexpr int kProfile2Button1 = 91;

std::string bytesAt(const ParamSections& s, int address) {
  return BytesToCodeText({s.at(address), s.at(address + 1), s.at(address + 2)});
}

TEST(StoreKeyCode, PutsTextAndBytesAtTheButtonsSlot) {
  ParamSections sections;
  ProfileCodes codes1, codes2;
  ASSERT_TRUE(storeKeyCode(sections, codes1, 1, 0, "070000"));
  ASSERT_TRUE(storeKeyCode(sections, codes2, 2, 8, "0e07ab"));
  EXPECT_EQ(codes1[0], "070000");
  EXPECT_EQ(codes2[8], "0E07AB");
  EXPECT_EQ(bytesAt(sections, kProfile1Button1), "070000");
  EXPECT_EQ(bytesAt(sections, kProfile2Button1 + 3 * 8), "0E07AB");
  EXPECT_EQ(bytesAt(sections, kProfile1Button1 + 3 * 8), "000000");  // profile 1 button 9 untouched
}

TEST(StoreKeyCode, RefusesBadInputAndChangesNothing) {
  ParamSections sections;
  ProfileCodes codes;
  codes.fill("010100");
  const ParamSections before = sections;
  EXPECT_FALSE(storeKeyCode(sections, codes, 1, 0, "07000"));
  EXPECT_FALSE(storeKeyCode(sections, codes, 1, 0, "ZZ0000"));
  EXPECT_FALSE(storeKeyCode(sections, codes, 0, 0, "070000"));
  EXPECT_FALSE(storeKeyCode(sections, codes, 3, 0, "070000"));
  EXPECT_FALSE(storeKeyCode(sections, codes, 1, -1, "070000"));
  EXPECT_FALSE(storeKeyCode(sections, codes, 1, 9, "070000"));
  EXPECT_EQ(sections, before);
  EXPECT_EQ(codes[0], "010100");
}

struct LeftClickCase {
  const char* name;
  ProfileCodes codes;
  int button;
  const char* newCode;
  bool allowed;
};

const ProfileCodes kOnlyKey1Left = {"010100", "010400", "010200", "010800", "011000",
                                    "050000", "070000", "080000", "0600F0"};
const ProfileCodes kKey1AndKey2Left = {"010100", "010100", "010200", "010800", "011000",
                                       "050000", "070000", "080000", "0600F0"};
const ProfileCodes kNoLeft = {"010200", "010400", "010200", "010800", "011000",
                              "050000", "070000", "080000", "0600F0"};

TEST(KeepsLeftClick, GuardsTheLastLeftClick) {
  const LeftClickCase cases[] = {
      {"last left click replaced", kOnlyKey1Left, 0, "070000", false},
      {"other button reassigned", kOnlyKey1Left, 1, "070000", true},
      {"last left click replaced by itself", kOnlyKey1Left, 0, "010100", true},
      {"one of two left clicks replaced", kKey1AndKey2Left, 0, "070000", true},
      {"left and right together is no left click", kOnlyKey1Left, 0, "010300", false},
      {"no left click yet, another code", kNoLeft, 4, "070000", false},
      {"no left click yet, left click given", kNoLeft, 4, "010100", true},
      {"button out of range", kKey1AndKey2Left, 9, "070000", false},
  };
  for (const LeftClickCase& c : cases) EXPECT_EQ(keepsLeftClick(c.codes, c.button, c.newCode), c.allowed) << c.name;
}

class AimRewrite : public ::testing::Test {
 protected:
  void SetUp() override {
    codes1 = kOnlyKey1Left;
    codes2 = kOnlyKey1Left;
    codes1[3] = "0A0000";
    codes2[6] = "0AFF00";
    codes2[2] = "060121";  // a macro, whatever its name
    for (int profile = 1; profile <= 2; ++profile) {
      ProfileCodes& codes = profile == 1 ? codes1 : codes2;
      for (int b = 0; b < kButtons; ++b) ASSERT_TRUE(storeKeyCode(sections, codes, profile, b, codes[b]));
    }
  }
  ParamSections sections;
  ProfileCodes codes1, codes2;
};

TEST_F(AimRewrite, EveryAimKeyOfBothProfilesGetsTheAimValue) {
  ParamSections expected = sections;
  expected.at(kProfile1Button1 + 3 * 3 + 1) = 7;
  expected.at(kProfile2Button1 + 3 * 6 + 1) = 7;
  EXPECT_EQ(rewriteAimKeys(sections, codes1, codes2, 7), 2);
  EXPECT_EQ(sections, expected);
  EXPECT_EQ(codes1[3], "0A0000");
}

TEST_F(AimRewrite, FollowsTheCodesNotTheSectionBytes) {
  sections.at(kProfile1Button1 + 3 * 3) = 0x07;  // stale bytes of the aim key
  sections.at(kProfile1Button1 + 3 * 3 + 2) = 0x33;
  sections.at(kProfile1Button1 + 3 * 5) = 0x0A;  // aim bytes under a DPI-loop code
  AIMKeyToDataBuf(sections, codes1, codes2, {.AimValue = 2});
  EXPECT_EQ(bytesAt(sections, kProfile1Button1 + 3 * 3), "0A0200");
  EXPECT_EQ(bytesAt(sections, kProfile1Button1 + 3 * 5), "0A0000");
}

TEST_F(AimRewrite, NoAimKeyCountsNone) {
  const ParamSections before = sections;
  EXPECT_EQ(rewriteAimKeys(sections, kOnlyKey1Left, kOnlyKey1Left, 4), 0);
  EXPECT_EQ(sections, before);
}

struct FireCase {
  const char* name;
  bool eepromMode;
  bool continuous;
  std::uint8_t startType;  // type byte in the section before the rewrite
  const char* fireBytes;   // of button 9 in both profiles afterwards
};

TEST_F(AimRewrite, FireKeyTypeFollowsContinuousFireInDriverModeOnly) {
  const FireCase cases[] = {
      {"driver, continuous", false, true, 0x06, "0E00F0"},
      {"driver, single shots", false, false, 0x06, "0600F0"},
      {"driver, back from continuous", false, false, 0x0E, "0600F0"},
      {"eeprom, continuous", true, true, 0x06, "0600F0"},
      {"eeprom leaves the type", true, false, 0x0E, "0E00F0"},
  };
  for (const FireCase& c : cases) {
    SCOPED_TRACE(c.name);
    ParamSections s = sections;
    s.at(kProfile1Button1 + 3 * 8) = c.startType;
    s.at(kProfile2Button1 + 3 * 8) = c.startType;
    AIMKeyToDataBuf(s, codes1, codes2, {.AimValue = 3, .EepromMode = c.eepromMode, .cb_IsFireContinue = c.continuous});
    EXPECT_EQ(bytesAt(s, kProfile1Button1 + 3 * 8), c.fireBytes);
    EXPECT_EQ(bytesAt(s, kProfile2Button1 + 3 * 8), c.fireBytes);
    EXPECT_EQ(bytesAt(s, kProfile1Button1 + 3 * 3), "0A0300");
    EXPECT_EQ(bytesAt(s, kProfile2Button1 + 3 * 2), "060121");
  }
}

}  // namespace
}  // namespace orva
