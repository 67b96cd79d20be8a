#pragma once
// The real mouse: HID interfaces through hidapi's hidraw backend. Feature
// lengths come from the report descriptors under sysfs.

#include <memory>
#include <string>
#include <vector>

#include "core/device/Transport.h"
#include "platform/hid/HidapiLibrary.h"
#include "platform/hid/SysfsHidraw.h"

namespace orva {

// When set, enumerate() and open() abort with a message instead of touching
// the machine's devices; the test suite sets it for every test.
inline constexpr const char* kNoHardwareEnv = "ORVA_TEST_NO_HARDWARE";

class HidapiTransport final : public Transport {
 public:
  explicit HidapiTransport(std::string sysfsRoot = kDefaultSysfsRoot);

  std::vector<HidInterfaceInfo> enumerate() override;
  // Counts the hidraw nodes in sysfs: one directory read, no device opened.
  int countInterfaces() override;
  std::unique_ptr<HidConnection> open(const std::string& path, OpenError& error) override;

 private:
  HidapiLibrary library_;
  std::string sysfsRoot_;
};

}  // namespace orva
