#pragma once
// What the programs talk to the mouse through: the hidapi transport or the
// virtual mouse (its memory kept in a file), optionally traced, with the HID
// device on top. orvactl and orva-config choose it from the same options.

#include <memory>
#include <optional>
#include <string>

#include "core/device/Clock.h"
#include "core/device/HidDevice.h"
#include "core/device/TracingTransport.h"
#include "platform/virtual/VirtualMouse.h"

namespace orva {

struct DeviceBackendOptions {
  std::optional<std::string> virtualFile;    // the virtual mouse's memory file
  std::optional<std::string> virtualFaults;  // comma list of faults
  bool trace = false;                        // every report through `traceSink`
};

class DeviceBackend {
 public:
  // Null with `error` set when the fault list or the memory file is unusable.
  // Without a sink, traced reports go to stderr, one line each.
  static std::unique_ptr<DeviceBackend> create(const DeviceBackendOptions& options, std::string& error,
                                               TraceSink traceSink = {});
  // Over a transport of the caller's (a virtual bus of a test), untraced.
  static std::unique_ptr<DeviceBackend> over(std::unique_ptr<Transport> transport);
  ~DeviceBackend();

  Transport& transport() { return *transport_; }
  HidDevice& device() { return *device_; }
  Clock& clock() { return clock_; }
  bool isVirtual() const { return virtualMouse_ != nullptr; }
  // The path of the mouse's interface when one is listed (the last match,
  // as opening takes it), else empty.
  std::string mousePath();

  // Writes the virtual mouse's memory to its file when it changed since it
  // was loaded or last kept, or when the file did not exist yet; true when
  // there was nothing to keep.
  bool keepVirtualMemory(std::string& error);

 private:
  DeviceBackend() = default;

  std::unique_ptr<Transport> base_;
  std::unique_ptr<TracingTransport> tracing_;
  Transport* transport_ = nullptr;
  SteadyClock clock_;
  std::unique_ptr<HidDevice> device_;
  std::shared_ptr<VirtualMouse> virtualMouse_;
  std::optional<std::string> memoryFile_;
  VirtualMouse::Memory keptMemory_{};
  bool fileMissing_ = false;
};

}  // namespace orva
