#pragma once
// EncodeMacro turns the editor's event lines into stored macro data;
// DecodeMacro turns stored data back into lines and options.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/macros/MacroOptions.h"
#include "core/macros/MacroRecord.h"

namespace orva {

// Content bytes a driver macro may hold; the rest of its record stays free.
inline constexpr int kDriverMacroByteBudget = 1980;

struct EncodedMacro {
  std::string hexDump;  // stop mode, length, content, checksum; empty for an empty macro
  bool cut = false;     // events past the room of the record were left out
};

// Lines 1.. are events (line 0 is the delay-mode header and is skipped):
// delay lines become FE pairs of at most 2040 ms each, other lines the bytes
// of their last four hex digits; lines that are neither are skipped. The
// repetition wrapper and the stop mode come from `options`. Events that do
// not fit are dropped whole, the repetition end is always kept. `data` is
// rewritten completely.
EncodedMacro EncodeMacro(std::span<const std::string> lines, const MacroOptions& options, MacroData& data);
EncodedMacro EncodeMacro(std::span<const std::string> lines, const MacroOptions& options, DriverMacroData& data);

// Names for the key lines: modifiers by their virtual key (Ctrl 17,
// Shift 16, Alt 18, left Windows 91, right Windows 92), other keys by their
// keyboard usage.
struct MacroKeyNames {
  std::function<std::string(int virtualKey)> virtualKeyName;
  std::function<std::string(std::uint8_t usage)> usageName;
};

struct DecodedMacro {
  MacroOptions options;
  std::vector<std::string> lines;  // line 0 the delay-mode header
};

// Nothing when the data holds no events. Consecutive delay pairs merge into
// one line of up to five pairs; the repetition bytes give no line; the walk
// ends at the first byte that starts no event or at an event cut short.
// The fixed delay of `options` is the header's value when the mode is Fixed,
// else `fixedDelayMs` of `current` (the value the editor showed).
std::optional<DecodedMacro> DecodeMacro(const MacroData& data, const MacroKeyNames& names,
                                        const MacroOptions& current = {});
std::optional<DecodedMacro> DecodeMacro(const DriverMacroData& data, const MacroKeyNames& names,
                                        const MacroOptions& current = {});

}  // namespace orva
