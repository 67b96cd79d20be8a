#include "core/skin/OrgSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/resources/Resources.h"
#include "core/skin/IniFile.h"

namespace orva {
namespace {

// A complete block with the shipped values, as (key, value) lines, so that a
// test can replace or drop one key.
using KeyValues = std::vector<std::pair<std::string, std::optional<std::string>>>;

KeyValues shippedKeys() {
  return {{"Web_Enable", "1"},
          {"Web", "https://orva-config.example/"},
          {"Web_X", "420"},
          {"Web_Y", "560"},
          {"Rev_Manu_ID", "0"},
          {"Rev_Pro_ID", "0"},
          {"Path", ""},
          {"TR_Enable", "0"},
          {"GD_Enable", "0"},
          {"Main_Pnl_Height_With_Gun", "195"},
          {"Main_Pnl_Height_WithNo_Gun", "165"},
          {"DPILED_Status", "1"},
          {"Gun6_Num", "2"},
          {"Gun7_Num", "3"},
          {"Num_Order", "0"},
          {"Ap_Mode", "0"},
          {"DPI_Count", "12"},
          {"Special_Config",
           "Key_CPIKey,Key_Fire,Key_AIMKey,Key_LEDMode,Key_LEDSwitch,Key_KeyMode,Key_KeyOff"}};
}

// nullopt as the value drops the key.
std::string blockWith(const KeyValues& changes) {
  KeyValues keys = shippedKeys();
  for (const auto& [key, value] : changes) {
    for (auto& entry : keys) {
      if (entry.first == key) entry.second = value;
    }
  }
  std::string text = "; test block\r\n[org]\r\n";
  for (const auto& [key, value] : keys) {
    if (value) text += key + "=" + *value + "\r\n";
  }
  return text;
}

const std::string kShippedSpecial =
    "Key_CPIKey,Key_Fire,Key_AIMKey,Key_LEDMode,Key_LEDSwitch,Key_KeyMode,Key_KeyOff";

void expectShipped(const OrgSettings& s) {
  EXPECT_TRUE(s.Web_Enable);
  EXPECT_EQ(s.Web, "https://orva-config.example/");
  EXPECT_EQ(s.Web_X, 420);
  EXPECT_EQ(s.Web_Y, 560);
  EXPECT_EQ(s.Rev_Manu_ID, 0);
  EXPECT_EQ(s.Rev_Pro_ID, 0);
  EXPECT_EQ(s.Path, "");
  EXPECT_FALSE(s.TR_Enable);
  EXPECT_FALSE(s.GD_Enable);
  EXPECT_EQ(s.Main_Pnl_Height_With_Gun, 195);
  EXPECT_EQ(s.Main_Pnl_Height_WithNo_Gun, 165);
  EXPECT_TRUE(s.DPILED_Status);
  EXPECT_EQ(s.Gun6_Num, 2);
  EXPECT_EQ(s.Gun7_Num, 3);
  EXPECT_EQ(s.Num_Order, 0);
  EXPECT_EQ(s.Ap_Mode, 0);
  EXPECT_TRUE(s.EepromMode);
  EXPECT_EQ(s.DPI_Count, 12);
  EXPECT_EQ(s.Special_Config, kShippedSpecial);
}

TEST(OrgSettingsTest, EmbeddedBlockHasTheShippedValues) {
  const OrgSettingsResult result = LoadOrgSettings();
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_TRUE(result.error.empty());
  expectShipped(*result.settings);
}

TEST(OrgSettingsTest, EmbeddedBlockIsOneOrgSectionInCrLfLinesWithEveryKey) {
  const std::optional<std::string_view> text = findTextResource("org");
  ASSERT_TRUE(text.has_value());
  ASSERT_FALSE(text->empty());
  ASSERT_TRUE(text->ends_with("\r\n"));
  for (std::size_t i = 0; i < text->size(); ++i) {
    if ((*text)[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ((*text)[i - 1], '\r') << "LF without CR at byte " << i;
    }
  }
  const IniFile ini = IniFile::parse(*text);
  EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"org"});
  for (const auto& [key, value] : shippedKeys()) EXPECT_TRUE(ini.hasKey("org", key)) << key;
  EXPECT_EQ(ini.entries("org").size(), shippedKeys().size());
  EXPECT_NE(text->find("\r\n;"), std::string_view::npos) << "comment lines explain the keys";
}

TEST(OrgSettingsTest, TextBlockWithShippedValues) {
  const OrgSettingsResult result = LoadOrgSettings(blockWith({}));
  ASSERT_TRUE(result.ok()) << result.error;
  expectShipped(*result.settings);
}

TEST(OrgSettingsTest, LfLinesBlanksCaseAndCommentsAreRead) {
  const OrgSettingsResult result = LoadOrgSettings(
      "\xB2\xE2\xCA\xD4\n"
      "[ORG]\n"
      "; \xC5\xE4\xD6\xC3 = 8-bit comment\n"
      "// line without an equals sign\n"
      "  WEB_ENABLE = 0  \n"
      "web = https://orva-config.example/a=b \n"
      "web_x=-5\n"
      "Web_Y=+7\n"
      "Web_X=999\n"
      "rev_manu_id=18\n"
      "REV_PRO_ID=52\n"
      "path = /tmp/orva/\n"
      "tr_enable=1\n"
      "gd_enable=1\n"
      "dpiled_status=5\n"
      "gun6_num=1\n"
      "gun7_num=2\n"
      "num_order=1\n"
      "ap_mode=2\n"
      "dpi_count=1\n"
      "special_config= Key_Fire , Key_CPIKey \n");
  ASSERT_TRUE(result.ok()) << result.error;
  const OrgSettings& s = *result.settings;
  EXPECT_FALSE(s.Web_Enable);
  EXPECT_EQ(s.Web, "https://orva-config.example/a=b");
  EXPECT_EQ(s.Web_X, -5);
  EXPECT_EQ(s.Web_Y, 7);
  EXPECT_EQ(s.Rev_Manu_ID, 18);
  EXPECT_EQ(s.Rev_Pro_ID, 52);
  EXPECT_EQ(s.Path, "/tmp/orva/");
  EXPECT_TRUE(s.TR_Enable);
  EXPECT_TRUE(s.GD_Enable);
  EXPECT_EQ(s.Main_Pnl_Height_With_Gun, 190);
  EXPECT_EQ(s.Main_Pnl_Height_WithNo_Gun, 170);
  EXPECT_FALSE(s.DPILED_Status);
  EXPECT_EQ(s.Gun6_Num, 1);
  EXPECT_EQ(s.Gun7_Num, 2);
  EXPECT_EQ(s.Num_Order, 1);
  EXPECT_EQ(s.Ap_Mode, 2);
  EXPECT_TRUE(s.EepromMode);
  EXPECT_EQ(s.DPI_Count, 1);
  EXPECT_EQ(s.Special_Config, "Key_Fire , Key_CPIKey");
}

TEST(OrgSettingsTest, DefaultsOfTheKeysThatHaveOne) {
  const OrgSettingsResult result = LoadOrgSettings(blockWith({{"Path", std::nullopt},
                                                              {"Web", std::nullopt},
                                                              {"Main_Pnl_Height_With_Gun", std::nullopt},
                                                              {"Main_Pnl_Height_WithNo_Gun", std::nullopt},
                                                              {"Special_Config", std::nullopt}}));
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.settings->Path, "");
  EXPECT_EQ(result.settings->Web, "");
  EXPECT_EQ(result.settings->Main_Pnl_Height_With_Gun, 190);
  EXPECT_EQ(result.settings->Main_Pnl_Height_WithNo_Gun, 170);
  EXPECT_FALSE(result.settings->Special_Config.has_value());
}

