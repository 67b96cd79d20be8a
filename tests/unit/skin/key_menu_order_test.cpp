#include "core/skin/KeyMenuOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/skin/OrgSettings.h"

namespace orva {
namespace {

using Item = SpecialKeyItem;

struct SpecialCase {
  const char* name;
  std::optional<std::string> config;  // nullopt: Special_Config missing
  std::vector<Item> items;            // top to bottom
};

void PrintTo(const SpecialCase& c, std::ostream* os) { *os << c.name; }

class SpecialConfigTest : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialConfigTest, OrdersTheMenu) {
  const SpecialCase& c = GetParam();
  const SpecialMenuLayout layout =
      c.config ? ApplySpecialConfig(std::optional<std::string_view>(*c.config)) : ApplySpecialConfig(std::nullopt);
  ASSERT_EQ(layout.entries.size(), c.items.size());
  std::optional<int> cpiTop;
  for (std::size_t i = 0; i < c.items.size(); ++i) {
    EXPECT_EQ(layout.entries[i].item, c.items[i]) << "position " << i;
    EXPECT_EQ(layout.entries[i].top, static_cast<int>(i) * 25) << "position " << i;
    EXPECT_EQ(layout.topOf(c.items[i]), static_cast<int>(i) * 25);
    if (c.items[i] == Item::CPIKey) cpiTop = static_cast<int>(i) * 25;
  }
  EXPECT_EQ(layout.height, static_cast<int>(c.items.size()) * 25 + 2);
  EXPECT_EQ(layout.cpiArrowTop, cpiTop);
  for (std::size_t k = 0; k < kSpecialKeyItemCount; ++k) {
    const Item item = static_cast<Item>(k);
    const bool listed = std::find(c.items.begin(), c.items.end(), item) != c.items.end();
    EXPECT_EQ(layout.offers(item), listed) << specialKeyItemName(item);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialConfigTest,
    ::testing::Values(
        SpecialCase{"shipped",
                    "Key_CPIKey,Key_Fire,Key_AIMKey,Key_LEDMode,Key_LEDSwitch,Key_KeyMode,Key_KeyOff",
                    {Item::CPIKey, Item::Fire, Item::AIMKey, Item::LEDMode, Item::LEDSwitch, Item::KeyMode,
                     Item::KeyOff}},
        SpecialCase{"fire_then_cpi", "Key_Fire,Key_CPIKey", {Item::Fire, Item::CPIKey}},
        SpecialCase{"missing_offers_all_eight",
                    std::nullopt,
                    {Item::CPIKey, Item::Fire, Item::AIMKey, Item::LEDMode, Item::LEDSwitch, Item::KeyMode,
                     Item::KeyOff, Item::FnFire}},
        SpecialCase{"blanks_tolerated", "  Key_FnFire ,\tKey_KeyOff  ", {Item::FnFire, Item::KeyOff}},
        SpecialCase{"unknown_names_skipped", "Key_Bogus,Key_AIMKey,ST_CPIKey,Key_LEDMode",
                    {Item::AIMKey, Item::LEDMode}},
        SpecialCase{"case_must_match", "key_fire,KEY_CPIKEY,Key_KeyMode", {Item::KeyMode}},
        SpecialCase{"empty_names_skipped", ",,Key_Fire,,", {Item::Fire}},
        SpecialCase{"repeated_name_once", "Key_Fire,Key_KeyOff,Key_Fire", {Item::Fire, Item::KeyOff}},
        SpecialCase{"without_cpi", "Key_LEDSwitch", {Item::LEDSwitch}},
        SpecialCase{"empty_text", "", {}},
        SpecialCase{"old_default_text_names_nothing", "11111110", {}}),
    [](const ::testing::TestParamInfo<SpecialCase>& info) { return std::string(info.param.name); });

TEST(SpecialConfigTest, FireThenCpiGivesTwoItemMenu) {
  const SpecialMenuLayout layout = ApplySpecialConfig("Key_Fire,Key_CPIKey");
  EXPECT_EQ(layout.height, 52);
  EXPECT_EQ(layout.topOf(Item::Fire), 0);
  EXPECT_EQ(layout.topOf(Item::CPIKey), 25);
  EXPECT_EQ(layout.cpiArrowTop, 25);
  EXPECT_FALSE(layout.offers(Item::AIMKey));
}

TEST(SpecialConfigTest, MissingGivesAllEightAtHeight202) {
  const SpecialMenuLayout layout = ApplySpecialConfig(std::nullopt);
  EXPECT_EQ(layout.entries.size(), 8u);
  EXPECT_EQ(layout.height, 202);
  EXPECT_EQ(layout.cpiArrowTop, 0);
  EXPECT_EQ(layout.topOf(Item::FnFire), 175);
}

TEST(SpecialConfigTest, FromSettings) {
  OrgSettings settings;
  settings.Special_Config = "Key_KeyOff,Key_CPIKey";
  EXPECT_EQ(ApplySpecialConfig(settings), ApplySpecialConfig("Key_KeyOff,Key_CPIKey"));
  settings.Special_Config.reset();
  EXPECT_EQ(ApplySpecialConfig(settings), ApplySpecialConfig(std::nullopt));

  const OrgSettingsResult shipped = LoadOrgSettings();
  ASSERT_TRUE(shipped.ok()) << shipped.error;
  const SpecialMenuLayout layout = ApplySpecialConfig(*shipped.settings);
  EXPECT_EQ(layout.entries.size(), 7u);
  EXPECT_EQ(layout.height, 177);
  EXPECT_FALSE(layout.offers(Item::FnFire));
  EXPECT_EQ(layout.cpiArrowTop, 0);
}

TEST(SpecialConfigTest, NamesRoundTrip) {
  for (std::size_t k = 0; k < kSpecialKeyItemCount; ++k) {
    const Item item = static_cast<Item>(k);
    EXPECT_EQ(specialKeyItemFromName(specialKeyItemName(item)), item);
  }
  EXPECT_EQ(specialKeyItemFromName("Key_fire"), std::nullopt);
  EXPECT_EQ(specialKeyItemFromName(""), std::nullopt);
}

}  // namespace
}  // namespace orva
