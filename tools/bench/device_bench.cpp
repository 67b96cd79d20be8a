// Measures, with the real clock:
//  - a full 2048-byte read, an apply and a whole-image write with
//    verification on the virtual mouse, each against the sum of the waits
//    the protocol prescribes for it;
//  - one presence-poll tick over hidapi on this machine.
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "core/device/Discovery.h"
#include "core/device/HidDevice.h"
#include "core/params/ParameterCycles.h"
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

// Times `cycle` on a fresh virtual mouse, `runs` times.
void timeCycle(const char* name, int runs, const std::function<bool(HidDevice&, ParameterCycles&)>& cycle) {
  for (int run = 0; run < runs; ++run) {
    VirtualHidBus bus;
    bus.plug(VirtualHidBus::mouseInterface(), std::make_shared<VirtualMouse>(freshVirtualMemory()));
    CountingClock clock;
    HidDevice device(bus, clock);
    std::uint16_t version = kExpectedRelease;
    device.OpenHidDevice(0x1BCF, 0x08A0, version);
    ParameterCycles cycles;
    cycles.InitNoDevice();
    cycles.DataBuf[1000] ^= 1;  // something for the whole-image write to change
    const auto start = std::chrono::steady_clock::now();
    const bool ok = cycle(device, cycles);
    const double wall = Seconds(std::chrono::steady_clock::now() - start).count();
    std::printf("%s %d: %s, wall %.3f s, prescribed waits %.3f s, ratio %.4f\n", name, run + 1,
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
  timeCycle("full read", 3, [](HidDevice& d, ParameterCycles& c) {
    return d.SendCommand(Command::Begin) && d.SendCommand(Command::Status) && c.readCycle(d, true).ok;
  });
  timeCycle("apply", 3, [](HidDevice& d, ParameterCycles& c) {
    return c.DownloadParameter(d) == ApplyOutcome::Written;
  });
  timeCycle("whole-image write", 3, [](HidDevice& d, ParameterCycles& c) {
    return c.MemoToDataBuf_OnClick(d).outcome == WriteOutcome::Verified;
  });
  pollTick(200);
  return 0;
}
