#include "platform/hid/HidapiTransport.h"

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/hid/OpenFailure.h"

namespace orva {
namespace {

void refuseUnderTest(const std::string& action) {
  if (std::getenv(kNoHardwareEnv) == nullptr) return;
  std::fprintf(stderr, "orva: %s is set: refusing to %s; tests must never reach real HID devices\n",
               kNoHardwareEnv, action.c_str());
  std::abort();
}

class HidapiConnection final : public HidConnection {
 public:
  explicit HidapiConnection(hid_device* device) : device_(device) {}
  ~HidapiConnection() override { hid_close(device_); }
  HidapiConnection(const HidapiConnection&) = delete;
  HidapiConnection& operator=(const HidapiConnection&) = delete;

  bool setFeature(const FeatureReport& report) override {
    FeatureReport out = report;
    out[0] = kReportId;
    return hid_send_feature_report(device_, out.data(), out.size()) == kFeatureReportLength;
  }

  // The caller's report changes only when a whole report arrived.
  bool getFeature(FeatureReport& report) override {
    FeatureReport in{};
    in[0] = kReportId;
    if (hid_get_feature_report(device_, in.data(), in.size()) != kFeatureReportLength) return false;
    report = in;
    return true;
  }

 private:
  HidapiLibrary library_;  // declared first: outlives hid_close in the destructor
  hid_device* device_;
};

}  // namespace

HidapiTransport::HidapiTransport(std::string sysfsRoot) : sysfsRoot_(std::move(sysfsRoot)) {}

std::vector<HidInterfaceInfo> HidapiTransport::enumerate() {
  refuseUnderTest("enumerate the HID devices");
  std::vector<HidInterfaceInfo> found;
  if (!library_.ok()) return found;

  hid_device_info* list = hid_enumerate(0, 0);
  for (const hid_device_info* device = list; device != nullptr; device = device->next) {
    if (device->path == nullptr) continue;
    const std::string path = device->path;
    // hidraw lists a node once per top-level collection; an interface is a node.
    const auto samePath = [&](const HidInterfaceInfo& info) { return info.path == path; };
    const bool listed = std::any_of(found.begin(), found.end(), samePath);
    if (listed) continue;
    found.push_back({path, device->vendor_id, device->product_id, device->release_number,
                     featureLengthFromSysfs(path, sysfsRoot_, kReportId)});
  }
  hid_free_enumeration(list);
  return found;
}

int HidapiTransport::countInterfaces() { return countSysfsNodes(sysfsRoot_); }

std::unique_ptr<HidConnection> HidapiTransport::open(const std::string& path, OpenError& error) {
  refuseUnderTest("open " + path);
  if (!library_.ok()) {
    error = OpenError::Failed;
    return nullptr;
  }
  errno = 0;
  hid_device* device = hid_open_path(path.c_str());
  if (device == nullptr) {
    error = classifyOpenFailure(path, errno);
    return nullptr;
  }
  error = OpenError::None;
  return std::make_unique<HidapiConnection>(device);
}

}  // namespace orva
