#pragma once
// What one orvactl command talks through: the hidapi transport or the
// virtual mouse, optionally traced, and the HID device on top.

#include <iosfwd>
#include <memory>
#include <optional>

#include "cli/Options.h"
#include "core/device/Clock.h"
#include "core/device/HidDevice.h"
#include "core/device/TracingTransport.h"
#include "platform/virtual/VirtualHidBus.h"

namespace orva::cli {

enum ExitCode { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

class DeviceSession {
 public:
  // Null with a message on `err` and `exitCode` set when the options name a
  // bad fault list or an unusable memory file.
  static std::unique_ptr<DeviceSession> create(const CliOptions& options, std::ostream& err,
                                               int& exitCode);
  ~DeviceSession();

  Transport& transport() { return *transport_; }
  HidDevice& device() { return *device_; }
  bool isVirtual() const { return virtualMouse_ != nullptr; }

  // Opens the mouse; on failure says why on `err` (no device, or access
  // denied and how to grant it) and returns false.
  bool openMouse(std::ostream& err);
  // Opens the mouse without saying anything.
  OpenResult findMouse();
  void explainAccessDenied(std::ostream& err);
  // Keeps the virtual mouse's memory; false with a message when that fails.
  bool finish(std::ostream& err);

 private:
  DeviceSession() = default;

  std::unique_ptr<Transport> base_;
  std::unique_ptr<TracingTransport> tracing_;
  Transport* transport_ = nullptr;
  SteadyClock clock_;
  std::unique_ptr<HidDevice> device_;
  std::shared_ptr<VirtualMouse> virtualMouse_;
  std::optional<std::string> memoryFile_;
};

}  // namespace orva::cli
