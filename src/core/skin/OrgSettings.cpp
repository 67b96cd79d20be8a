#include "core/skin/OrgSettings.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/resources/Resources.h"
#include "core/skin/IniFile.h"

namespace orva {

namespace {

// Reads the keys of [org] one by one; the first failure is kept and every
// later read is skipped.
class OrgReader {
 public:
  explicit OrgReader(const IniFile& ini) : ini_(ini) {}

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }

  void fail(std::string message) {
    if (!failed()) error_ = "Settings block [org]: " + std::move(message);
  }

  // nullptr when missing (the caller decides whether that is an error).
  const std::string* raw(std::string_view key) const { return ini_.find(kOrgSection, key); }

  std::string text(std::string_view key) const {
    const std::string* v = raw(key);
    return v ? *v : std::string();
  }

  int integer(std::string_view key, std::optional<int> fallback = std::nullopt) {
    if (failed()) return 0;
    const std::string* v = raw(key);
    if (v == nullptr) {
      if (fallback) return *fallback;
      fail("the key " + std::string(key) + " is missing");
      return 0;
    }
    const std::optional<int> number = parseIniInt(*v);
    if (!number) {
      fail("the key " + std::string(key) + " has the value \"" + *v +
           "\", which is not a decimal integer");
      return 0;
    }
    return *number;
  }

  bool flag(std::string_view key) { return integer(key) == 1; }

 private:
  const IniFile& ini_;
  std::string error_;
};

}  // namespace

OrgSettingsResult LoadOrgSettings(std::string_view iniText) {
  const IniFile ini = IniFile::parse(iniText);
  if (!ini.hasSection(kOrgSection)) {
    return {std::nullopt, "Settings block: there is no section [org]"};
  }

  OrgReader in(ini);
  OrgSettings s;
  s.Web_Enable = in.flag("Web_Enable");
  s.Web = in.text("Web");
  s.Web_X = in.integer("Web_X");
  s.Web_Y = in.integer("Web_Y");
  s.Rev_Manu_ID = in.integer("Rev_Manu_ID");
  s.Rev_Pro_ID = in.integer("Rev_Pro_ID");
  s.Path = in.text("Path");
  s.TR_Enable = in.flag("TR_Enable");
  s.GD_Enable = in.flag("GD_Enable");
  s.Main_Pnl_Height_With_Gun = in.integer("Main_Pnl_Height_With_Gun", 190);
  s.Main_Pnl_Height_WithNo_Gun = in.integer("Main_Pnl_Height_WithNo_Gun", 170);
  s.DPILED_Status = in.flag("DPILED_Status");
  s.Gun6_Num = std::clamp(in.integer("Gun6_Num"), 1, 2);
  s.Gun7_Num = std::clamp(in.integer("Gun7_Num"), 1, 3);
  s.Num_Order = std::clamp(in.integer("Num_Order"), 0, 1);
  s.Ap_Mode = in.integer("Ap_Mode");
  s.EepromMode = s.Ap_Mode != 1;
  if (s.Ap_Mode == 1) s.GD_Enable = false;
  s.DPI_Count = in.integer("DPI_Count");
  if (!in.failed() && (s.DPI_Count < 1 || s.DPI_Count > 12)) {
    in.fail("the key DPI_Count has the value \"" + *in.raw("DPI_Count") +
            "\", which is outside 1..12");
  }
  if (const std::string* special = in.raw("Special_Config")) s.Special_Config = *special;

  if (in.failed()) return {std::nullopt, in.error()};
  return {std::move(s), {}};
}

OrgSettingsResult LoadOrgSettings() {
  const std::optional<std::string_view> text = findTextResource(kOrgResourceName);
  if (!text) return {std::nullopt, "Settings block: the embedded resource \"org\" is missing"};
  return LoadOrgSettings(*text);
}

std::string dataFilePath(const OrgSettings& settings, const std::string& appFolder,
                         std::string_view fileName) {
  return (settings.Path.empty() ? appFolder : settings.Path) + std::string(fileName);
}

}  // namespace orva
