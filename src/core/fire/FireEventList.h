#pragma once
// The event-list editor's view of a fire macro: its block decoded into
// event lines (line 0 the delay-mode header, one line per event, each delay
// pair its own line) and lines encoded back into a block. Unlike a library
// macro there is no repetition wrapper: repetition start and end are
// ordinary lines.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fire/FireMacroBlock.h"

namespace orva::fire {

// What to do with lines whose bytes do not fit the 21 content bytes.
enum class FireOverflow {
  Refuse,  // store nothing: an edit that would overflow is not made
  Cut,     // store the longest run of whole lines that fits and leaves no
           // button or key held and no repetition open (a recording)
};

enum class FireEncodeStatus { Stored, Cut, Refused };

struct FireEncoding {
  FireEncodeStatus status = FireEncodeStatus::Refused;
  std::optional<FireMacroBlock> block;  // unset when refused
  std::size_t eventLinesStored = 0;     // lines after the header whose bytes the block holds
};

// Lines 1.. (line 0, the header, is skipped) to a block: delay lines as
// 0xFE pairs (one per whole 2040 ms, then the remainder in 8 ms units),
// other lines by their last four hex digits. Lines that stand for no bytes
// are skipped. No content gives an all-zero block.
FireEncoding encodeFireMacro(std::span<const std::string> lines, StopMode mode, FireOverflow overflow);

// Names the key of a keyboard event (0x81/0x01 with a modifier, 0x82/0x02
// with a usage); fire macros made by this program hold none.
using KeyEventNamer = std::function<std::string(std::uint8_t eventByte, std::uint8_t operand)>;

struct FireDecoding {
  StopMode stopMode = StopMode::PlayToEnd;
  std::vector<std::string> lines;  // empty when the block holds no events, else header "00" first
};

// The walk ends at a byte that starts no event or at an event cut off by
// the end of the content.
FireDecoding decodeFireMacro(const FireMacroBlock& block, const KeyEventNamer& keyName = {});

}  // namespace orva::fire
