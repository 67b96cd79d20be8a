#pragma once
// The gun key scripts of the engineering page: up to ten codes 0x0C,
// first fire macro, last fire macro, each listed as "Fire Macro" and its
// position, kept in a 30-byte file beside the program (script k at offset
// 3·k, 00 00 00 for an unused one) and rewritten whole after each change.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/keys/KeyNames.h"

namespace orva::fire {

inline constexpr std::string_view kGunKeyScriptsFileName = "ORVA310B Fire Macro.bin";
inline constexpr std::size_t kGunKeyScriptsFileSize = kGunKeyScriptCount * kKeyCodeSize;

// "Fire Macro" followed by the position 1..10.
std::string gunScriptName(int position);

struct ListedScript {
  int position;  // 1..10 among the ten scripts
  std::string name;

  bool operator==(const ListedScript&) const = default;
};

struct ScriptRemoval {
  bool removed = false;
  std::optional<std::size_t> select;  // list entry to select afterwards; none when the list is empty
};

class GunKeyScriptStore {
 public:
  // Start-up. A missing file: no scripts, FireScriptsPresent false. An
  // existing file counts as present; its first 30 bytes are the scripts (a
  // short file reads as padded with zeros). When it cannot be read: present,
  // no scripts, and `error` says why.
  static GunKeyScriptStore load(const std::filesystem::path& file, std::string& error);
  // The scripts of a file's bytes; a code that is not 0x0C with two fire
  // macro numbers 1..10 reads as unused.
  static GunKeyScriptStore fromFileBytes(std::span<const std::uint8_t> bytes);

  // Rewrites the file atomically; the file then exists, so the scripts
  // count as present from now on.
  bool save(const std::filesystem::path& file, std::string& error);
  std::array<std::uint8_t, kGunKeyScriptsFileSize> fileBytes() const;

  // What the key names need (KeyNaming): the ten codes by position and
  // whether the scripts file exists.
  const GunKeyScripts& scripts() const { return scripts_; }
  bool FireScriptsPresent() const { return present_; }

  std::vector<ListedScript> listed() const;

  // Stores 0x0C, first, last (each 1..10) in the first unused position.
  // The list entry of the new script, or nothing when all ten are used or a
  // number is out of range.
  std::optional<std::size_t> add(int firstFireMacro, int lastFireMacro);

  // Removes the script of list entry `listIndex`; the later scripts move up
  // one place and the last position becomes unused.
  ScriptRemoval remove(std::size_t listIndex);

 private:
  GunKeyScripts scripts_{};
  bool present_ = false;
};

}  // namespace orva::fire
