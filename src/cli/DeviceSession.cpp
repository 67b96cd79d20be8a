#include "cli/DeviceSession.h"

#include <iostream>

#include "core/device/Discovery.h"
#include "platform/hid/OpenFailure.h"

namespace orva::cli {

std::unique_ptr<DeviceSession> DeviceSession::create(const CliOptions& options, std::ostream& err,
                                                     int& exitCode) {
  std::string error;
  auto backend = DeviceBackend::create({options.virtualFile, options.virtualFaults, options.trace}, error);
  if (!backend) {
    err << "orvactl: " << error << "\n";
    exitCode = kExitUsage;
    return nullptr;
  }
  return std::unique_ptr<DeviceSession>(new DeviceSession(std::move(backend)));
}

OpenResult DeviceSession::findMouse() {
  std::uint16_t version = kExpectedRelease;
  return device().OpenHidDevice(kMouseCandidate.vendorId, kMouseCandidate.productId, version);
}

void DeviceSession::explainAccessDenied(std::ostream& err) {
  const std::string path = backend_->mousePath();
  err << "orvactl: access denied: the mouse is at " << path << " but may not be opened.\n"
      << accessDeniedHint(path) << "\n";
}

bool DeviceSession::openMouse(std::ostream& err) {
  switch (findMouse()) {
    case OpenResult::Opened:
      return true;
    case OpenResult::AccessDenied:
      explainAccessDenied(err);
      return false;
    case OpenResult::NotFound:
      break;
  }
  err << "orvactl: no device: no mouse is connected (looked for " << std::hex << kMouseCandidate.vendorId << ":"
      << kMouseCandidate.productId << std::dec << ")\n";
  return false;
}

bool DeviceSession::finish(std::ostream& err) {
  std::string error;
  if (backend_->keepVirtualMemory(error)) return true;
  err << "orvactl: " << error << "\n";
  return false;
}

}  // namespace orva::cli
