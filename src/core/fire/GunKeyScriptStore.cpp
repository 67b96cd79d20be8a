#include "core/fire/GunKeyScriptStore.h"

#include <algorithm>
#include <system_error>

#include "core/io/FileIo.h"
#include "core/params/ImageLayout.h"

namespace orva::fire {

namespace {

constexpr KeyCode kUnused{};

bool isFireMacroNumber(int n) { return n >= 1 && n <= kFireMacroCount; }

bool isValidScript(const KeyCode& code) {
  return code[0] == kTypeGun && isFireMacroNumber(code[1]) && isFireMacroNumber(code[2]);
}

}  // namespace

std::string gunScriptName(int position) { return "Fire Macro" + std::to_string(position); }

GunKeyScriptStore GunKeyScriptStore::fromFileBytes(std::span<const std::uint8_t> bytes) {
  GunKeyScriptStore store;
  store.present_ = true;
  for (std::size_t k = 0; k < store.scripts_.size() && (k + 1) * kKeyCodeSize <= bytes.size(); ++k) {
    KeyCode code;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(k * kKeyCodeSize), kKeyCodeSize, code.begin());
    // A damaged code would otherwise be offered for a button as it stands.
    if (isValidScript(code)) store.scripts_[k] = code;
  }
  return store;
}

GunKeyScriptStore GunKeyScriptStore::load(const std::filesystem::path& file, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return {};
  if (const auto bytes = readWholeFile(file, error, kGunKeyScriptsFileSize)) return fromFileBytes(*bytes);
  GunKeyScriptStore unreadable;
  unreadable.present_ = true;
  return unreadable;
}

std::array<std::uint8_t, kGunKeyScriptsFileSize> GunKeyScriptStore::fileBytes() const {
  std::array<std::uint8_t, kGunKeyScriptsFileSize> bytes{};
  for (std::size_t k = 0; k < scripts_.size(); ++k) {
    std::ranges::copy(scripts_[k], bytes.begin() + static_cast<std::ptrdiff_t>(k * kKeyCodeSize));
  }
  return bytes;
}

bool GunKeyScriptStore::save(const std::filesystem::path& file, std::string& error) {
  if (!writeFileAtomically(file, fileBytes(), error)) return false;
  present_ = true;
  return true;
}

std::vector<ListedScript> GunKeyScriptStore::listed() const {
  std::vector<ListedScript> list;
  for (std::size_t k = 0; k < scripts_.size(); ++k) {
    if (scripts_[k] == kUnused) continue;
    const int position = static_cast<int>(k) + 1;
    list.push_back({position, gunScriptName(position)});
  }
  return list;
}

std::optional<std::size_t> GunKeyScriptStore::add(int firstFireMacro, int lastFireMacro) {
  if (!isFireMacroNumber(firstFireMacro) || !isFireMacroNumber(lastFireMacro)) return std::nullopt;
  const auto free = std::ranges::find(scripts_, kUnused);
  if (free == scripts_.end()) return std::nullopt;
  *free = {kTypeGun, static_cast<std::uint8_t>(firstFireMacro), static_cast<std::uint8_t>(lastFireMacro)};
  // The list shows the used positions in order.
  return static_cast<std::size_t>(std::count_if(scripts_.begin(), free, [](const KeyCode& c) { return c != kUnused; }));
}

ScriptRemoval GunKeyScriptStore::remove(std::size_t listIndex) {
  const auto list = listed();
  if (listIndex >= list.size()) return {};
  std::shift_left(scripts_.begin() + (list[listIndex].position - 1), scripts_.end(), 1);
  scripts_.back() = kUnused;
  ScriptRemoval removal{.removed = true, .select = std::nullopt};
  if (list.size() > 1) removal.select = listIndex == 0 ? 0 : listIndex - 1;
  return removal;
}

}  // namespace orva::fire
