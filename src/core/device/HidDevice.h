#pragma once
// One connection to the mouse and the command exchanges over it: a request
// report, then polls until the mouse acknowledges, and block transfers of its
// parameter memory in 6-byte chunks. Not re-entrant: one exchange at a time,
// all on the device thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "core/device/Clock.h"
#include "core/device/Commands.h"
#include "core/device/Transport.h"

namespace orva {

inline constexpr std::uint16_t kExpectedRelease = 0x0104;
inline constexpr int kChunkSize = 6;

enum class OpenResult {
  Opened,
  NotFound,      // no interface matched
  AccessDenied,  // a matching interface exists but may not be opened
};

// Called before each chunk of a ReadBlock/WriteBlock: chunk index (0-based)
// and chunk count, so a window can show progress.
using ChunkProgress = std::function<void(int chunk, int chunkCount)>;

class HidDevice {
 public:
  HidDevice(Transport& transport, Clock& clock);

  int CountHidInterfaces();
  // Opens the interface with feature length 8 and these IDs; when several
  // match, the last one in enumeration order wins and the others are closed.
  // On success `version` receives the release number found.
  OpenResult OpenHidDevice(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t& version);
  bool isOpen() const { return connection_ != nullptr; }
  // Drops the connection (the handle becomes invalid); the IDs stay.
  void release();

  bool SendCommand(Command code, std::uint8_t a1 = 0, std::uint8_t a2 = 0, std::uint8_t a3 = 0,
                   std::uint8_t a4 = 0);
  // The answer of the last exchange (the shared report buffer).
  const FeatureReport& response() const { return report_; }

  // Fill `dest` with 0xFF, then read `length` bytes from `address` into its
  // start. False when the block command was not acknowledged or `dest` is
  // shorter than `length`; failed chunks leave 0xFF.
  bool ReadBlock(std::uint16_t address, std::uint16_t length, std::span<std::uint8_t> dest);
  // ReadBlock without progress reports (the identity bytes).
  bool ReadBlockQuiet(std::uint16_t address, std::uint16_t length, std::span<std::uint8_t> dest);
  bool WriteBlock(std::uint16_t address, std::uint16_t length, std::span<const std::uint8_t> src);
  // Button status word of the key test; 0 on failure.
  std::uint16_t ReadStatusWord();

  void setChunkProgress(ChunkProgress progress) { progress_ = std::move(progress); }

  // Connection state.
  std::uint32_t DevVendorID = 0;
  std::uint32_t DevProductID = 0;
  std::uint32_t DevVersion = kExpectedRelease;
  int FeatureLength = 0;

 private:
  struct Timing {
    int sleepBeforeSet;
    int sleepAfterSet;
    int pollSleep;
    bool sleepBeforeEveryPoll;  // else only while byte 7 is still 0
    int polls;
    int attempts;
  };
  bool exchange(const Timing& timing, const std::array<std::uint8_t, 7>& request);
  bool readChunk();
  void writeChunk();
  bool readBlock(std::uint16_t address, std::uint16_t length, std::span<std::uint8_t> dest,
                 bool reportProgress);

  Transport& transport_;
  Clock& clock_;
  std::unique_ptr<HidConnection> connection_;
  FeatureReport report_{};
  std::array<std::uint8_t, 7> chunkBuf_{};
  ChunkProgress progress_;
};

}  // namespace orva
