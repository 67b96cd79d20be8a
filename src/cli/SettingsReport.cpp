#include "cli/SettingsReport.h"

#include <array>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/macros/KeyTableNames.h"
#include "core/params/ButtonNames.h"
#include "core/macros/MacroCodec.h"
#include "core/macros/MacroName.h"

namespace orva::cli {

namespace {

constexpr std::array<const char*, 8> kOrientationNames = {"0°", "90°", "180°", "270°", "X mirrored",
                                                           "Y mirrored", "XY swapped, inverted", "XY swapped"};

// The facts both outputs show, taken from the checked sections.
struct Settings {
  struct Level {
    int index;
    std::optional<int> dpi;
    Rgb color;
  };
  int count, current, keyMode;
  std::array<Level, kDpiLevels> levels;
  const char* ledType;
  bool ledOff, fullBrightness;
  int ledMode, ledStep;
  std::optional<int> ledCount;
  std::array<bool, 7> modesEnabled;
  bool continuous;
  int countIndex, interval;
  int manufacturer, product;
  int orientation;
};

const char* ledTypeName(std::optional<LedType> type) {
  switch (type.value_or(LedType::MCULED)) {
    case LedType::MCULED: return "MCULED";
    case LedType::RBLED: return "RBLED";
    case LedType::SyncLED: return "SyncLED";
    case LedType::BreLED: return "BreLED";
  }
  return "MCULED";
}

Settings collect(const ParameterCycles& c) {
  const ParamSections& s = c.sections;
  const ParamModel& m = c.model;
  Settings r{};
  r.count = s.at(kDpiCount);
  r.current = s.at(kCurrentDpi) + 1;
  r.keyMode = m.cb_KeyMode.value_or(0) + 1;
  for (int k = 0; k < kDpiLevels; ++k) {
    const int index = s.at(kDpiIndexes + k);
    r.levels[k] = {index, index < kDpiValueItems ? std::optional<int>(kDpiValues[index]) : std::nullopt,
                   m.edt_CPIColor[k]};
  }
  r.ledType = ledTypeName(m.ledType);
  r.ledOff = m.rb_LEDOff.value_or(false);
  r.ledMode = s.at(kLedState) & 0x07;
  r.ledStep = m.edt_MCULEDCrtStep;
  r.fullBrightness = m.rb_MCULED3Control.value_or(false);
  // The count the LED nibble gives; 10..15 give none.
  if ((s.at(kLedLook) >> 4) <= 9) r.ledCount = 13 - (s.at(kLedLook) >> 4);
  r.modesEnabled = m.cb_Mode;
  r.continuous = m.cb_IsFireContinue;
  r.countIndex = s.at(kFireCount);
  r.interval = m.edt_FireTime;
  r.manufacturer = m.edt_VendorID;
  r.product = m.edt_ProductID;
  r.orientation = m.cb_SensorOri.value_or(0);
  return r;
}

// A device macro slot in use, decoded.
struct SlotMacro {
  int slot;
  std::string name;
  StopMode stopMode;
  std::optional<Repetition> repetition;
  int repeatCount;
  std::vector<std::string> lines;  // the events, without the header line
};

std::vector<SlotMacro> slotMacros(const ParameterCycles& c) {
  std::vector<SlotMacro> macros;
  for (int slot = 1; slot <= kMacroSlotCount; ++slot) {
    const MacroRecord& record = c.macroSlots.slot(slot);
    if (!macroNameInUse(record.name)) continue;
    SlotMacro m{slot, macroNameText(record.name), stopModeOf(record.data), std::nullopt, 0, {}};
    if (const auto decoded = DecodeMacro(record.data, keyTableMacroNames())) {
      m.repetition = decoded->options.repetition;
      m.repeatCount = decoded->options.repeatCount;
      m.lines.assign(decoded->lines.begin() + 1, decoded->lines.end());
    }
    macros.push_back(std::move(m));
  }
  return macros;
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", c);
      out += escaped;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string jsonBool(bool b) { return b ? "true" : "false"; }

std::string jsonRgb(const Rgb& c) {
  return "[" + std::to_string(c[0]) + ", " + std::to_string(c[1]) + ", " + std::to_string(c[2]) + "]";
}

std::string jsonButtons(const ProfileCodes& codes, const ProfileNames& names) {
  std::string out = "[";
  for (int b = 0; b < kButtons; ++b) {
    out += std::string(b ? ",\n      " : "\n      ") + "{\"code\": \"" + codes[b] + "\", \"name\": " + jsonString(names[b]) + "}";
  }
  return out + "]";
}

std::string jsonRepeat(const SlotMacro& m) {
  if (!m.repetition || *m.repetition == Repetition::Once) return "null";
  if (*m.repetition == Repetition::Endless) return "\"infinite\"";
  return std::to_string(m.repeatCount);
}

}  // namespace

void printSettingsJson(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired,
                       KeyNaming naming) {
  const Settings s = collect(cycles);
  const KeyNames names = buttonNames(cycles, std::move(naming));
  out << "{\n  \"repaired\": [";
  for (std::size_t i = 0; i < repaired.size(); ++i) {
    out << (i ? ", " : "") << "\"" << sectionPlace(repaired[i]).name << "\"";
  }
  out << "],\n  \"identity\": [" << s.manufacturer << ", " << s.product << "],\n"
      << "  \"key_mode\": " << s.keyMode << ",\n"
      << "  \"sensor_orientation\": \"" << kOrientationNames[s.orientation] << "\",\n"
      << "  \"dpi\": {\"count\": " << s.count << ", \"current\": " << s.current << ", \"levels\": [";
  for (int k = 0; k < kDpiLevels; ++k) {
    const auto& l = s.levels[k];
    out << (k ? "," : "") << "\n    {\"index\": " << l.index << ", \"dpi\": "
        << (l.dpi ? std::to_string(*l.dpi) : "null") << ", \"color\": " << jsonRgb(l.color) << "}";
  }
  out << "]},\n  \"led\": {\"type\": \"" << s.ledType << "\", \"off\": " << jsonBool(s.ledOff)
      << ", \"mode\": " << s.ledMode << ", \"step\": " << s.ledStep
      << ", \"count\": " << (s.ledCount ? std::to_string(*s.ledCount) : "null")
      << ", \"full_brightness\": " << jsonBool(s.fullBrightness) << ", \"modes_enabled\": [";
  for (int k = 0; k < 7; ++k) out << (k ? ", " : "") << jsonBool(s.modesEnabled[k]);
  out << "]},\n  \"fire_key\": {\"continuous\": " << jsonBool(s.continuous) << ", \"count_index\": " << s.countIndex
      << ", \"interval\": " << s.interval << "},\n"
      << "  \"buttons\": {\"profile1\": " << jsonButtons(cycles.ProfileCodes1, names.ProfileNames1)
      << ",\n    \"profile2\": " << jsonButtons(cycles.ProfileCodes2, names.ProfileNames2) << "},\n"
      << "  \"macros\": [";
  const auto macros = slotMacros(cycles);
  for (std::size_t i = 0; i < macros.size(); ++i) {
    const SlotMacro& m = macros[i];
    out << (i ? "," : "") << "\n    {\"slot\": " << m.slot << ", \"name\": " << jsonString(m.name)
        << ", \"stop_mode\": " << static_cast<int>(m.stopMode) << ", \"repeat\": " << jsonRepeat(m) << ", \"lines\": [";
    for (std::size_t k = 0; k < m.lines.size(); ++k) out << (k ? ", " : "") << jsonString(m.lines[k]);
    out << "]}";
  }
  out << "]\n}\n";
}

void printSettingsText(std::ostream& out, const ParameterCycles& cycles, const std::vector<Section>& repaired,
                       KeyNaming naming) {
  const Settings s = collect(cycles);
  const KeyNames names = buttonNames(cycles, std::move(naming));
  out << "repaired sections:  " << (repaired.empty() ? "none" : "");
  for (std::size_t i = 0; i < repaired.size(); ++i) out << (i ? ", " : "") << sectionPlace(repaired[i]).name;
  out << "\nidentity:           " << s.manufacturer << " " << s.product << "\n"
      << "key mode:           " << s.keyMode << "\n"
      << "sensor orientation: " << kOrientationNames[s.orientation] << "\n"
      << "DPI levels:         " << s.count << " in use, level " << s.current << " active\n";
  for (int k = 0; k < kDpiLevels; ++k) {
    const auto& l = s.levels[k];
    out << "  level " << k + 1 << ": " << (l.dpi ? std::to_string(*l.dpi) + " DPI" : "no value (" + std::to_string(l.index) + ")")
        << ", colour " << jsonRgb(l.color) << "\n";
  }
  out << "LED:                " << s.ledType << ", mode " << s.ledMode << ", step " << s.ledStep << ", "
      << (s.ledCount ? std::to_string(*s.ledCount) : "?") << " LEDs, "
      << (s.fullBrightness ? "full" : "half") << " brightness, key flash " << (s.ledOff ? "off" : "on") << "\n"
      << "fire key:           "
      << (s.continuous ? std::string("continuous") : std::to_string(s.countIndex + 1) + " shot(s)")
      << ", pause " << s.interval * 8 << " ms\n";
  for (int p = 0; p < 2; ++p) {
    out << "profile " << p + 1 << " buttons:\n";
    const ProfileCodes& codes = p == 0 ? cycles.ProfileCodes1 : cycles.ProfileCodes2;
    const ProfileNames& shown = p == 0 ? names.ProfileNames1 : names.ProfileNames2;
    for (int b = 0; b < kButtons; ++b) out << "  " << b + 1 << ": " << codes[b] << "  " << shown[b] << "\n";
  }
  for (const SlotMacro& m : slotMacros(cycles)) {
    out << "macro slot " << m.slot << ": " << m.name << " ("
        << (m.stopMode == StopMode::StopOnRelease ? "stops when released" : "plays to the end") << ")\n";
    for (const std::string& line : m.lines) out << "  " << line << "\n";
  }
}

}  // namespace orva::cli
