// Fuzzes the fire-macro readers with arbitrary data: the first 24 bytes are
// a fire-macro block (fields, decoding, patches), the rest a gun key
// scripts file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>

#include "core/fire/FireEventList.h"
#include "core/fire/FireMacroBlock.h"
#include "core/fire/FirePhaseFields.h"
#include "core/fire/GunKeyScriptStore.h"
#include "core/params/Checksum.h"

namespace {

using namespace orva;
using namespace orva::fire;

void checkBlock(const FireMacroBlock& block) {
  const auto content = fireContent(block);
  if (content.size() > static_cast<std::size_t>(kMaxFireContent)) __builtin_trap();

  // The decoded lines give back the content up to where the walk ended.
  const FireDecoding decoding = decodeFireMacro(block);
  if (decoding.lines.empty() != !fireContentSize(block)) __builtin_trap();
  const FireEncoding again = encodeFireMacro(decoding.lines, decoding.stopMode, FireOverflow::Refuse);
  if (!again.block) __builtin_trap();
  const auto encoded = fireContent(*again.block);
  if (encoded.size() > content.size() || !std::ranges::equal(encoded, content.first(encoded.size()))) __builtin_trap();

  // Patches change only their operand and the checksum.
  const FirePhase phase = FillPhaseFields(block);
  const std::optional<int> positions[] = {phase.positions.count, phase.positions.x, phase.positions.y,
                                          phase.positions.pause};
  const FireField fields[] = {FireField::Count, FireField::X, FireField::Y, FireField::Pause};
  for (std::size_t f = 0; f < std::size(fields); ++f) {
    FireMacroBlock patched = block;
    const int value = block[kFireMacroBlockSize - 1] * 9 - 300;
    if (!patchFireField(patched, phase.positions, fields[f], value)) {
      if (patched != block || positions[f]) __builtin_trap();
      continue;
    }
    const std::size_t checksumAt = kContentStart + *fireContentSize(patched);
    const auto covered = std::span(patched).subspan(kLengthByte, checksumAt - kLengthByte);
    if (patched[checksumAt] != checksumOf(covered)) __builtin_trap();
    for (std::size_t i = 0; i < patched.size(); ++i) {
      if (patched[i] != block[i] && i != static_cast<std::size_t>(*positions[f]) && i != checksumAt) __builtin_trap();
    }
  }
}

void checkScripts(std::span<const std::uint8_t> file) {
  GunKeyScriptStore store = GunKeyScriptStore::fromFileBytes(file);
  // What is written reads back the same.
  if (GunKeyScriptStore::fromFileBytes(store.fileBytes()).scripts() != store.scripts()) __builtin_trap();
  const std::size_t listed = store.listed().size();
  if (listed > static_cast<std::size_t>(kGunKeyScriptCount)) __builtin_trap();
  const int first = file.empty() ? 1 : file[0] % 12;
  const bool added = store.add(first, 10).has_value();
  if (store.listed().size() != listed + (added ? 1 : 0)) __builtin_trap();
  const ScriptRemoval removal = store.remove(file.size() % 11);
  if (removal.select && *removal.select >= store.listed().size()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  FireMacroBlock block{};
  std::ranges::copy(input.first(std::min(input.size(), block.size())), block.begin());
  checkBlock(block);
  checkScripts(input.subspan(std::min(input.size(), block.size())));
  return 0;
}
