#pragma once
// What one orvactl command talks through (DeviceBackend), and the messages
// that explain a mouse that cannot be opened.

#include <iosfwd>
#include <memory>

#include "cli/Options.h"
#include "platform/link/DeviceBackend.h"

namespace orva::cli {

enum ExitCode { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

class DeviceSession {
 public:
  // Null with a message on `err` and `exitCode` set when the options name a
  // bad fault list or an unusable memory file.
  static std::unique_ptr<DeviceSession> create(const CliOptions& options, std::ostream& err,
                                               int& exitCode);

  Transport& transport() { return backend_->transport(); }
  HidDevice& device() { return backend_->device(); }
  bool isVirtual() const { return backend_->isVirtual(); }

  // Opens the mouse; on failure says why on `err` (no device, or access
  // denied and how to grant it) and returns false.
  bool openMouse(std::ostream& err);
  // Opens the mouse without saying anything.
  OpenResult findMouse();
  void explainAccessDenied(std::ostream& err);
  // Keeps the virtual mouse's memory; false with a message when that fails.
  bool finish(std::ostream& err);

 private:
  explicit DeviceSession(std::unique_ptr<DeviceBackend> backend) : backend_(std::move(backend)) {}

  std::unique_ptr<DeviceBackend> backend_;
};

}  // namespace orva::cli
