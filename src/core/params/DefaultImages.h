#pragma once
// The factory parameter images built into the program, and the default
// files a maker may ship beside it.

#include <optional>
#include <string>

#include "core/params/ImageLayout.h"

namespace orva {

inline constexpr int kDefaultImageCount = 3;

// Built-in default image n (1..3); nothing when the resource is missing or
// not exactly one image long.
std::optional<Image> builtInDefaultImage(int n);

// "ORVA31xData_Cfg1.bin" .. "ORVA31xData_Cfg3.bin".
std::string defaultFileName(int n);

}  // namespace orva
