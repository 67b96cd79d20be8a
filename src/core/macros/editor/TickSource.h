#pragma once
// The recorder measures the pauses between events with a millisecond tick
// counter; tests give it a fake one.

#include <chrono>
#include <cstdint>

namespace orva {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual std::uint64_t nowMs() const = 0;
};

class SteadyTickSource final : public TickSource {
 public:
  std::uint64_t nowMs() const override {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
};

}  // namespace orva
