#pragma once
// The fields of one phase of the selected gun, read from its fire macro's
// block, and the edits that patch the block in place.

#include <optional>

#include "core/fire/FireMacroBlock.h"

namespace orva::fire {

// Block offsets of the operands the fields edit: those of the first 0xFD
// (shot count), the first 0xFB (X), the first 0xFA (Y) and the first 0xFE
// after that 0xFA (pause). Unset where the block lacks the event.
struct FireOperandPositions {
  std::optional<int> count{};
  std::optional<int> x{};
  std::optional<int> y{};
  std::optional<int> pause{};

  bool operator==(const FireOperandPositions&) const = default;
};

// The values the phase's fields show; a field whose event the block lacks
// shows 0.
struct FirePhaseFields {
  int count = 0;    // shots, 1..256 (256: endless)
  int x = 0;        // -128..127
  int y = 0;        // -128..127 as stored; the field itself offers 0..127
  int pauseMs = 0;  // 0..2040
  StopMode stopMode = StopMode::PlayToEnd;

  bool operator==(const FirePhaseFields&) const = default;
};

struct FirePhase {
  FirePhaseFields fields;
  FireOperandPositions positions;
};

// Walks the block's content: the mouse-button and repetition-end events
// are stepped over, as are the other events of the macro code; a byte that
// starts no event, or an event cut off by the end of the content, ends the
// walk.
FirePhase FillPhaseFields(const FireMacroBlock& block);

// A new Y also resets the phase's Y offset field to 0 (the offset was
// fitted to the old Y).
enum class FireField { Count, X, Y, Pause };

// Writes a field's value (clamped to the field's range) as its operand at
// the remembered position and seals the block again. Changes nothing, and
// returns false, when the block lacks the event or no longer holds it at
// that position.
bool patchFireField(FireMacroBlock& block, const FireOperandPositions& positions, FireField field, int value);

}  // namespace orva::fire
