// The record layouts: name then data, short input padded, the content and
// checksum found through the length field.
#include <gtest/gtest.h>

#include "core/macros/MacroRecord.h"
#include "unit/macros/macro_test_support.h"

namespace orva::test {
namespace {

TEST(MacroRecord, NameThenDataShortInputPaddedLongInputIgnored) {
  Bytes bytes(300, 0);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i + 1);
  const MacroRecord record = MacroRecord::fromBytes(bytes);
  EXPECT_EQ(record.name[0], 1);
  EXPECT_EQ(record.name[31], 32);
  EXPECT_EQ(record.data[0], 33);
  EXPECT_EQ(record.data[223], 0);  // byte 255 of the input is 256 & 0xFF

  std::array<std::uint8_t, kMacroRecordSize> out{};
  record.toBytes(out);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), bytes.begin()));

  const DriverMacroRecord shortRecord = DriverMacroRecord::fromBytes(Bytes{0x00, 0x41, 0x00});
  EXPECT_EQ(shortRecord.name[1], 0x41);
  EXPECT_EQ(shortRecord.data, DriverMacroData{});
}

TEST(MacroRecord, ChecksumAndDumpFollowTheLengthField) {
  struct Row {
    const char* label;
    Bytes data;
    MacroDataLayout layout;
    bool holds;
    std::string dump;
  } rows[] = {
      {"sound", storedBytes(0x01, {0xA1, 0x21}), kMacroDataLayout, true, "0103A1219F"},
      {"wrong checksum", {0x01, 0x03, 0xA1, 0x21, 0x80}, kMacroDataLayout, false, "0103A12180"},
      {"empty", {0x00, 0x00, 0x00}, kMacroDataLayout, false, ""},
      {"erased", Bytes(224, 0xFF), kMacroDataLayout, false, ""},
      {"length past the record", {0x00, 0xE0}, kMacroDataLayout, false, "00E0" + std::string(2 * 222, '0')},
      {"driver", storedBytes(0x00, {0xFC}, 2), kDriverMacroDataLayout, true, "000002FCA4"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    std::vector<std::uint8_t> data(row.layout.size, 0);
    std::copy(row.data.begin(), row.data.end(), data.begin());
    EXPECT_EQ(macroChecksumHolds(data, row.layout), row.holds);
    EXPECT_EQ(macroHexDump(data, row.layout), row.dump);
  }
}

}  // namespace
}  // namespace orva::test
