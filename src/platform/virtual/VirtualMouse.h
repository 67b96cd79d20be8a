#pragma once
// The firmware side of the mouse, simulated over a 2048-byte parameter
// memory: every command the program sends, acknowledged after a chosen number
// of polls, with faults on request. It sits behind VirtualHidBus.

#include <array>
#include <cstdint>
#include <optional>

#include "core/device/Commands.h"
#include "core/device/Transport.h"
#include "platform/virtual/VirtualFaults.h"

namespace orva {

class VirtualMouse {
 public:
  using Memory = std::array<std::uint8_t, kImageSize>;

  // Answer byte 7 for a command the firmware refuses (unknown code, a chunk
  // without a block, a block outside the memory or without access).
  static constexpr std::uint8_t kRefused = 0xEE;
  static constexpr std::uint8_t kDefaultChipCode = 53;
  static constexpr std::uint16_t kDefaultDriverId = 0x08A0;

  explicit VirtualMouse(const Memory& memory);

  void setFaults(const VirtualFaults& faults) { faults_ = faults; }
  // Polls answered "not finished yet" (byte 7 = 0) before the answer.
  void setAckAfterPolls(int polls) { ackAfterPolls_ = polls; }
  // Buttons held down, as the status word reports them.
  void setButtons(std::uint16_t statusWord) { buttons_ = statusWord; }

  // Set-feature: a request arrives. False once the mouse is unplugged.
  bool receive(const FeatureReport& request);
  // Get-feature: the current answer. False once the mouse is unplugged.
  bool answer(FeatureReport& response);
  // Gone from the bus: after the exchanges allowed by "unplug-after".
  bool unplugged() const {
    return unplugged_ || (faults_.unplugAfter && exchanges_ >= *faults_.unplugAfter && !pending_);
  }

  const Memory& memory() const { return memory_; }
  bool driverMode() const { return driverMode_; }
  // The four bytes of the last DriverConfigCmd, in argument order.
  const std::array<std::uint8_t, 4>& driverConfig() const { return driverConfig_; }

 private:
  struct Block {
    int next = 0;
    int end = 0;
  };
  FeatureReport execute(const FeatureReport& request);
  FeatureReport status(const FeatureReport& request);
  bool openBlock(std::optional<Block>& block, const FeatureReport& request) const;
  std::uint8_t ledClass() const;

  Memory memory_;
  VirtualFaults faults_;
  int ackAfterPolls_ = 0;
  std::uint16_t buttons_ = 0;

  std::optional<FeatureReport> pending_;  // request not yet answered
  FeatureReport last_{};                  // answer repeated to further polls
  int busyPolls_ = 0;                     // polls answered "not finished" for pending_
  long polls_ = 0;                        // every poll that found a request, for nack-every
  int exchanges_ = 0;
  bool unplugged_ = false;

  std::optional<Block> readBlock_;
  std::optional<Block> writeBlock_;
  bool driverMode_ = false;
  std::array<std::uint8_t, 4> driverConfig_{};
};

}  // namespace orva
