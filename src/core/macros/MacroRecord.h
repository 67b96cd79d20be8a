#pragma once
// The stored forms of a macro: MacroRecord (256 bytes: library, export files,
// device slots) and DriverMacroRecord (2048 bytes: driver library and slots).
// Both are a 32-byte name followed by the macro data:
//   MacroData        stop mode, length L (1 byte),  content, checksum, zeros
//   DriverMacroData  stop mode, length L (2 bytes, high first), content, checksum, zeros
// L = content bytes + 1; L = 0 (or all length bytes 0xFF) holds no events.
// The checksum covers the length byte(s) and the content.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/macros/MacroName.h"

namespace orva {

enum class StopMode : std::uint8_t {
  PlayToEnd = 0,      // the macro plays to its end
  StopOnRelease = 1,  // the macro stops when the button is released
};

inline constexpr int kMacroRecordSize = 256;
inline constexpr int kMacroDataSize = kMacroRecordSize - kMacroNameSize;  // 224
inline constexpr int kDriverMacroRecordSize = 2048;
inline constexpr int kDriverMacroDataSize = kDriverMacroRecordSize - kMacroNameSize;  // 2016

using MacroData = std::array<std::uint8_t, kMacroDataSize>;
using DriverMacroData = std::array<std::uint8_t, kDriverMacroDataSize>;

// Where the fields of a macro data block lie; the two kinds differ only in
// the width of the length field.
struct MacroDataLayout {
  int lengthBytes;
  int size;
  constexpr int contentOffset() const { return 1 + lengthBytes; }
  // Content bytes that fit before the checksum byte.
  constexpr int contentRoom() const { return size - contentOffset() - 1; }
};
inline constexpr MacroDataLayout kMacroDataLayout{1, kMacroDataSize};
inline constexpr MacroDataLayout kDriverMacroDataLayout{2, kDriverMacroDataSize};

struct MacroRecord {
  static constexpr int kSize = kMacroRecordSize;
  static constexpr MacroDataLayout kLayout = kMacroDataLayout;
  using Data = MacroData;

  MacroName name{};
  MacroData data{};

  // Short input reads as if padded with zeros; longer input is ignored.
  static MacroRecord fromBytes(std::span<const std::uint8_t> bytes);
  void toBytes(std::span<std::uint8_t, kSize> out) const;
  bool operator==(const MacroRecord&) const = default;
};

struct DriverMacroRecord {
  static constexpr int kSize = kDriverMacroRecordSize;
  static constexpr MacroDataLayout kLayout = kDriverMacroDataLayout;
  using Data = DriverMacroData;

  MacroName name{};
  DriverMacroData data{};

  static DriverMacroRecord fromBytes(std::span<const std::uint8_t> bytes);
  void toBytes(std::span<std::uint8_t, kSize> out) const;
  bool operator==(const DriverMacroRecord&) const = default;
};

// Byte 0: 1 is StopOnRelease, anything else PlayToEnd.
StopMode stopModeOf(std::span<const std::uint8_t> data);

// The content bytes of a macro data block, or nothing when it holds no
// events. A length that claims more than the block holds is cut to the room
// before the checksum byte, so nothing outside the block is ever read.
std::optional<std::span<const std::uint8_t>> macroContent(std::span<const std::uint8_t> data,
                                                          MacroDataLayout layout);

// Whether the checksum byte after the content matches; false when the
// length points past the block.
bool macroChecksumHolds(std::span<const std::uint8_t> data, MacroDataLayout layout);

// Upper-case hex of the stored bytes: stop mode, length, content, checksum;
// empty when the block holds no events.
std::string macroHexDump(std::span<const std::uint8_t> data, MacroDataLayout layout);

}  // namespace orva
