#include "platform/link/DeviceBackend.h"

#include <filesystem>
#include <iostream>

#include "core/device/Discovery.h"
#include "platform/hid/HidapiTransport.h"
#include "platform/virtual/VirtualFaults.h"
#include "platform/virtual/VirtualHidBus.h"
#include "platform/virtual/VirtualMemoryFile.h"

namespace orva {

std::unique_ptr<DeviceBackend> DeviceBackend::create(const DeviceBackendOptions& options, std::string& error,
                                                     TraceSink traceSink) {
  std::unique_ptr<DeviceBackend> b(new DeviceBackend());
  if (options.virtualFile) {
    VirtualFaults faults;
    if (options.virtualFaults) {
      const auto parsed = parseVirtualFaults(*options.virtualFaults, error);
      if (!parsed) return nullptr;
      faults = *parsed;
    }
    const auto memory = loadVirtualMemory(*options.virtualFile, error);
    if (!memory) return nullptr;
    b->virtualMouse_ = std::make_shared<VirtualMouse>(*memory);
    b->virtualMouse_->setFaults(faults);
    b->keptMemory_ = *memory;
    b->fileMissing_ = !std::filesystem::exists(*options.virtualFile);
    auto bus = std::make_unique<VirtualHidBus>();
    bus->plug(VirtualHidBus::mouseInterface("virtual:" + *options.virtualFile), b->virtualMouse_);
    b->base_ = std::move(bus);
    b->memoryFile_ = options.virtualFile;
  } else {
    b->base_ = std::make_unique<HidapiTransport>();
  }
  b->transport_ = b->base_.get();
  if (options.trace) {
    if (!traceSink) {
      traceSink = [](TraceDirection d, const FeatureReport& r) { std::cerr << formatTraceLine(d, r) << "\n"; };
    }
    b->tracing_ = std::make_unique<TracingTransport>(*b->base_, std::move(traceSink));
    b->transport_ = b->tracing_.get();
  }
  b->device_ = std::make_unique<HidDevice>(*b->transport_, b->clock_);
  return b;
}

std::unique_ptr<DeviceBackend> DeviceBackend::over(std::unique_ptr<Transport> transport) {
  std::unique_ptr<DeviceBackend> b(new DeviceBackend());
  b->base_ = std::move(transport);
  b->transport_ = b->base_.get();
  b->device_ = std::make_unique<HidDevice>(*b->transport_, b->clock_);
  return b;
}

DeviceBackend::~DeviceBackend() = default;

std::string DeviceBackend::mousePath() {
  std::string path;
  for (const HidInterfaceInfo& info : transport_->enumerate()) {
    if (info.vendorId == kMouseCandidate.vendorId && info.productId == kMouseCandidate.productId) path = info.path;
  }
  return path;
}

bool DeviceBackend::keepVirtualMemory(std::string& error) {
  if (!virtualMouse_ || !memoryFile_) return true;
  if (!fileMissing_ && virtualMouse_->memory() == keptMemory_) return true;
  if (!saveVirtualMemory(*memoryFile_, virtualMouse_->memory(), error)) return false;
  keptMemory_ = virtualMouse_->memory();
  fileMissing_ = false;
  return true;
}

}  // namespace orva
