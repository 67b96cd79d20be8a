#include "platform/hid/SysfsHidraw.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/device/ReportDescriptor.h"

namespace orva {
namespace {

// The kernel refuses report descriptors longer than this.
constexpr std::size_t kMaxDescriptorSize = 4096;

}  // namespace

int featureLengthFromSysfs(const std::string& devicePath, const std::string& sysfsRoot,
                           std::uint8_t reportId) {
  const std::filesystem::path node = std::filesystem::path(devicePath).filename();
  if (node.empty() || node == "." || node == "..") return 0;

  std::ifstream in(std::filesystem::path(sysfsRoot) / node / "device" / "report_descriptor",
                   std::ios::binary);
  if (!in) return 0;
  std::vector<std::uint8_t> descriptor(kMaxDescriptorSize);
  in.read(reinterpret_cast<char*>(descriptor.data()),
          static_cast<std::streamsize>(descriptor.size()));
  descriptor.resize(static_cast<std::size_t>(in.gcount()));
  return featureReportLength(descriptor, reportId);
}

int countSysfsNodes(const std::string& sysfsRoot) {
  std::error_code ec;
  std::filesystem::directory_iterator it(sysfsRoot, ec);
  int count = 0;
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) ++count;
  return count;
}

}  // namespace orva
