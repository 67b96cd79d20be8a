#include "core/fire/FirePhaseFields.h"

#include <algorithm>
#include <cstdint>

#include "core/fire/FireFieldRules.h"
#include "core/macros/MacroEventLine.h"

namespace orva::fire {

namespace {

std::optional<int> positionOf(const FireOperandPositions& positions, FireField field) {
  switch (field) {
    case FireField::Count: return positions.count;
    case FireField::X: return positions.x;
    case FireField::Y: return positions.y;
    case FireField::Pause: return positions.pause;
  }
  return std::nullopt;
}

std::uint8_t operandOf(FireField field, int value) {
  switch (field) {
    case FireField::Count:
      return static_cast<std::uint8_t>(std::clamp(value, kFireCountRule.minimum, kFireCountRule.maximum) - 1);
    case FireField::X:
      return static_cast<std::uint8_t>(std::clamp(value, kFireXRule.minimum, kFireXRule.maximum) & 0xFF);
    case FireField::Y:
      return static_cast<std::uint8_t>(std::clamp(value, kFireYRule.minimum, kFireYRule.maximum));
    case FireField::Pause:
      return static_cast<std::uint8_t>(std::clamp(value, kFireTimeRule.minimum, kFireTimeRule.maximum) / kDelayUnitMs);
  }
  return 0;
}

}  // namespace

FirePhase FillPhaseFields(const FireMacroBlock& block) {
  FirePhase phase;
  phase.fields.stopMode = stopModeOf(block);
  const auto content = fireContent(block);
  bool pauseFollows = false;  // the first 0xFE after the first 0xFA is the pause
  for (std::size_t i = 0; i < content.size() && isEventByte(content[i]);) {
    const std::uint8_t event = content[i];
    const std::size_t length = static_cast<std::size_t>(eventLength(event));
    if (i + length > content.size()) break;
    if (length == 2) {
      const std::uint8_t operand = content[i + 1];
      const int position = kContentStart + static_cast<int>(i) + 1;
      if (event == kEventRepeatStart && !phase.positions.count) {
        phase.fields.count = operand + 1;
        phase.positions.count = position;
      } else if (event == kEventMoveX && !phase.positions.x) {
        phase.fields.x = static_cast<std::int8_t>(operand);
        phase.positions.x = position;
      } else if (event == kEventMoveY && !phase.positions.y) {
        phase.fields.y = static_cast<std::int8_t>(operand);
        phase.positions.y = position;
        pauseFollows = true;
      } else if (event == kEventDelay && pauseFollows) {
        phase.fields.pauseMs = operand * kDelayUnitMs;
        phase.positions.pause = position;
        pauseFollows = false;
      }
    }
    i += length;
  }
  return phase;
}

bool patchFireField(FireMacroBlock& block, const FireOperandPositions& positions, FireField field, int value) {
  const auto position = positionOf(positions, field);
  // Positions are taken when the gun is selected; the event editor may have
  // rewritten the block since.
  if (!position || positionOf(FillPhaseFields(block).positions, field) != position) return false;
  block[static_cast<std::size_t>(*position)] = operandOf(field, value);
  return sealFireMacroBlock(block);
}

}  // namespace orva::fire
