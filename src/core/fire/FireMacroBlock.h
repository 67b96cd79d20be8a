#pragma once
// One fire macro as the mouse keeps it, a 24-byte block of the fire-macro
// directory, and the key slot that points the mouse at it:
//   byte 0      stop mode
//   byte 1      length L = content bytes + 1
//   2 .. L      content (macro event code)
//   L + 1       checksum of bytes 1 .. L
//   the rest    zero

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/keys/KeyCode.h"
#include "core/macros/MacroRecord.h"
#include "core/params/ImageLayout.h"
#include "core/params/ParameterCycles.h"

namespace orva::fire {

inline constexpr int kStopModeByte = 0;
inline constexpr int kLengthByte = 1;
inline constexpr int kContentStart = 2;
// The stop mode, length and checksum bytes leave 21 bytes of content.
inline constexpr int kMaxFireContent = kFireMacroBlockSize - 3;

// Type byte of a fire macro's key slot when the burst plays to its end
// (stop-on-release slots take kTypeMacroUntilRelease).
inline constexpr std::uint8_t kKeySlotPlayToEnd = 0x0B;

using FireMacroBlocks = std::array<FireMacroBlock, kFireMacroCount>;

// The stop mode is read with stopModeOf (byte 0) like a macro's. It lies
// outside the checksum, so setting it keeps the seal valid.
void setStopMode(FireMacroBlock& block, StopMode mode);

// Number of content bytes, or nothing when the block holds no events: a
// length byte of 0 or 0xFF (blank), or one that claims more than the block
// can hold (damaged data, never read past the block).
std::optional<std::size_t> fireContentSize(const FireMacroBlock& block);
// The content bytes; empty when the block holds no events.
std::span<const std::uint8_t> fireContent(const FireMacroBlock& block);

// Stores the checksum of bytes 1 .. L after the content. False, and
// nothing changed, when the block holds no events.
bool sealFireMacroBlock(FireMacroBlock& block);

// Key slot of fire macro `fireMacro` (1..10): the type byte of its stop
// mode and the image address of its block's length byte, high byte first.
KeyCode fireKeySlot(int fireMacro, StopMode mode);

// Upper-case hex of bytes 0 .. L + 1 without separators; empty when the
// block holds no events.
std::string fireBlockDump(const FireMacroBlock& block);

}  // namespace orva::fire
