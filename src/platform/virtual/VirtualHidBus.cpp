#include "platform/virtual/VirtualHidBus.h"

#include <algorithm>

namespace orva {

// An open virtual interface. It fails like a real handle once its device is
// unplugged.
class VirtualHidBus::Connection final : public HidConnection {
 public:
  explicit Connection(std::shared_ptr<Entry> entry) : entry_(std::move(entry)) { ++entry_->connections; }
  ~Connection() override { --entry_->connections; }

  bool setFeature(const FeatureReport& report) override {
    if (!entry_->plugged || !entry_->firmware) return false;
    FeatureReport stamped = report;
    stamped[0] = kReportId;
    return entry_->firmware->receive(stamped);
  }

  bool getFeature(FeatureReport& report) override {
    if (!entry_->plugged || !entry_->firmware) return false;
    if (!entry_->firmware->answer(report)) return false;
    report[0] = kReportId;
    return true;
  }

 private:
  std::shared_ptr<Entry> entry_;
};

HidInterfaceInfo VirtualHidBus::mouseInterface(std::string path) {
  return HidInterfaceInfo{std::move(path), 0x1BCF, 0x08A0, 0x0104, kFeatureReportLength};
}

void VirtualHidBus::plug(const HidInterfaceInfo& info, std::shared_ptr<VirtualMouse> firmware,
                         bool denyAccess) {
  entries_.push_back(std::make_shared<Entry>(Entry{info, std::move(firmware), denyAccess, true}));
}

void VirtualHidBus::unplug(const std::string& path) {
  for (auto& e : entries_) {
    if (e->info.path == path) e->plugged = false;
  }
  dropUnplugged();
}

int VirtualHidBus::openConnections(const std::string& path) const {
  int n = 0;
  for (const auto& e : entries_) {
    if (e->info.path == path) n += e->connections;
  }
  return n;
}

void VirtualHidBus::dropUnplugged() {
  for (auto& e : entries_) {
    if (e->firmware && e->firmware->unplugged()) e->plugged = false;
  }
  std::erase_if(entries_, [](const auto& e) { return !e->plugged; });
}

std::vector<HidInterfaceInfo> VirtualHidBus::enumerate() {
  dropUnplugged();
  std::vector<HidInterfaceInfo> list;
  for (const auto& e : entries_) list.push_back(e->info);
  return list;
}

int VirtualHidBus::countInterfaces() {
  dropUnplugged();
  return static_cast<int>(entries_.size());
}

std::unique_ptr<HidConnection> VirtualHidBus::open(const std::string& path, OpenError& error) {
  dropUnplugged();
  const auto it = std::ranges::find_if(entries_, [&](const auto& e) { return e->info.path == path; });
  if (it == entries_.end()) {
    error = OpenError::NotFound;
    return nullptr;
  }
  if ((*it)->denyAccess) {
    error = OpenError::AccessDenied;
    return nullptr;
  }
  error = OpenError::None;
  return std::make_unique<Connection>(*it);
}

}  // namespace orva
