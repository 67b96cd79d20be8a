#include "core/fire/FireConfirm.h"

#include <algorithm>

#include "core/fire/FireFieldRules.h"
#include "core/params/Checksum.h"

namespace orva::fire {

namespace {

constexpr int kYOffsetPairSize = 2;
constexpr int kColorSize = 3;

}  // namespace

std::array<FireAreaWrite, 4> FireConfirmData::writes() const {
  return {{
      {kFireMacroKeys.offset, FireMacroKeys},
      {kYOffsets.offset, YOffsets},
      {kFireMacroColors.offset, FireMacroColors},
      {kFireMacroDirectory.offset, directory},
  }};
}

void FireConfirmData::copyTo(ParamSections& sections) const {
  std::ranges::copy(FireMacroKeys, sections.section(Section::FireMacroKeys).begin());
  std::ranges::copy(YOffsets, sections.section(Section::YOffsets).begin());
  std::ranges::copy(FireMacroColors, sections.section(Section::FireMacroColors).begin());
}

FireConfirmData makeFireConfirmData(const FireMacroBlocks& blocks, const FireDirectory& directory,
                                    const ParamModel& model) {
  FireConfirmData data;
  data.directory = directory;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const int fireMacro = static_cast<int>(i) + 1;
    std::ranges::copy(fireKeySlot(fireMacro, stopModeOf(blocks[i])), data.FireMacroKeys.begin() + kKeyCodeSize * i);
    std::ranges::copy(blocks[i], data.directory.begin() + kFireMacroBlockSize * i);

    const auto offset = static_cast<std::uint8_t>(
        std::clamp(model.edt_YOffset[i], kYOffsetRule.minimum, kYOffsetRule.maximum) & 0xFF);
    data.YOffsets[kYOffsetPairSize * i] = offset;
    data.YOffsets[kYOffsetPairSize * i + 1] = complementOf(offset);

    for (std::size_t c = 0; c < kColorSize; ++c) {
      data.FireMacroColors[kColorSize * i + c] = static_cast<std::uint8_t>(
          std::clamp(model.edt_FireMacroColor[i][c], kFireColorRule.minimum, kFireColorRule.maximum));
    }
  }
  return data;
}

}  // namespace orva::fire
