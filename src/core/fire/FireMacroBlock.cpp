#include "core/fire/FireMacroBlock.h"

#include "core/macros/MacroEventLine.h"
#include "core/params/Checksum.h"

namespace orva::fire {

namespace {

constexpr std::uint8_t kBlankLength = 0xFF;

}  // namespace

void setStopMode(FireMacroBlock& block, StopMode mode) { block[kStopModeByte] = static_cast<std::uint8_t>(mode); }

std::optional<std::size_t> fireContentSize(const FireMacroBlock& block) {
  const std::uint8_t length = block[kLengthByte];
  if (length == 0 || length == kBlankLength || length > kMaxFireContent + 1) return std::nullopt;
  return static_cast<std::size_t>(length - 1);
}

std::span<const std::uint8_t> fireContent(const FireMacroBlock& block) {
  return std::span(block).subspan(kContentStart, fireContentSize(block).value_or(0));
}

bool sealFireMacroBlock(FireMacroBlock& block) {
  const auto size = fireContentSize(block);
  if (!size) return false;
  // The length byte and the content.
  const auto covered = std::span(block).subspan(kLengthByte, *size + 1);
  block[kContentStart + *size] = checksumOf(covered);
  return true;
}

KeyCode fireKeySlot(int fireMacro, StopMode mode) {
  const int address = kFireMacroDirectory.offset + kFireMacroBlockSize * (fireMacro - 1) + kLengthByte;
  return {mode == StopMode::StopOnRelease ? kTypeMacroUntilRelease : kKeySlotPlayToEnd,
          static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF)};
}

std::string fireBlockDump(const FireMacroBlock& block) {
  const auto size = fireContentSize(block);
  if (!size) return {};
  std::string dump;
  // Stop mode, length, content, checksum.
  for (std::size_t i = 0; i < *size + 3; ++i) dump += hexByte(block[i]);
  return dump;
}

}  // namespace orva::fire
