#pragma once
// The seam between the mouse protocol and whatever carries feature reports:
// hidapi for a real mouse, the virtual mouse for tests and demos.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orva {

// Feature reports of the mouse carry report ID 4 and are 8 bytes long,
// the ID byte included.
inline constexpr std::uint8_t kReportId = 4;
inline constexpr int kFeatureReportLength = 8;

// An 8-byte feature report. Index 0 is the report ID and belongs to the
// transport: connections stamp it on every set and get. Protocol code fills
// and reads indexes 1..7 only.
using FeatureReport = std::array<std::uint8_t, kFeatureReportLength>;

struct HidInterfaceInfo {
  std::string path;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t release = 0;
  // Length in bytes of feature report 4 (ID byte included); 0 when the
  // interface has no such report or its descriptor could not be read.
  int featureReportLength = 0;
};

// An open interface. Closing happens on destruction.
class HidConnection {
 public:
  virtual ~HidConnection() = default;
  // Both return false when the operating system call failed (for example
  // because the device went away).
  virtual bool setFeature(const FeatureReport& report) = 0;
  virtual bool getFeature(FeatureReport& report) = 0;
};

enum class OpenError {
  None,
  NotFound,      // no interface with that path (any more)
  AccessDenied,  // present, but the user may not open it
  Failed,        // present, but opening failed for another reason
};

class Transport {
 public:
  virtual ~Transport() = default;
  // Every HID interface present, in enumeration order.
  virtual std::vector<HidInterfaceInfo> enumerate() = 0;
  // Number of HID interfaces present; the presence poll calls this often,
  // so implementations keep it cheap.
  virtual int countInterfaces() = 0;
  // Opens the interface at `path`; on failure returns null and sets `error`.
  virtual std::unique_ptr<HidConnection> open(const std::string& path, OpenError& error) = 0;
};

}  // namespace orva
