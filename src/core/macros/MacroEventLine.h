#pragma once
// The text form of macro events that the editor and recorder work on, one
// line per event, and the header line of the delay mode:
//   "1 <name> CODE:81mm" modifier pressed     "2 <name> CODE:01mm" released
//   "1 <name> CODE:82uu" key pressed           "2 <name> CODE:02uu" released
//   "1 LeftKey CODE:00A1" mouse button pressed "2 LeftKey CODE:0021" released
//   "3 FBvv" / "4 FBvv" X movement (v below / from 0x80), "5 FAvv" / "6 FAvv" Y
//   "0 <ms>" delay, "7 FDcc" repetition start, "8 00FC" repetition end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

// Event bytes of the macro event code.
inline constexpr std::uint8_t kEventModifierDown = 0x81;
inline constexpr std::uint8_t kEventModifierUp = 0x01;
inline constexpr std::uint8_t kEventKeyDown = 0x82;
inline constexpr std::uint8_t kEventKeyUp = 0x02;
inline constexpr std::uint8_t kEventMoveX = 0xFB;
inline constexpr std::uint8_t kEventMoveY = 0xFA;
inline constexpr std::uint8_t kEventDelay = 0xFE;
inline constexpr std::uint8_t kEventRepeatStart = 0xFD;
inline constexpr std::uint8_t kEventRepeatEnd = 0xFC;
inline constexpr std::uint8_t kRepeatEndless = 0xFF;
inline constexpr int kDelayUnitMs = 8;
inline constexpr int kMaxDelayPairMs = 255 * kDelayUnitMs;  // 2040

// One-byte mouse button events: bit 7 pressed, bit 5 mouse button, bits 0..4 the button.
inline constexpr std::uint8_t kMouseButtonFlag = 0x20;
inline constexpr std::uint8_t kMouseButtonPressed = 0x80;
enum class MouseButton : std::uint8_t { Left = 0x01, Right = 0x02, Middle = 0x04, Forward = 0x08, Backward = 0x10 };

// Whether a byte starts an event: the two-byte events, the mouse buttons and
// the repetition end.
bool isEventByte(std::uint8_t byte);
// 1 for one-byte events, 2 for those followed by an operand.
int eventLength(std::uint8_t byte);

std::string keyEventLine(bool pressed, std::string_view name, std::uint8_t eventByte, std::uint8_t operand);
std::string mouseButtonLine(std::uint8_t eventByte);  // 0xA1 → "1 LeftKey CODE:00A1"
std::string moveLine(std::uint8_t eventByte, std::uint8_t value);  // eventByte 0xFB (X) or 0xFA (Y)
std::string delayLine(int milliseconds);
std::string repeatStartLine(std::uint8_t count);
std::string repeatEndLine();

// Header lines: "00" no delay, "01<ms>" fixed delay, "10" recorded delays.
enum class DelayMode { None, Fixed, Recorded };
std::string headerLine(DelayMode mode, int fixedMs = 0);

bool isDelayLine(std::string_view line);
// Milliseconds of a delay line: the decimal number after its first two
// characters, 0 when there is none.
int delayLineMs(std::string_view line);
// The bytes an event line stands for: its last four hex digits, the first
// pair dropped when it is "00". Nothing for lines that are not events.
std::optional<std::vector<std::uint8_t>> eventLineBytes(std::string_view line);

// How a delay is stored: one FE FF pair per whole 2040 ms, then one FE pair
// for the rest (also for 0 ms), rounded down to 8 ms.
std::vector<std::uint8_t> delayBytes(int milliseconds);

// The stored bytes of any line: delay pairs or event bytes; none for a line
// that is neither.
std::vector<std::uint8_t> lineBytes(std::string_view line);

// Two upper-case hex digits.
std::string hexByte(std::uint8_t byte);

}  // namespace orva
