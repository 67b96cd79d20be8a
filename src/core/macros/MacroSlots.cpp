#include "core/macros/MacroSlots.h"

#include <algorithm>
#include <span>

#include "core/macros/MacroReferenceCode.h"

namespace orva {

namespace {

// The bytes of a slot's record inside the buffer that holds it.
std::span<const std::uint8_t> slotIn(const MacroBufferLow& low, const MacroBufferHigh& high, int slot) {
  const int offset = macroSlotImageOffset(slot);
  return kMacroAreaLow.contains(offset)
             ? std::span<const std::uint8_t>(low).subspan(offset - kMacroAreaLow.offset, kMacroRecordSize)
             : std::span<const std::uint8_t>(high).subspan(offset - kMacroAreaHigh.offset, kMacroRecordSize);
}

std::span<std::uint8_t, kMacroRecordSize> slotIn(MacroBufferLow& low, MacroBufferHigh& high, int slot) {
  const int offset = macroSlotImageOffset(slot);
  std::uint8_t* start = kMacroAreaLow.contains(offset) ? low.data() + (offset - kMacroAreaLow.offset)
                                                       : high.data() + (offset - kMacroAreaHigh.offset);
  return std::span<std::uint8_t, kMacroRecordSize>(start, kMacroRecordSize);
}

void checkSlot(MacroRecord& record) {
  if (!macroChecksumHolds(record.data, kMacroDataLayout)) record.data.fill(0);
}

}  // namespace

std::optional<int> macroSlotAt(std::uint16_t address) {
  const auto* found = std::ranges::find(kMacroSlotAddresses, address);
  if (found == kMacroSlotAddresses.end()) return std::nullopt;
  return static_cast<int>(found - kMacroSlotAddresses.begin()) + 1;
}

UsedMacroSlots usedMacroSlots(const ProfileCodes& profile1, const ProfileCodes& profile2) {
  UsedMacroSlots used{};
  for (const ProfileCodes* codes : {&profile1, &profile2}) {
    for (const std::string& code : *codes) {
      const auto address = macroReferenceAddress(code);
      if (const auto slot = address ? macroSlotAt(*address) : std::nullopt) used[*slot - 1] = true;
    }
  }
  return used;
}

void CheckMacroContentBuf(MacroSlotRecords& slots) {
  for (int i = 0; i < kCheckedMacroSlots; ++i) checkSlot(slots[i]);
}

void DeviceMacroSlots::ReadAndRefreshMacro(const MacroBufferLow& low, const MacroBufferHigh& high,
                                           bool heldByMouse) {
  for (int slot = 1; slot <= kMacroSlotCount; ++slot) {
    slots_[slot - 1] = MacroRecord::fromBytes(slotIn(low, high, slot));
    heldByMouse_[slot - 1] = heldByMouse ? std::optional(slots_[slot - 1]) : std::nullopt;
  }
  CheckMacroContentBuf(slots_);
}

bool DeviceMacroSlots::ReadMacroSlot(HidDevice& device, int slot) {
  std::array<std::uint8_t, kMacroRecordSize> bytes;
  if (!device.ReadBlock(static_cast<std::uint16_t>(macroSlotImageOffset(slot)), kMacroRecordSize, bytes)) {
    return false;
  }
  const MacroRecord read = MacroRecord::fromBytes(bytes);
  heldByMouse_[slot - 1] = read;
  MacroRecord& copy = slots_[slot - 1];
  if (!macroNameInUse(copy.name)) {
    copy = read;
    if (slot <= kCheckedMacroSlots) checkSlot(copy);
  }
  return true;
}

void DeviceMacroSlots::RefreshBaseMacroBuf(MacroBufferLow& low, MacroBufferHigh& high) const {
  for (int slot = 1; slot <= kMacroSlotCount; ++slot) slots_[slot - 1].toBytes(slotIn(low, high, slot));
}

std::array<std::string, kMacroSlotCount> DeviceMacroSlots::RefreshMacroName() const {
  std::array<std::string, kMacroSlotCount> names;
  for (int i = 0; i < kMacroSlotCount; ++i) names[i] = macroNameText(slots_[i].name);
  return names;
}

bool DeviceMacroSlots::writeReferencedMacroSlots(HidDevice& device, const ProfileCodes& profile1,
                                                 const ProfileCodes& profile2) {
  const UsedMacroSlots referenced = usedMacroSlots(profile1, profile2);
  for (int slot = 1; slot <= kMacroSlotCount; ++slot) {
    const MacroRecord& record = slots_[slot - 1];
    if (!referenced[slot - 1] || heldByMouse_[slot - 1] == record) continue;
    const std::uint16_t address = MacroSlotAddress(slot);
    if (!device.WriteBlock(address - kMacroSlotNameBefore, kMacroNameSize, record.name) ||
        !device.WriteBlock(address - kMacroSlotDataBefore, kMacroDataSize, record.data)) {
      return false;
    }
    heldByMouse_[slot - 1] = record;
  }
  return true;
}

}  // namespace orva
