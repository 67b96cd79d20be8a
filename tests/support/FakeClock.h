#pragma once
// A clock that records every sleep and returns at once.

#include <numeric>
#include <vector>

#include "core/device/Clock.h"

namespace orva::test {

class FakeClock final : public Clock {
 public:
  void sleepMs(int milliseconds) override { sleeps.push_back(milliseconds); }
  int total() const { return std::accumulate(sleeps.begin(), sleeps.end(), 0); }
  std::vector<int> sleeps;
};

}  // namespace orva::test
