#pragma once
// A virtual mouse on a virtual bus, traced, with a fake clock and a device on
// top: what the integration tests drive.

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "core/device/HidDevice.h"
#include "core/device/TracingTransport.h"
#include "platform/virtual/VirtualHidBus.h"
#include "platform/virtual/VirtualMouse.h"
#include "support/FakeClock.h"

namespace orva::test {

// A memory whose every byte tells its address, so misplaced bytes show.
inline VirtualMouse::Memory patternedMemory() {
  VirtualMouse::Memory m;
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return m;
}

struct WireEntry {
  TraceDirection direction;
  FeatureReport report;
};

struct VirtualRig {
  explicit VirtualRig(const VirtualMouse::Memory& memory = patternedMemory())
      : mouse(std::make_shared<VirtualMouse>(memory)),
        traced(bus, [this](TraceDirection d, const FeatureReport& r) { wire.push_back({d, r}); }),
        device(traced, clock) {
    bus.plug(VirtualHidBus::mouseInterface(), mouse);
  }

  bool open() {
    std::uint16_t version = kExpectedRelease;
    return device.OpenHidDevice(0x1BCF, 0x08A0, version) == OpenResult::Opened;
  }

  std::vector<std::string> sentLines() const {
    std::vector<std::string> lines;
    for (const auto& w : wire) {
      if (w.direction == TraceDirection::Sent) lines.push_back(formatTraceLine(w.direction, w.report));
    }
    return lines;
  }

  int sentWithCode(Command code) const {
    return static_cast<int>(std::ranges::count_if(wire, [&](const WireEntry& w) {
      return w.direction == TraceDirection::Sent && w.report[1] == static_cast<std::uint8_t>(code);
    }));
  }

  std::vector<std::uint8_t> sentCodes() const {
    std::vector<std::uint8_t> codes;
    for (const auto& w : wire) {
      if (w.direction == TraceDirection::Sent) codes.push_back(w.report[1]);
    }
    return codes;
  }

  VirtualHidBus bus;
  std::shared_ptr<VirtualMouse> mouse;
  std::vector<WireEntry> wire;
  TracingTransport traced;
  FakeClock clock;
  HidDevice device;
};

}  // namespace orva::test
