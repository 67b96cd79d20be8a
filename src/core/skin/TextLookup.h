#pragma once
// The texts of the current language, looked up by key ("Str210"); an
// unknown key gives an empty text. UTF-8.

#include <functional>
#include <string>
#include <string_view>

namespace orva {

using TextLookup = std::function<std::string(std::string_view key)>;

}  // namespace orva
