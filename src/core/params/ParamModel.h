#pragma once
// The values of the engineering page's plain controls: what the pages show
// and edit, and what Apply encodes into the image. Radio pairs and combo
// boxes can be unset (no radio of the pair checked, no item selected);
// edits hold their integer values.

#include <array>
#include <optional>
#include <string>

namespace orva {

enum class LedType { MCULED, RBLED, SyncLED, BreLED };

// Number of items of each combo box; a decoded value outside its list
// leaves the combo without a selection.
inline constexpr int kSensorOrientationItems = 8;
inline constexpr int kDpiCountItems = 6;     // 2..7 levels
inline constexpr int kDpiValueItems = 12;    // 500 .. 8000
inline constexpr int kDpiLevels = 7;
inline constexpr int kLedModeItems = 7;
inline constexpr int kKeyModeItems = 2;
inline constexpr int kFireCountItems = 255;  // 1..255 shots
inline constexpr int kButtons = 9;

// DPI values of the value list, by item index.
inline constexpr std::array<int, kDpiValueItems> kDpiValues = {500,  800,  1000, 1200, 1600, 2000,
                                                               2400, 3200, 4000, 4800, 6400, 8000};

using RadioPair = std::optional<bool>;  // true: the "on" radio, false: the other, unset: neither
using ComboIndex = std::optional<int>;  // item index, unset: no selection
using Rgb = std::array<int, 3>;

struct ParamModel {
  // ParameterA
  RadioPair rb_B4CPIOn;
  RadioPair rb_FireFnOn;
  RadioPair rb_LCPIOn;
  RadioPair rb_Save;               // true: rb_Save (remember the key mode), false: rb_NoSave
  ComboIndex cb_SensorOri;
  std::optional<LedType> ledType;  // rb_MCULED, rb_RBLED, rb_SyncLED, rb_BreLED
  bool cb_MidPress = false;
  bool cb_CPIPress = false;
  bool cb_GunPress = false;
  bool cb_Smooth = false;
  ComboIndex cb_CPIStep;           // number of DPI levels − 2
  RadioPair rb_MCULED3Control;     // true: full brightness, false: rb_MCULED6Control
  int edt_MCULEDNum = 13;          // LED count
  std::array<bool, 7> cb_Mode{};   // streamer modes 1..7 enabled
  std::array<ComboIndex, kDpiLevels> cb_CPI{};  // DPI value index of each level
  std::array<Rgb, kDpiLevels> edt_CPIColor{};

  // ParameterB
  ComboIndex cb_CurrentCPI;
  ComboIndex cb_MCULEDCurrentMode;
  ComboIndex cb_RBLEDCurrentMode;
  RadioPair rb_LEDOff;             // true: key-flash LED off, false: rb_LEDOn
  int edt_MCULEDCrtStep = 0;
  ComboIndex cb_KeyMode;
  int edt_VendorID = 0;
  int edt_ProductID = 0;

  // Fire areas
  std::array<int, 10> edt_YOffset{};
  std::array<Rgb, 10> edt_FireMacroColor{};

  // FireKey
  bool cb_IsFireContinue = false;
  ComboIndex cb_FireCount;
  int edt_FireTime = 0;

  bool operator==(const ParamModel&) const = default;
};

// Key-function codes of buttons 1..9, six upper-case hex digits each.
using ProfileCodes = std::array<std::string, kButtons>;

}  // namespace orva
