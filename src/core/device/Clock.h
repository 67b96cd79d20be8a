#pragma once
// The protocol's waits go through a clock so that tests can record them
// without waiting.

#include <chrono>
#include <thread>

namespace orva {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void sleepMs(int milliseconds) = 0;
};

class SteadyClock final : public Clock {
 public:
  void sleepMs(int milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

}  // namespace orva
