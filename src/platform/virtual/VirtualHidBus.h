#pragma once
// A HID bus of virtual interfaces: the virtual mouse and whatever other
// interfaces a test plugs in (unrelated devices, a second mouse, one with the
// wrong feature length). It is the transport of --virtual runs and of tests.

#include <memory>
#include <string>
#include <vector>

#include "core/device/Transport.h"
#include "platform/virtual/VirtualMouse.h"

namespace orva {

class VirtualHidBus final : public Transport {
 public:
  // The interface of the mouse: its IDs, release and 8-byte feature report.
  static HidInterfaceInfo mouseInterface(std::string path = "virtual:mouse");

  // `firmware` null: an unrelated device that takes no feature reports.
  // `denyAccess`: listed, but opening it is refused as for a missing permission.
  void plug(const HidInterfaceInfo& info, std::shared_ptr<VirtualMouse> firmware = nullptr,
            bool denyAccess = false);
  void unplug(const std::string& path);
  // Connections currently open on `path`, so tests can see handles closed.
  int openConnections(const std::string& path) const;

  std::vector<HidInterfaceInfo> enumerate() override;
  int countInterfaces() override;
  std::unique_ptr<HidConnection> open(const std::string& path, OpenError& error) override;

 private:
  struct Entry {
    HidInterfaceInfo info;
    std::shared_ptr<VirtualMouse> firmware;
    bool denyAccess = false;
    bool plugged = true;
    int connections = 0;
  };
  class Connection;
  void dropUnplugged();

  std::vector<std::shared_ptr<Entry>> entries_;
};

}  // namespace orva
