// The phase fields: their corrections while typing and the block patches.
#include <gtest/gtest.h>

#include "core/fire/FireFieldRules.h"
#include "core/fire/FirePhaseFields.h"
#include "unit/fire/fire_test_blocks.h"

namespace orva::fire {
namespace {

TEST(FireFieldRules, TypedTextIsCorrectedAtOnce) {
  struct Row {
    const char* field;
    NumberFieldRule rule;
    const char* typed;
    const char* shown;
  };
  const Row rows[] = {
      {"count", kFireCountRule, "256", "256"},
      {"count", kFireCountRule, "257", "256"},
      {"count", kFireCountRule, "0", "1"},
      {"count", kFireCountRule, "", "1"},
      {"count", kFireCountRule, "-", "1"},
      {"X", kFireXRule, "-", "-"},
      {"X", kFireXRule, "-129", "-128"},
      {"X", kFireXRule, "", "0"},
      {"Y", kFireYRule, "128", "127"},
      {"Y", kFireYRule, "-1", "0"},
      {"Y", kFireYRule, "-", "0"},
      {"pause", kFireTimeRule, "100", "100"},
      {"pause", kFireTimeRule, "2041", "2040"},
      {"pause", kFireTimeRule, "99999999999999999999", "2040"},
      {"Y offset", kYOffsetRule, "-", "-"},
      {"Y offset", kYOffsetRule, "-200", "-128"},
      {"Y offset", kYOffsetRule, "128", "127"},
      {"colour", kFireColorRule, "300", "255"},
      {"colour", kFireColorRule, "", "0"},
  };
  for (const Row& row : rows) EXPECT_EQ(correctField(row.rule, row.typed), row.shown) << row.field << " " << row.typed;
}

TEST(FireFieldRules, YPlusOffsetStaysASignedByte) {
  const std::tuple<int, int, int> rows[] = {  // Y, typed offset, kept offset
      {100, 50, 27}, {0, -128, -128}, {127, 1, 0}, {0, 127, 127}, {50, -128, -128}, {10, -200, -128},
  };
  for (const auto& [y, offset, kept] : rows) EXPECT_EQ(correctedYOffset(y, offset), kept) << y << " " << offset;
}

class FireFieldPatch : public ::testing::Test {
 protected:
  FireMacroBlock block = test::kBurst;
  FireOperandPositions positions = FillPhaseFields(test::kBurst).positions;
};

TEST_F(FireFieldPatch, ValuesBecomeOperandsAndTheBlockIsResealed) {
  struct Row {
    FireField field;
    int value;
    std::size_t at;
    std::uint8_t operand;
    std::uint8_t checksum;
  };
  const Row rows[] = {
      {FireField::Pause, 100, 10, 12, 0x8E},  // 96 ms, as stored already
      {FireField::Pause, 2040, 10, 0xFF, 0x9D},
      {FireField::Pause, 2041, 10, 0xFF, 0x9D},
      {FireField::Count, 256, 3, 0xFF, 0x95},  // endless
      {FireField::Count, 1, 3, 0x00, 0x8A},
      {FireField::X, -5, 6, 0xFB, 0x95},
      {FireField::Y, 127, 8, 0x7F, 0x13},
  };
  for (const Row& row : rows) {
    block = test::kBurst;
    EXPECT_TRUE(patchFireField(block, positions, row.field, row.value)) << row.value;
    FireMacroBlock expected = test::kBurst;
    expected[row.at] = row.operand;
    expected[13] = row.checksum;
    EXPECT_EQ(block, expected) << row.value;
  }
}

TEST_F(FireFieldPatch, BlockWithoutTheEventIsLeftAlone) {
  // Press, Y, release: no repetition, no X, no delay after the Y.
  const FireMacroBlock plain = test::blockOf({0x01, 5, 0xA1, 0xFA, 0x0A, 0x21, 0x00});
  FireMacroBlock edited = plain;
  const FireOperandPositions own = FillPhaseFields(plain).positions;
  for (const FireField field : {FireField::Count, FireField::X, FireField::Pause}) {
    EXPECT_FALSE(patchFireField(edited, own, field, 9));
  }
  EXPECT_EQ(edited, plain);
}

TEST_F(FireFieldPatch, PositionsTakenBeforeTheBlockWasRewrittenChangeNothing) {
  // The event editor moved the repetition: the old count position now holds a press.
  const FireMacroBlock rewritten = test::blockOf({0x01, 5, 0xA1, 0xA1, 0xFD, 0x04, 0x00});
  block = rewritten;
  EXPECT_FALSE(patchFireField(block, positions, FireField::Count, 9));
  EXPECT_EQ(block, rewritten);
}

}  // namespace
}  // namespace orva::fire
