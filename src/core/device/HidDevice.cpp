#include "core/device/HidDevice.h"

#include <algorithm>

namespace orva {

namespace {

// Sleeps, poll counts and attempt counts of each exchange, in milliseconds.
// A poll sleep follows every poll that found byte 7 still 0, except for the
// status word, whose poll sleep comes before every poll.
constexpr int kCommandAfterSet = 10, kCommandPollSleep = 10, kCommandPolls = 5, kCommandAttempts = 5;
constexpr int kReadChunkAfterSet = 5, kReadChunkPollSleep = 5, kChunkPolls = 5, kChunkAttempts = 5;
constexpr int kWriteChunkAfterSet = 10, kWriteChunkPollSleep = 5;
constexpr int kStatusBeforeSet = 5, kStatusPollSleep = 5, kStatusPolls = 10, kStatusAttempts = 10;

std::uint8_t low(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
std::uint8_t high(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }

int chunkCount(std::uint16_t length) { return length / kChunkSize + (length % kChunkSize ? 1 : 0); }

// Bytes of chunk `i` that belong to the block: 6, or the remainder for a short last chunk.
int chunkBytes(int i, int count, std::uint16_t length) {
  const int rest = length % kChunkSize;
  return (i == count - 1 && rest != 0) ? rest : kChunkSize;
}

}  // namespace

HidDevice::HidDevice(Transport& transport, Clock& clock) : transport_(transport), clock_(clock) {}

int HidDevice::CountHidInterfaces() { return transport_.countInterfaces(); }

OpenResult HidDevice::OpenHidDevice(std::uint16_t vendorId, std::uint16_t productId,
                                    std::uint16_t& version) {
  std::unique_ptr<HidConnection> chosen;
  HidInterfaceInfo chosenInfo;
  bool denied = false;
  for (const HidInterfaceInfo& info : transport_.enumerate()) {
    if (info.featureReportLength != kFeatureReportLength || info.vendorId != vendorId ||
        info.productId != productId || info.release != version) {
      continue;
    }
    OpenError error = OpenError::None;
    auto connection = transport_.open(info.path, error);
    if (!connection) {
      denied = denied || error == OpenError::AccessDenied;
      continue;
    }
    // A later match replaces an earlier one, whose handle closes here.
    chosen = std::move(connection);
    chosenInfo = info;
  }
  if (!chosen) return denied ? OpenResult::AccessDenied : OpenResult::NotFound;

  connection_ = std::move(chosen);
  DevVendorID = chosenInfo.vendorId;
  DevProductID = chosenInfo.productId;
  version = chosenInfo.release;
  FeatureLength = kFeatureReportLength;
  return OpenResult::Opened;
}

void HidDevice::release() { connection_.reset(); }

bool HidDevice::exchange(const Timing& t, const std::array<std::uint8_t, 7>& request) {
  if (!connection_) return false;
  for (int attempt = 0; attempt < t.attempts; ++attempt) {
    if (t.sleepBeforeSet) clock_.sleepMs(t.sleepBeforeSet);
    report_[0] = kReportId;
    std::copy(request.begin(), request.end(), report_.begin() + 1);
    // An OS failure means the device is gone or broken: waiting out the
    // polls of this attempt cannot help.
    if (!connection_->setFeature(report_)) continue;
    if (t.sleepAfterSet) clock_.sleepMs(t.sleepAfterSet);
    for (int poll = 0; poll < t.polls; ++poll) {
      if (t.sleepBeforeEveryPoll) clock_.sleepMs(t.pollSleep);
      if (!connection_->getFeature(report_)) {
        report_[7] = 0;
        break;
      }
      if (report_[7] != 0) break;
      if (!t.sleepBeforeEveryPoll) clock_.sleepMs(t.pollSleep);
    }
    if (report_[7] == kAckDone) return true;
  }
  return false;
}

bool HidDevice::SendCommand(Command code, std::uint8_t a1, std::uint8_t a2, std::uint8_t a3,
                            std::uint8_t a4) {
  static constexpr Timing kTiming{0, kCommandAfterSet, kCommandPollSleep, false, kCommandPolls,
                                  kCommandAttempts};
  return exchange(kTiming, {static_cast<std::uint8_t>(code), a1, a2, a3, a4, 0, 0});
}

bool HidDevice::readChunk() {
  static constexpr Timing kTiming{0, kReadChunkAfterSet, kReadChunkPollSleep, false, kChunkPolls,
                                  kChunkAttempts};
  chunkBuf_.fill(0xFF);
  if (!exchange(kTiming, {static_cast<std::uint8_t>(Command::ReadData), 0, 0, 0, 0, 0, 0})) {
    return false;
  }
  std::copy(report_.begin() + 1, report_.end(), chunkBuf_.begin());
  return true;
}

void HidDevice::writeChunk() {
  static constexpr Timing kTiming{0, kWriteChunkAfterSet, kWriteChunkPollSleep, false,
                                  kChunkPolls, kChunkAttempts};
  // A chunk that is never acknowledged goes unnoticed: the block command
  // alone decides the result of a block write.
  exchange(kTiming, {static_cast<std::uint8_t>(Command::WriteData), chunkBuf_[0], chunkBuf_[1],
                     chunkBuf_[2], chunkBuf_[3], chunkBuf_[4], chunkBuf_[5]});
}

std::uint16_t HidDevice::ReadStatusWord() {
  static constexpr Timing kTiming{kStatusBeforeSet, 0, kStatusPollSleep, true, kStatusPolls,
                                  kStatusAttempts};
  if (!exchange(kTiming, {static_cast<std::uint8_t>(Command::Status), 0, 0, 0, 0, 0, 0})) return 0;
  return static_cast<std::uint16_t>(report_[5] + 256 * report_[6]);
}

bool HidDevice::readBlock(std::uint16_t address, std::uint16_t length,
                          std::span<std::uint8_t> dest, bool reportProgress) {
  std::fill(dest.begin(), dest.end(), 0xFF);
  if (dest.size() < length) return false;
  if (!SendCommand(Command::ReadBlock, low(address), high(address), low(length), high(length))) {
    return false;
  }
  const int count = chunkCount(length);
  for (int i = 0; i < count; ++i) {
    if (reportProgress && progress_) progress_(i, count);
    readChunk();  // a failed chunk leaves 0xFF
    const int n = chunkBytes(i, count, length);
    std::copy_n(chunkBuf_.begin(), n, dest.begin() + i * kChunkSize);
  }
  return true;
}

bool HidDevice::ReadBlock(std::uint16_t address, std::uint16_t length,
                          std::span<std::uint8_t> dest) {
  return readBlock(address, length, dest, true);
}

bool HidDevice::ReadBlockQuiet(std::uint16_t address, std::uint16_t length,
                               std::span<std::uint8_t> dest) {
  return readBlock(address, length, dest, false);
}

bool HidDevice::WriteBlock(std::uint16_t address, std::uint16_t length,
                           std::span<const std::uint8_t> src) {
  chunkBuf_.fill(0xFF);
  if (src.size() < length) return false;
  if (!SendCommand(Command::WriteBlock, low(address), high(address), low(length), high(length))) {
    return false;
  }
  const int count = chunkCount(length);
  for (int i = 0; i < count; ++i) {
    if (progress_) progress_(i, count);
    // In a short last chunk the bytes after the copied ones keep what the
    // previous chunk left (0xFF for a single-chunk block).
    const int n = chunkBytes(i, count, length);
    std::copy_n(src.begin() + i * kChunkSize, n, chunkBuf_.begin());
    writeChunk();
  }
  return true;
}

}  // namespace orva
