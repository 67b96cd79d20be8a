#pragma once
// The embedded settings block: the INI text of the resource
// "org", section [org], read once at start-up into OrgSettings.

#include <optional>
#include <string>
#include <string_view>

namespace orva {

inline constexpr std::string_view kOrgResourceName = "org";
inline constexpr std::string_view kOrgSection = "org";
// The value a missing Special_Config used to stand for; it names no menu
// item. OrgSettings keeps a missing key as nullopt instead (see
// ApplySpecialConfig for what the menu then offers).
inline constexpr std::string_view kSpecialConfigDefaultText = "11111110";

// The fields carry the names of the keys. The initial values are those of
// start-up before the block is read; LoadOrgSettings sets every field.
struct OrgSettings {
  bool Web_Enable = false;               // a click on the web button opens Web
  std::string Web;                       // the web address, verbatim
  int Web_X = 0;                         // position of the web button (pixels)
  int Web_Y = 0;
  int Rev_Manu_ID = 0;                   // second accepted pair of identity bytes
  int Rev_Pro_ID = 0;
  std::string Path;                      // prefix of the data files; empty: AppFolder
  bool TR_Enable = false;                // rolling captions
  bool GD_Enable = false;                // gun items on profile 2 (false when Ap_Mode is 1)
  int Main_Pnl_Height_With_Gun = 190;    // key-function menu height with the gun items
  int Main_Pnl_Height_WithNo_Gun = 170;  // ... without them
  bool DPILED_Status = false;            // true: slider style of the LED-page step bars
  int Gun6_Num = 1;                      // 1..2
  int Gun7_Num = 1;                      // 1..3
  int Num_Order = 0;                     // 0 ascending, 1 descending
  int Ap_Mode = 0;                       // 0 EEPROM, 1 Driver, 2 EEPROM+Driver (as read)
  bool EepromMode = true;                // false only when Ap_Mode is 1
  int DPI_Count = 12;                    // 1..12
  std::optional<std::string> Special_Config;  // nullopt: the key is missing

  bool operator==(const OrgSettings&) const = default;
};

// Either the settings or a configuration error; the caller stops start-up
// and shows `error` when `settings` is empty.
struct OrgSettingsResult {
  std::optional<OrgSettings> settings;
  std::string error;

  bool ok() const { return settings.has_value(); }
  explicit operator bool() const { return ok(); }
};

// Reads section [org] of an INI text:
//  - keys in the order of the OrgSettings fields; the first failure is reported;
//  - numeric values are decimal integers with an optional sign within the
//    range of int; anything else is an error naming the key and the value;
//  - missing keys are errors except Web and Path (""), Main_Pnl_Height_With_Gun
//    (190), Main_Pnl_Height_WithNo_Gun (170) and Special_Config (nullopt);
//  - boolean keys: 1 is true, any other integer false;
//  - Gun6_Num clamped to 1..2, Gun7_Num to 1..3, Num_Order to 0..1;
//  - Ap_Mode 0 or 2: EepromMode true; 1: EepromMode false and GD_Enable
//    false; any other value: EepromMode true;
//  - DPI_Count outside 1..12 is an error.
OrgSettingsResult LoadOrgSettings(std::string_view iniText);

// The same for the embedded resource "org".
OrgSettingsResult LoadOrgSettings();

// Where a data file of the program lies: the file name appended as it
// stands to Path when Path is set (a folder needs its trailing separator),
// else to AppFolder (which has one).
std::string dataFilePath(const OrgSettings& settings, const std::string& appFolder,
                         std::string_view fileName);

}  // namespace orva
