#include "core/skin/LayoutFile.h"

#include <algorithm>
#include <cctype>

#include "core/resources/Resources.h"
#include "core/skin/IniFile.h"
#include "core/skin/LayoutSchema.h"

namespace orva {

namespace {

constexpr std::uint32_t kGreenFactor = 256;
constexpr std::uint32_t kBlueFactor = 65536;

std::string folded(std::string_view name) {
  std::string result(name);
  std::ranges::transform(result, result.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

std::string suffixed(std::string_view stem, std::string_view suffix) {
  return std::string(stem) + std::string(suffix);
}

}  // namespace

struct LayoutReader {
  static LayoutResult read(const IniFile& ini, std::string_view section) {
    const std::string where = "Layout " + std::string(section) + ": ";
    LayoutFile layout;
    for (const std::string& key : layoutKeys()) {
      const std::string* text = ini.find(section, key);
      if (text == nullptr) return {std::nullopt, where + "the key " + key + " is missing"};
      const std::optional<int> number = parseIniInt(*text);
      if (!number) {
        return {std::nullopt, where + "the key " + key + " has the value \"" + *text +
                                  "\", which is not a decimal integer"};
      }
      layout.values_.emplace(folded(key), *number);
    }
    return {std::move(layout), {}};
  }
};

std::string layoutResourceName(int index) { return "org" + std::to_string(index); }

std::optional<int> LayoutFile::find(std::string_view key) const {
  const auto it = values_.find(folded(key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

int LayoutFile::value(std::string_view key) const { return find(key).value_or(0); }

LayoutPoint LayoutFile::position(std::string_view stem) const {
  return {value(suffixed(stem, "_X")), value(suffixed(stem, "_Y"))};
}

std::uint32_t LayoutFile::colour(std::string_view stem) const {
  const auto part = [&](std::string_view suffix) {
    return static_cast<std::uint32_t>(value(suffixed(stem, suffix)));
  };
  return part("_R") + kGreenFactor * part("_G") + kBlueFactor * part("_B");
}

bool LayoutFile::enabled(std::string_view stem) const {
  return value(suffixed(stem, "_Enable")) == 1;
}

LayoutResult LoadLayout(std::string_view iniText, std::string_view section) {
  const IniFile ini = IniFile::parse(iniText);
  if (!ini.hasSection(section)) {
    return {std::nullopt, "Layout: there is no section [" + std::string(section) + "]"};
  }
  return LayoutReader::read(ini, section);
}

LayoutResult LoadLayout(int index) {
  if (index < 1 || index > kLayoutCount) {
    return {std::nullopt, "Layout: there is no layout " + std::to_string(index)};
  }
  const std::string name = layoutResourceName(index);
  const std::optional<std::string_view> text = findTextResource(name);
  if (!text) return {std::nullopt, "Layout: the embedded resource \"" + name + "\" is missing"};
  return LoadLayout(*text, name);
}

}  // namespace orva
