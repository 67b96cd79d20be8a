#pragma once
// Linux lists every hidraw node as <root>/<node> (e.g. /sys/class/hidraw/hidraw3)
// with the interface's report descriptor under device/report_descriptor.

#include <cstdint>
#include <string>

namespace orva {

inline constexpr const char* kDefaultSysfsRoot = "/sys/class/hidraw";

// Length of feature report `reportId` of the node behind `devicePath`
// ("/dev/hidraw3" is looked up as <sysfsRoot>/hidraw3); 0 when the descriptor
// is missing, unreadable or has no such report.
int featureLengthFromSysfs(const std::string& devicePath, const std::string& sysfsRoot,
                           std::uint8_t reportId);

// Number of hidraw nodes; 0 when the folder is missing.
int countSysfsNodes(const std::string& sysfsRoot);

}  // namespace orva