TEST(OrgSettingsTest, DefaultedKeysStillNeedIntegers) {
  const OrgSettingsResult result = LoadOrgSettings(blockWith({{"Main_Pnl_Height_WithNo_Gun", "x"}}));
  ASSERT_FALSE(result.ok());
  EXPECT_NE(result.error.find("Main_Pnl_Height_WithNo_Gun"), std::string::npos) << result.error;
}

struct FieldCase {
  const char* key;
  const char* value;
  int (*read)(const OrgSettings&);
  int expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.key << "=" << c.value; }

class OrgFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(OrgFieldTest, ValueIsConverted) {
  const FieldCase& c = GetParam();
  const OrgSettingsResult result = LoadOrgSettings(blockWith({{c.key, c.value}}));
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(c.read(*result.settings), c.expected);
}

int gun6(const OrgSettings& s) { return s.Gun6_Num; }
int gun7(const OrgSettings& s) { return s.Gun7_Num; }
int numOrder(const OrgSettings& s) { return s.Num_Order; }
int webEnable(const OrgSettings& s) { return s.Web_Enable; }
int trEnable(const OrgSettings& s) { return s.TR_Enable; }
int dpiLed(const OrgSettings& s) { return s.DPILED_Status; }
int dpiCount(const OrgSettings& s) { return s.DPI_Count; }

