#pragma once
// Reads the length of a feature report out of a HID report descriptor, which
// is how the transport learns an interface's feature length on systems that
// only hand out the raw descriptor.

#include <cstdint>
#include <span>

namespace orva {

// Byte length of feature report `reportId`, the report-ID byte included
// (ceil(bits / 8) + 1). A descriptor that declares no report IDs has only
// report 0, whose length has no ID byte. 0 when there is no such feature
// report. The descriptor comes from the device and is not trusted: parsing
// stops at the first malformed item and counts only what came before it.
int featureReportLength(std::span<const std::uint8_t> descriptor, std::uint8_t reportId);

}  // namespace orva
