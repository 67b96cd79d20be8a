// Report descriptors come from whatever device is plugged in.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/device/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> descriptor(data, size);
  for (const std::uint8_t reportId : {0, 1, 4, 255}) {
    const int length = orva::featureReportLength(descriptor, reportId);
    if (length < 0) __builtin_trap();
  }
  return 0;
}
