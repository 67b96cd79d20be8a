// What Confirm writes, built from the working copies.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/fire/FireConfirm.h"
#include "unit/fire/fire_test_blocks.h"

namespace orva::fire {
namespace {

class FireConfirm : public ::testing::Test {
 protected:
  void SetUp() override {
    blocks[0] = test::kBurst;                   // stops on release
    blocks[1] = test::blockOf({0x00, 0x0C});     // plays to its end
    directory.fill(0xFF);                       // bytes after the blocks are carried
    model.edt_YOffset[0] = -5;
    model.edt_YOffset[1] = 200;
    model.edt_FireMacroColor[0] = {255, 0, 300};
    model.edt_FireMacroColor[1] = {-1, 128, 7};
  }

  FireMacroBlocks blocks{};
  FireDirectory directory{};
  ParamModel model;
};

TEST_F(FireConfirm, AreasComeFromTheWorkingCopies) {
  const FireConfirmData data = makeFireConfirmData(blocks, directory, model);

  EXPECT_TRUE(std::ranges::equal(std::span(data.FireMacroKeys).first(9),
                                 std::array<std::uint8_t, 9>{0x0E, 0x05, 0x01, 0x0B, 0x05, 0x19, 0x0B, 0x05, 0x31}));
  EXPECT_EQ(data.FireMacroKeys[27], 0x0B);
  EXPECT_EQ(data.FireMacroKeys[29], 0xD9);

  EXPECT_TRUE(std::ranges::equal(std::span(data.YOffsets).first(6),
                                 std::array<std::uint8_t, 6>{0xFB, 0x04, 0x7F, 0x80, 0x00, 0xFF}));
  EXPECT_TRUE(std::ranges::equal(std::span(data.FireMacroColors).first(6),
                                 std::array<std::uint8_t, 6>{255, 0, 255, 0, 128, 7}));

  EXPECT_TRUE(std::ranges::equal(std::span(data.directory).first(24), test::kBurst));
  EXPECT_EQ(data.directory[25], 0x0C);
  EXPECT_TRUE(std::ranges::all_of(std::span(data.directory).subspan(48, 192), [](auto b) { return b == 0; }));
  EXPECT_TRUE(std::ranges::all_of(std::span(data.directory).subspan(240), [](auto b) { return b == 0xFF; }));
}

TEST_F(FireConfirm, WritesInOrderAndSectionsFollow) {
  const FireConfirmData data = makeFireConfirmData(blocks, directory, model);
  const auto writes = data.writes();
  const std::pair<int, std::size_t> expected[] = {{128, 30}, {176, 20}, {208, 30}, {1280, 256}};
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(writes[i].address, expected[i].first);
    EXPECT_EQ(writes[i].bytes.size(), expected[i].second);
  }

  ParamSections sections;
  data.copyTo(sections);
  EXPECT_EQ(sections.at(128), 0x0E);
  EXPECT_EQ(sections.at(179), 0x80);
  EXPECT_EQ(sections.at(210), 255);
  EXPECT_EQ(sections.at(0), 0);  // other sections untouched
}

}  // namespace
}  // namespace orva::fire
