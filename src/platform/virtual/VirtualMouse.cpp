#include "platform/virtual/VirtualMouse.h"

#include <algorithm>

namespace orva {

namespace {

FeatureReport answerWith(std::uint8_t ack) {
  FeatureReport r{};
  r[0] = kReportId;
  r[7] = ack;
  return r;
}

}  // namespace

VirtualMouse::VirtualMouse(const Memory& memory) : memory_(memory) { last_[0] = kReportId; }

bool VirtualMouse::receive(const FeatureReport& request) {
  if (faults_.unplugAfter && exchanges_ >= *faults_.unplugAfter) unplugged_ = true;
  if (unplugged_) return false;
  ++exchanges_;
  pending_ = request;
  busyPolls_ = 0;
  return true;
}

bool VirtualMouse::answer(FeatureReport& response) {
  if (unplugged()) return false;
  if (!pending_) {
    response = last_;
    return true;
  }
  ++polls_;
  if (faults_.noAck || busyPolls_ < ackAfterPolls_) {
    ++busyPolls_;
    response = answerWith(0);
    return true;
  }
  if (faults_.nackEvery && polls_ % *faults_.nackEvery == 0) {
    // Garbled: the request is dropped and the host must send it again.
    last_ = answerWith(kRefused);
  } else {
    last_ = execute(*pending_);
  }
  pending_.reset();
  response = last_;
  return true;
}

FeatureReport VirtualMouse::execute(const FeatureReport& request) {
  FeatureReport r = answerWith(kAckDone);
  switch (static_cast<Command>(request[1])) {
    case Command::Begin:
      r[1] = kBeginAnswer;
      return r;
    case Command::End:
      readBlock_.reset();
      writeBlock_.reset();
      return r;
    case Command::SystemReload:
      return r;
    case Command::Status:
      return status(request);
    case Command::ReadBlock:
      return openBlock(readBlock_, request) ? r : answerWith(kRefused);
    case Command::WriteBlock:
      return openBlock(writeBlock_, request) ? r : answerWith(kRefused);
    case Command::ReadData: {
      if (!readBlock_ || readBlock_->next >= readBlock_->end) return answerWith(kRefused);
      // A short last chunk is padded with zeros after the block's end.
      for (int i = 0; i < 6; ++i) {
        const int a = readBlock_->next + i;
        r[1 + i] = a < readBlock_->end ? memory_[a] : 0;
      }
      readBlock_->next += 6;
      return r;
    }
    case Command::WriteData: {
      if (!writeBlock_ || writeBlock_->next >= writeBlock_->end) return answerWith(kRefused);
      for (int i = 0; i < 6; ++i) {
        const int a = writeBlock_->next + i;
        if (a >= writeBlock_->end) break;
        if (std::ranges::find(faults_.stuck, a) == faults_.stuck.end()) memory_[a] = request[2 + i];
      }
      writeBlock_->next += 6;
      return r;
    }
    case Command::DriverConfig:
      std::copy_n(request.begin() + 2, 4, driverConfig_.begin());
      return r;
    case Command::DriverId:
      r[1] = static_cast<std::uint8_t>(kDefaultDriverId >> 8);
      r[2] = static_cast<std::uint8_t>(kDefaultDriverId & 0xFF);
      return r;
  }
  return answerWith(kRefused);
}

FeatureReport VirtualMouse::status(const FeatureReport& request) {
  FeatureReport r = answerWith(kAckDone);
  const bool access = !faults_.noAccess;
  if (request[2] == kDriverModeKey) {
    // The driver-mode handshake: D9 enters the mode, 0 leaves it. The answer
    // tells that the mode is supported and which kind of LED the mouse has.
    if (request[3] == kDriverModeEnter) driverMode_ = true;
    if (request[3] == 0) driverMode_ = false;
    r[1] = faults_.status.value_or(kStatusReady);
    r[2] = static_cast<std::uint8_t>(kStatusDriverMode | (access ? kStatusParamAccess : 0));
    r[3] = ledClass();
    return r;
  }
  r[1] = faults_.status.value_or(kStatusReady);
  r[2] = static_cast<std::uint8_t>((access ? kStatusParamAccess : 0) | (driverMode_ ? kStatusDriverMode : 0));
  r[3] = faults_.chip.value_or(kDefaultChipCode);
  r[5] = static_cast<std::uint8_t>(buttons_ & 0xFF);
  r[6] = static_cast<std::uint8_t>(buttons_ >> 8);
  return r;
}

bool VirtualMouse::openBlock(std::optional<Block>& block, const FeatureReport& request) const {
  const int address = request[2] | (request[3] << 8);
  const int length = request[4] | (request[5] << 8);
  block.reset();
  if (faults_.noAccess || address + length > kImageSize) return false;
  block = Block{address, address + length};
  return true;
}

// LED kind as the driver handshake reports it: 192.. MCU LED, 128.. two-colour
// LED, 64.. breathing LED, 0.. synchronised LED; taken from the LED-type bits
// of the first two memory bytes.
std::uint8_t VirtualMouse::ledClass() const {
  if (!(memory_[0] & 0x80)) return 192;
  if (memory_[1] & 0x08) return 128;
  if (memory_[1] & 0x10) return 64;
  return 0;
}

}  // namespace orva