INSTANTIATE_TEST_SUITE_P(
    ClampsAndFlags, OrgFieldTest,
    ::testing::Values(FieldCase{"Gun6_Num", "0", gun6, 1}, FieldCase{"Gun6_Num", "-3", gun6, 1},
                      FieldCase{"Gun6_Num", "1", gun6, 1}, FieldCase{"Gun6_Num", "2", gun6, 2},
                      FieldCase{"Gun6_Num", "3", gun6, 2}, FieldCase{"Gun7_Num", "0", gun7, 1},
                      FieldCase{"Gun7_Num", "2", gun7, 2}, FieldCase{"Gun7_Num", "3", gun7, 3},
                      FieldCase{"Gun7_Num", "9", gun7, 3}, FieldCase{"Num_Order", "-4", numOrder, 0},
                      FieldCase{"Num_Order", "1", numOrder, 1}, FieldCase{"Num_Order", "5", numOrder, 1},
                      FieldCase{"Web_Enable", "1", webEnable, 1}, FieldCase{"Web_Enable", "0", webEnable, 0},
                      FieldCase{"Web_Enable", "2", webEnable, 0}, FieldCase{"Web_Enable", "-1", webEnable, 0},
                      FieldCase{"Web_Enable", "+1", webEnable, 1}, FieldCase{"TR_Enable", "1", trEnable, 1},
                      FieldCase{"DPILED_Status", "0", dpiLed, 0}, FieldCase{"DPI_Count", "1", dpiCount, 1},
                      FieldCase{"DPI_Count", "7", dpiCount, 7}, FieldCase{"DPI_Count", "012", dpiCount, 12}));

struct ApModeCase {
  const char* apMode;
  const char* gdEnable;
  bool eepromMode;
  bool gunItems;
};

void PrintTo(const ApModeCase& c, std::ostream* os) { *os << "Ap_Mode=" << c.apMode << " GD_Enable=" << c.gdEnable; }

class OrgApModeTest : public ::testing::TestWithParam<ApModeCase> {};

TEST_P(OrgApModeTest, GivesEepromModeAndGunItems) {
  const ApModeCase& c = GetParam();
  const OrgSettingsResult result = LoadOrgSettings(blockWith({{"Ap_Mode", c.apMode}, {"GD_Enable", c.gdEnable}}));
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.settings->EepromMode, c.eepromMode);
  EXPECT_EQ(result.settings->GD_Enable, c.gunItems);
  EXPECT_EQ(result.settings->Ap_Mode, std::stoi(c.apMode));
}

INSTANTIATE_TEST_SUITE_P(Modes, OrgApModeTest,
                         ::testing::Values(ApModeCase{"0", "0", true, false}, ApModeCase{"0", "1", true, true},
                                           ApModeCase{"1", "0", false, false}, ApModeCase{"1", "1", false, false},
                                           ApModeCase{"2", "1", true, true}, ApModeCase{"2", "0", true, false},
                                           ApModeCase{"7", "1", true, true}, ApModeCase{"-1", "1", true, true}));

