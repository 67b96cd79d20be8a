#pragma once
// Turning a failed open of a hidraw node into something the user can act on.

#include <string>

#include "core/device/Transport.h"

namespace orva {

// Classifies a failed open of `path`. `openErrno` is errno right after the
// failed call; since the HID library may overwrite errno while reporting the
// failure, the path is checked again with access(2) first.
OpenError classifyOpenFailure(const std::string& path, int openErrno);

// What to tell a user who may not open `path`: install the udev rule.
std::string accessDeniedHint(const std::string& path);

}  // namespace orva
