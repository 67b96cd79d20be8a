// Code text <-> bytes, and the codes of the menu entries.
#include "core/keys/KeyCode.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

TEST(CodeText, ConvertsBothWays) {
  EXPECT_EQ(CodeTextToBytes("010100"), (KeyCode{0x01, 0x01, 0x00}));
  EXPECT_EQ(CodeTextToBytes("0AFF00"), (KeyCode{0x0A, 0xFF, 0x00}));
  EXPECT_EQ(CodeTextToBytes("0e07ab"), (KeyCode{0x0E, 0x07, 0xAB}));
  EXPECT_EQ(BytesToCodeText({0x0E, 0x07, 0xAB}), "0E07AB");
  EXPECT_EQ(BytesToCodeText({0x00, 0x00, 0x00}), "000000");
  EXPECT_EQ(BytesToCodeText({0xFF, 0x10, 0x0F}), "FF100F");
}

TEST(CodeText, RejectsTextsThatAreNotSixHexDigits) {
  for (const char* text : {"", "01010", "0101000", "0G0100", " 10100", "01 100", "0x0101"}) {
    EXPECT_EQ(CodeTextToBytes(text), std::nullopt) << '"' << text << '"';
  }
}

struct TagCase {
  int tag;
  const char* code;
};

TEST(TagToCode, GivesTheCodeOfEveryMenuEntry) {
  const TagCase cases[] = {
      {900, "010100"},  {901, "010200"},  {902, "010400"},  {903, "010800"},  {904, "011000"},
      {1000, "0600F0"}, {1001, "090000"}, {1003, "0D0000"}, {1004, "000000"}, {1005, "0F0000"},
      {1006, "100000"}, {1100, "030194"}, {1101, "030192"}, {1102, "03018A"}, {1103, "020807"},
      {1300, "0300CD"}, {1301, "0300B7"}, {1302, "0300B6"}, {1303, "0300B5"}, {1304, "0300E9"},
      {1305, "0300EA"}, {1306, "0300E2"}, {1400, "030223"}, {1401, "030221"}, {1402, "030224"},
      {1403, "030225"}, {1404, "030226"}, {1405, "030227"}, {1406, "03022A"}, {2000, "050000"},
      {2001, "070000"}, {2002, "080000"},
      // Sub-menu tags and neighbours of the ranges assign nothing.
      {0, ""}, {1, ""}, {7, ""}, {13, ""}, {899, ""}, {905, ""}, {1007, ""}, {1104, ""},
      {1307, ""}, {1407, ""}, {1999, ""}, {2003, ""}, {-900, ""}};
  for (const TagCase& c : cases) EXPECT_EQ(TagToCode(c.tag, 5), c.code) << "tag " << c.tag;
}

TEST(TagToCode, AimEntryCarriesTheAimValue) {
  EXPECT_EQ(TagToCode(1002, 3), "0A0300");
  EXPECT_EQ(TagToCode(1002, 0), "0A0000");
  EXPECT_EQ(TagToCode(1002, 11), "0A0B00");
  EXPECT_EQ(TagToCode(1002, 0xFF), "0AFF00");
}

}  // namespace
}  // namespace orva