struct ErrorCase {
  const char* name;
  std::string text;
  std::vector<std::string> mentions;  // the error names these
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class OrgErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(OrgErrorTest, IsAConfigurationError) {
  const ErrorCase& c = GetParam();
  const OrgSettingsResult result = LoadOrgSettings(c.text);
  EXPECT_FALSE(result.ok());
  EXPECT_FALSE(static_cast<bool>(result));
  EXPECT_FALSE(result.settings.has_value());
  ASSERT_FALSE(result.error.empty());
  for (const std::string& m : c.mentions) EXPECT_NE(result.error.find(m), std::string::npos) << result.error;
}

std::vector<ErrorCase> errorCases() {
  std::vector<ErrorCase> cases = {
      {"empty_text", "", {"[org]"}},
      {"other_section_only", "[org1]\r\nWeb_Enable=1\r\n", {"[org]"}},
      {"keys_outside_the_section", "Web_Enable=1\r\n[org]\r\n", {"Web_Enable", "missing"}},
      {"keys_in_another_section",
       blockWith({{"Web_X", std::nullopt}}) + "[other]\r\nWeb_X=1\r\n",
       {"Web_X", "missing"}},
      {"not_an_integer", blockWith({{"Web_X", "12a"}}), {"Web_X", "\"12a\""}},
      {"empty_number", blockWith({{"Web_Y", ""}}), {"Web_Y", "\"\""}},
      {"hex_number", blockWith({{"Rev_Manu_ID", "$1F"}}), {"Rev_Manu_ID", "\"$1F\""}},
      {"out_of_int_range", blockWith({{"Rev_Pro_ID", "4294967296"}}), {"Rev_Pro_ID", "\"4294967296\""}},
      {"flag_not_integer", blockWith({{"GD_Enable", "yes"}}), {"GD_Enable", "\"yes\""}},
      {"clamped_key_not_integer", blockWith({{"Gun7_Num", "3.0"}}), {"Gun7_Num", "\"3.0\""}},
      {"ap_mode_not_integer", blockWith({{"Ap_Mode", "EEPROM"}}), {"Ap_Mode", "\"EEPROM\""}},
      {"dpi_count_zero", blockWith({{"DPI_Count", "0"}}), {"DPI_Count", "\"0\"", "1..12"}},
      {"dpi_count_13", blockWith({{"DPI_Count", "13"}}), {"DPI_Count", "\"13\"", "1..12"}},
      {"dpi_count_negative", blockWith({{"DPI_Count", "-1"}}), {"DPI_Count", "\"-1\""}},
      {"first_error_reported", blockWith({{"Web_Y", "a"}, {"DPI_Count", "b"}}), {"Web_Y", "\"a\""}},
  };
  // Every key without a default is required.
  for (const char* key : {"Web_Enable", "Web_X", "Web_Y", "Rev_Manu_ID", "Rev_Pro_ID", "TR_Enable",
                          "GD_Enable", "DPILED_Status", "Gun6_Num", "Gun7_Num", "Num_Order", "Ap_Mode",
                          "DPI_Count"}) {
    cases.push_back({key, blockWith({{key, std::nullopt}}), {key, "missing"}});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Errors, OrgErrorTest, ::testing::ValuesIn(errorCases()),
                         [](const ::testing::TestParamInfo<ErrorCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(OrgSettingsTest, DuplicateKeyFirstWins) {
  const OrgSettingsResult result = LoadOrgSettings(blockWith({}) + "DPI_Count=3\r\nweb_x=1\r\n");
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.settings->DPI_Count, 12);
  EXPECT_EQ(result.settings->Web_X, 420);
}

TEST(OrgSettingsTest, ErrorIgnoresLaterDuplicate) {
  // The first occurrence is bad; a good later one does not rescue it.
  std::string text = "[org]\r\nWeb_X=oops\r\n" + blockWith({}).substr(std::string("; test block\r\n[org]\r\n").size());
  const OrgSettingsResult result = LoadOrgSettings(text);
  ASSERT_FALSE(result.ok());
  EXPECT_NE(result.error.find("\"oops\""), std::string::npos) << result.error;
}

TEST(DataFilePath, PathPrefixesTheNameAsItStandsElseAppFolder) {
  OrgSettings settings{};
  const std::pair<const char*, const char*> rows[] = {
      {"", "/opt/orva/Macro.bin"},
      {"/data/", "/data/Macro.bin"},
      {"/data", "/dataMacro.bin"},  // no separator added
  };
  for (auto [path, expected] : rows) {
    settings.Path = path;
    EXPECT_EQ(dataFilePath(settings, "/opt/orva/", "Macro.bin"), expected) << path;
  }
}

}  // namespace
}  // namespace orva
