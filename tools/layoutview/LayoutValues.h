#pragma once
// The integer values of one language's layout, looked up by key name. Keys
// the layout does not read are remembered, so that a page can list them:
// they show a page table asking for something the program never reads.

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/skin/LayoutFile.h"

namespace layoutview {

class LayoutValues {
 public:
  // The embedded layout of language `language` (1..3).
  explicit LayoutValues(int language);

  // Empty when the layout was read; else the configuration error.
  const std::string& error() const { return error_; }

  // The value of `key`, or nullopt (remembered as missing).
  std::optional<int> get(std::string_view key) const;
  // The same with 0 for a missing key.
  int value(std::string_view key) const { return get(key).value_or(0); }

  // Keys asked for but missing since the last call; clears the list.
  std::set<std::string> takeMissing() const;

 private:
  std::optional<orva::LayoutFile> layout_;
  std::string error_;
  mutable std::set<std::string> missing_;
};

}  // namespace layoutview
