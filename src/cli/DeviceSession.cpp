#include "cli/DeviceSession.h"

#include <iostream>

#include "core/device/Discovery.h"
#include "platform/hid/HidapiTransport.h"
#include "platform/hid/OpenFailure.h"
#include "platform/virtual/VirtualFaults.h"
#include "platform/virtual/VirtualMemoryFile.h"

namespace orva::cli {

std::unique_ptr<DeviceSession> DeviceSession::create(const CliOptions& options, std::ostream& err,
                                                     int& exitCode) {
  std::unique_ptr<DeviceSession> s(new DeviceSession());
  if (options.virtualFile) {
    std::string error;
    VirtualFaults faults;
    if (options.virtualFaults) {
      const auto parsed = parseVirtualFaults(*options.virtualFaults, error);
      if (!parsed) {
        err << "orvactl: " << error << "\n";
        exitCode = kExitUsage;
        return nullptr;
      }
      faults = *parsed;
    }
    const auto memory = loadVirtualMemory(*options.virtualFile, error);
    if (!memory) {
      err << "orvactl: " << error << "\n";
      exitCode = kExitUsage;
      return nullptr;
    }
    s->virtualMouse_ = std::make_shared<VirtualMouse>(*memory);
    s->virtualMouse_->setFaults(faults);
    auto bus = std::make_unique<VirtualHidBus>();
    bus->plug(VirtualHidBus::mouseInterface("virtual:" + *options.virtualFile), s->virtualMouse_);
    s->base_ = std::move(bus);
    s->memoryFile_ = options.virtualFile;
  } else {
    s->base_ = std::make_unique<HidapiTransport>();
  }
  s->transport_ = s->base_.get();
  if (options.trace) {
    s->tracing_ = std::make_unique<TracingTransport>(
        *s->base_, [](TraceDirection d, const FeatureReport& r) { std::cerr << formatTraceLine(d, r) << "\n"; });
    s->transport_ = s->tracing_.get();
  }
  s->device_ = std::make_unique<HidDevice>(*s->transport_, s->clock_);
  return s;
}

DeviceSession::~DeviceSession() = default;

OpenResult DeviceSession::findMouse() {
  std::uint16_t version = kExpectedRelease;
  return device_->OpenHidDevice(kMouseCandidate.vendorId, kMouseCandidate.productId, version);
}

void DeviceSession::explainAccessDenied(std::ostream& err) {
  std::string path;
  for (const HidInterfaceInfo& info : transport_->enumerate()) {
    if (info.vendorId == kMouseCandidate.vendorId && info.productId == kMouseCandidate.productId) path = info.path;
  }
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
  if (!virtualMouse_ || !memoryFile_) return true;
  std::string error;
  if (saveVirtualMemory(*memoryFile_, virtualMouse_->memory(), error)) return true;
  err << "orvactl: " << error << "\n";
  return false;
}

}  // namespace orva::cli
