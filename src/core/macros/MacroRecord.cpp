#include "core/macros/MacroRecord.h"

#include <algorithm>

#include "core/macros/MacroEventLine.h"
#include "core/params/Checksum.h"

namespace orva {

namespace {

constexpr int kStopModeOffset = 0;
constexpr int kLengthOffset = 1;

template <class Record>
Record recordFromBytes(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, Record::kSize> padded{};
  std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), padded.size()), padded.begin());
  Record record;
  std::copy_n(padded.begin(), kMacroNameSize, record.name.begin());
  std::copy(padded.begin() + kMacroNameSize, padded.end(), record.data.begin());
  return record;
}

template <class Record>
void recordToBytes(const Record& record, std::span<std::uint8_t, Record::kSize> out) {
  std::ranges::copy(record.name, out.begin());
  std::ranges::copy(record.data, out.begin() + kMacroNameSize);
}

// L, or nothing for the "no events" values (0, or every length byte 0xFF).
std::optional<int> storedLength(std::span<const std::uint8_t> data, MacroDataLayout layout) {
  int length = 0;
  bool allFF = true;
  for (int i = 0; i < layout.lengthBytes; ++i) {
    const std::uint8_t b = data[kLengthOffset + i];
    length = (length << 8) | b;
    allFF = allFF && b == 0xFF;
  }
  if (length == 0 || allFF) return std::nullopt;
  return length;
}

}  // namespace

MacroRecord MacroRecord::fromBytes(std::span<const std::uint8_t> bytes) { return recordFromBytes<MacroRecord>(bytes); }
void MacroRecord::toBytes(std::span<std::uint8_t, kSize> out) const { recordToBytes(*this, out); }

DriverMacroRecord DriverMacroRecord::fromBytes(std::span<const std::uint8_t> bytes) {
  return recordFromBytes<DriverMacroRecord>(bytes);
}
void DriverMacroRecord::toBytes(std::span<std::uint8_t, kSize> out) const { recordToBytes(*this, out); }

StopMode stopModeOf(std::span<const std::uint8_t> data) {
  return data[kStopModeOffset] == static_cast<std::uint8_t>(StopMode::StopOnRelease) ? StopMode::StopOnRelease
                                                                                     : StopMode::PlayToEnd;
}

std::optional<std::span<const std::uint8_t>> macroContent(std::span<const std::uint8_t> data,
                                                          MacroDataLayout layout) {
  const auto length = storedLength(data, layout);
  if (!length) return std::nullopt;
  const int n = std::min(*length - 1, layout.contentRoom());
  return data.subspan(layout.contentOffset(), n);
}

bool macroChecksumHolds(std::span<const std::uint8_t> data, MacroDataLayout layout) {
  int length = 0;
  for (int i = 0; i < layout.lengthBytes; ++i) length = (length << 8) | data[kLengthOffset + i];
  // The checksum byte follows the length field and L − 1 content bytes.
  const int checksumAt = layout.contentOffset() + length - 1;
  if (length == 0 || checksumAt >= layout.size) return false;
  const auto covered = data.subspan(kLengthOffset, checksumAt - kLengthOffset);
  return data[checksumAt] == checksumOf(covered);
}

std::string macroHexDump(std::span<const std::uint8_t> data, MacroDataLayout layout) {
  const auto content = macroContent(data, layout);
  if (!content) return {};
  const std::size_t stored = layout.contentOffset() + content->size() + 1;
  std::string dump;
  for (std::uint8_t b : data.first(stored)) dump += hexByte(b);
  return dump;
}

}  // namespace orva
