// Fuzzes the INI reader and the settings-block loader with arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/skin/IniFile.h"
#include "core/skin/OrgSettings.h"
#include "core/skin/KeyMenuOrder.h"

namespace {

volatile std::size_t gSink = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const orva::IniFile ini = orva::IniFile::parse(text);
  std::size_t touched = 0;
  for (const std::string& section : ini.sectionNames()) {
    if (!ini.hasSection(section)) __builtin_trap();
    for (const orva::IniFile::Entry& entry : ini.entries(section)) {
      // Every entry is found again under its name, with its first value.
      const std::string* value = ini.find(section, entry.key);
      if (value == nullptr || *value != entry.value) __builtin_trap();
      touched += value->size();
      if (const auto number = orva::parseIniInt(*value)) touched += static_cast<std::size_t>(*number);
    }
  }
  // Lookups with names taken from the input itself.
  const std::size_t half = text.size() / 2;
  touched += ini.value(text.substr(0, half), text.substr(half)).value_or("").size();

  const orva::OrgSettingsResult result = orva::LoadOrgSettings(text);
  if (result.ok() == !result.error.empty()) __builtin_trap();
  if (result.settings) {
    const orva::OrgSettings& s = *result.settings;
    if (s.DPI_Count < 1 || s.DPI_Count > 12 || s.Gun6_Num < 1 || s.Gun6_Num > 2 || s.Gun7_Num < 1 ||
        s.Gun7_Num > 3 || s.Num_Order < 0 || s.Num_Order > 1 || (s.Ap_Mode == 1 && (s.EepromMode || s.GD_Enable))) {
      __builtin_trap();
    }
    const orva::SpecialMenuLayout layout = orva::ApplySpecialConfig(s);
    if (layout.height != static_cast<int>(layout.entries.size()) * 25 + 2) __builtin_trap();
    touched += s.Web.size() + s.Path.size();
  }
  touched += result.error.size();

  const orva::SpecialMenuLayout direct = orva::ApplySpecialConfig(text);
  if (direct.entries.size() > orva::kSpecialKeyItemCount) __builtin_trap();
  touched += direct.entries.size();

  gSink = gSink + touched;
  return 0;
}
