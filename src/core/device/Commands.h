#pragma once
// Command codes of the mouse (request byte 1) and the answer bytes callers test.

#include <cstdint>

namespace orva {

enum class Command : std::uint8_t {
  Begin = 1,
  End = 2,
  Status = 3,
  ReadBlock = 4,
  ReadData = 5,
  WriteBlock = 6,
  WriteData = 7,
  SystemReload = 8,
  DriverConfig = 9,
  DriverId = 0x81,
};

inline constexpr std::uint8_t kAckDone = 0xCC;        // response byte 7: command done
inline constexpr std::uint8_t kBeginAnswer = 0xA6;    // BeginCmd byte 1 (driver-mode path)
inline constexpr std::uint8_t kStatusReady = 0xAA;    // StatusCmd byte 1: ready
inline constexpr std::uint8_t kStatusParamAccess = 0x04;  // StatusCmd byte 2: parameter memory accessible
inline constexpr std::uint8_t kStatusDriverMode = 0x20;   // StatusCmd (0x5A, ...) byte 2: driver mode supported
inline constexpr std::uint8_t kDriverModeKey = 0x5A;      // first argument of the driver-mode status forms
inline constexpr std::uint8_t kDriverModeEnter = 0xD9;    // second argument: enter driver mode (0 leaves it)

inline constexpr int kImageSize = 2048;  // the mouse's parameter memory

}  // namespace orva
