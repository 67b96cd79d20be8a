#pragma once
// The six device macro slots: MacroRecords in the image's macro buffers
// (slots 1..4 in image 256..1279, slots 5 and 6 in 1536..2047). Each slot is
// known by the image address of its length byte, MacroSlotAddress; the name
// lies 33 bytes before it, the MacroData 1 byte before it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/device/HidDevice.h"
#include "core/macros/MacroRecord.h"
#include "core/params/ImageLayout.h"
#include "core/params/ParamModel.h"

namespace orva {

inline constexpr int kMacroSlotCount = 6;
inline constexpr int kCheckedMacroSlots = 4;  // slots 1..4 are dropped when their checksum fails
inline constexpr std::array<std::uint16_t, kMacroSlotCount> kMacroSlotAddresses = {0x0121, 0x0221, 0x0321,
                                                                                 0x0421, 0x0621, 0x0721};
inline constexpr int kMacroSlotNameBefore = kMacroNameSize + 1;  // 33
inline constexpr int kMacroSlotDataBefore = 1;

// Slot 1..6.
constexpr std::uint16_t MacroSlotAddress(int slot) { return kMacroSlotAddresses[slot - 1]; }
constexpr int macroSlotImageOffset(int slot) { return MacroSlotAddress(slot) - kMacroSlotNameBefore; }

static_assert(macroSlotImageOffset(1) == kMacroAreaLow.offset);
static_assert(macroSlotImageOffset(kCheckedMacroSlots) + kMacroRecordSize == kMacroAreaLow.end());
static_assert(macroSlotImageOffset(5) == kMacroAreaHigh.offset);
static_assert(macroSlotImageOffset(6) + kMacroRecordSize == kMacroAreaHigh.end());

// The slot (1..6) whose MacroSlotAddress is `address`.
std::optional<int> macroSlotAt(std::uint16_t address);

// used[k − 1]: a code of either profile names slot k.
using UsedMacroSlots = std::array<bool, kMacroSlotCount>;
UsedMacroSlots usedMacroSlots(const ProfileCodes& profile1, const ProfileCodes& profile2);

using MacroBufferLow = std::array<std::uint8_t, kMacroAreaLow.length>;
using MacroBufferHigh = std::array<std::uint8_t, kMacroAreaHigh.length>;
using MacroSlotRecords = std::array<MacroRecord, kMacroSlotCount>;

// Slots 1..4 whose checksum does not hold lose their data (not their name);
// slots 5 and 6 are kept as they are.
void CheckMacroContentBuf(MacroSlotRecords& slots);

class DeviceMacroSlots {
 public:
  // Takes the six slots out of the macro buffers, then CheckMacroContentBuf.
  // `heldByMouse`: the buffers are what the mouse holds (just read from it,
  // or just written to it whole); otherwise the mouse's slots count as
  // unknown and every referenced slot is written at the next apply.
  void ReadAndRefreshMacro(const MacroBufferLow& low, const MacroBufferHigh& high, bool heldByMouse);

  // Reads slot `slot` (256 bytes) from the mouse inside an open command
  // sequence, when its name is needed and the copy has none: the copy takes
  // the mouse's record (checked as above), so that the next apply does not
  // overwrite the mouse's macro with an empty copy. A copy that has a name
  // (an assignment not applied yet) stays. False when the read failed.
  bool ReadMacroSlot(HidDevice& device, int slot);

  // The six slots back into the macro buffers.
  void RefreshBaseMacroBuf(MacroBufferLow& low, MacroBufferHigh& high) const;

  // The six slot names; empty text for a slot not in use.
  std::array<std::string, kMacroSlotCount> RefreshMacroName() const;

  const MacroSlotRecords& records() const { return slots_; }
  const MacroRecord& slot(int slot) const { return slots_[slot - 1]; }
  void store(int slot, const MacroRecord& record) { slots_[slot - 1] = record; }

  // The apply step: every slot that a code of either profile names and whose
  // record differs from the one the mouse is known to hold is written, name
  // (32 bytes at MacroSlotAddress − 33) and data (224 bytes at
  // MacroSlotAddress − 1), one block write each. Runs inside the apply's
  // command sequence. False at the first write that failed.
  bool writeReferencedMacroSlots(HidDevice& device, const ProfileCodes& profile1, const ProfileCodes& profile2);

 private:
  MacroSlotRecords slots_{};
  std::array<std::optional<MacroRecord>, kMacroSlotCount> heldByMouse_{};
};

}  // namespace orva
