// Measures, with the real clock:
//  - a full 2048-byte read of the virtual mouse against the sum of the waits
//    the protocol prescribes for it;
//  - one presence-poll tick over hidapi on this machine.
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/device/Discovery.h"
#include "core/device/HidDevice.h"
#include "platform/hid/HidapiTransport.h"
#include "platform/virtual/VirtualHidBus.h"
#include "platform/virtual/VirtualMemoryFile.h"

namespace {

using namespace orva;
using Seconds = std::chrono::duration<double>;

// Sleeps for real and adds up what was asked for.
class CountingClock final : public Clock {
 public:
  void sleepMs(int ms) override {
    requestedMs += ms;
    real.sleepMs(ms);
  }
  long requestedMs = 0;

 private:
  SteadyClock real;
};

void fullRead(int runs) {
  for (int run = 0; run < runs; ++run) {
    VirtualHidBus bus;
    bus.plug(VirtualHidBus::mouseInterface(), std::make_shared<VirtualMouse>(freshVirtualMemory()));
    CountingClock clock;
    HidDevice device(bus, clock);
    std::uint16_t version = kExpectedRelease;
    device.OpenHidDevice(0x1BCF, 0x08A0, version);
    std::vector<std::uint8_t> image(kImageSize);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = device.ReadBlock(0, kImageSize, image);
    const double wall = Seconds(std::chrono::steady_clock::now() - start).count();
    std::printf("full read %d: %s, wall %.3f s, prescribed waits %.3f s, ratio %.4f\n", run + 1,
                ok ? "ok" : "FAILED", wall, clock.requestedMs / 1000.0, wall / (clock.requestedMs / 1000.0));
  }
}

void pollTick(int ticks) {
  HidapiTransport transport;
  SteadyClock clock;
  HidDevice device(transport, clock);
  PresencePoll poll(device, clock, AcceptedIdentities{255, 255, 0, 0});
  poll.tick();  // the first tick may search for the mouse; the steady state follows
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < ticks; ++i) poll.tick();
  const double each = Seconds(std::chrono::steady_clock::now() - start).count() / ticks;
  std::printf("presence-poll tick over hidapi: %.1f us (%d interfaces, mean of %d ticks)\n", each * 1e6,
              poll.LastHidCount(), ticks);
}

}  // namespace

int main() {
  fullRead(3);
  pollTick(200);
  return 0;
}
