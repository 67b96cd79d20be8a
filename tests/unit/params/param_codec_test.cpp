// Decoding the image into the model and encoding it back.
#include <gtest/gtest.h>

#include <functional>

#include "core/params/DefaultImages.h"
#include "core/params/ParamCodec.h"

namespace orva {
namespace {

class Codec : public ::testing::Test {
 protected:
  void SetUp() override {
    sections.takeFrom(*builtInDefaultImage(1));
    DataBufToUI(sections, model, codes1, codes2);
  }
  ParamSections sections;
  ParamModel model;
  ProfileCodes codes1, codes2;
};

TEST_F(Codec, DefaultImage1DecodesAsShipped) {
  EXPECT_EQ(model.ledType, LedType::MCULED);
  EXPECT_EQ(model.rb_B4CPIOn, false);
  EXPECT_EQ(model.rb_FireFnOn, false);
  EXPECT_EQ(model.rb_LCPIOn, true);
  EXPECT_EQ(model.rb_Save, true);
  EXPECT_EQ(model.cb_SensorOri, 3);  // "270 °"
  EXPECT_FALSE(model.cb_MidPress || model.cb_CPIPress || model.cb_GunPress);
  EXPECT_TRUE(model.cb_Smooth);
  EXPECT_EQ(model.cb_CPIStep, 4);  // six levels
  EXPECT_EQ(model.rb_MCULED3Control, true);
  EXPECT_EQ(model.edt_MCULEDNum, 10);
  EXPECT_EQ(model.cb_Mode, (std::array<bool, 7>{true, true, true, true, true, true, true}));
  EXPECT_EQ(model.cb_CPI, (std::array<ComboIndex, 7>{1, 4, 6, 7, 9, 10, 7}));
  EXPECT_EQ(model.edt_CPIColor[0], (Rgb{0, 255, 0}));
  EXPECT_EQ(model.edt_CPIColor[6], (Rgb{255, 255, 255}));
  EXPECT_EQ(model.cb_CurrentCPI, 1);
  EXPECT_EQ(model.cb_MCULEDCurrentMode, 3);  // mode 4
  EXPECT_EQ(model.edt_MCULEDCrtStep, 2);
  EXPECT_EQ(model.rb_LEDOff, false);
  EXPECT_EQ(model.cb_KeyMode, 0);
  EXPECT_EQ(model.edt_VendorID, 255);
  EXPECT_EQ(model.edt_ProductID, 255);
  EXPECT_EQ(model.edt_YOffset, (std::array<int, 10>{}));
  EXPECT_EQ(model.edt_FireMacroColor[6], (Rgb{255, 128, 0}));
  EXPECT_FALSE(model.cb_IsFireContinue);
  EXPECT_EQ(model.cb_FireCount, 2);
  EXPECT_EQ(model.edt_FireTime, 6);
  const ProfileCodes expected = {"010100", "010400", "010200", "010800", "011000",
                                 "050000", "070000", "080000", "0600F0"};
  EXPECT_EQ(codes1, expected);
  EXPECT_EQ(codes2, expected);
}

TEST_F(Codec, DecodingThenEncodingChangesNoByte) {
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    ParamSections s;
    s.takeFrom(*builtInDefaultImage(n));
    const ParamSections before = s;
    ParamModel m;
    RefreshUI(s, m);
    UIToDataBuf(m, s);
    EXPECT_EQ(s, before);
  }
}

TEST_F(Codec, EncodingThenDecodingKeepsTheModel) {
  model.ledType = LedType::RBLED;
  model.cb_RBLEDCurrentMode = 5;
  model.edt_MCULEDCrtStep = 0;
  model.rb_Save = false;
  model.cb_SensorOri = 6;
  model.cb_CPI[3] = std::nullopt;
  model.edt_YOffset[9] = -128;
  model.cb_KeyMode = 1;
  model.cb_FireCount = 254;
  model.edt_FireTime = 200;
  UIToDataBuf(model, sections);
  ParamModel decoded = model;
  decoded.cb_MCULEDCurrentMode = std::nullopt;  // the decoder must not need what it had
  RefreshUI(sections, decoded);
  decoded.cb_MCULEDCurrentMode = model.cb_MCULEDCurrentMode;
  EXPECT_EQ(decoded, model);
}

struct EncodeCase {
  const char* name;
  std::function<void(ParamModel&)> edit;
  std::vector<std::pair<int, int>> expectedBytes;  // image address → value after encoding
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

class Encode : public Codec, public ::testing::WithParamInterface<EncodeCase> {};

TEST_P(Encode, WritesTheNamedBitsOnly) {
  const EncodeCase& c = GetParam();
  ParamSections before = sections;
  c.edit(model);
  UIToDataBuf(model, sections);
  for (const auto& [address, value] : c.expectedBytes) {
    EXPECT_EQ(sections.at(address), value) << "byte " << address;
    before.at(address) = static_cast<std::uint8_t>(value);
  }
  // No other byte moved.
  EXPECT_EQ(sections, before);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Encode,
    ::testing::Values(
        EncodeCase{"FourLedsFullBrightness", [](ParamModel& m) { m.edt_MCULEDNum = 4; }, {{3, 0x98}}},
        EncodeCase{"ThirteenLedsHalfBrightness",
                   [](ParamModel& m) { m.edt_MCULEDNum = 13; m.rb_MCULED3Control = false; }, {{3, 0x00}}},
        EncodeCase{"LedCountOutsideFourToThirteenKeepsNibble",
                   [](ParamModel& m) { m.edt_MCULEDNum = 14; }, {{3, 0x38}}},
        EncodeCase{"StreamerStateByte",
                   [](ParamModel& m) { m.cb_MCULEDCurrentMode = 2; m.rb_LEDOff = true; m.edt_MCULEDCrtStep = 5; },
                   {{50, 0xAB}, {51, 0x54}}},
        EncodeCase{"TwoColourLedLeavesModesByteAndStep",
                   [](ParamModel& m) {
                     m.ledType = LedType::RBLED;
                     m.cb_RBLEDCurrentMode = 6;
                     m.cb_Mode = {};
                     m.edt_MCULEDCrtStep = 7;
                   },
                   {{0, 0x94}, {1, 0xF8}, {4, 0xFF}, {50, 0x07}, {51, 0xF8}}},
        EncodeCase{"StreamerModesByte", [](ParamModel& m) { m.cb_Mode = {true, false, true, false, false, false, true}; },
                   {{4, 0x8B}}},
        EncodeCase{"SyncLed", [](ParamModel& m) { m.ledType = LedType::SyncLED; },
                   {{0, 0x94}, {1, 0xE0}, {50, 0x00}, {51, 0xFF}}},
        EncodeCase{"BreathingLed", [](ParamModel& m) { m.ledType = LedType::BreLED; },
                   {{0, 0x94}, {1, 0xF0}, {50, 0x00}, {51, 0xFF}}},
        EncodeCase{"NoSaveSetsBit3", [](ParamModel& m) { m.rb_Save = false; }, {{0, 0x1C}}},
        EncodeCase{"UnsetRadioPairsLeaveTheirBits",
                   [](ParamModel& m) { m.rb_Save = m.rb_LCPIOn = m.rb_B4CPIOn = m.rb_MCULED3Control = std::nullopt; },
                   {}},
        EncodeCase{"RadioPairs",
                   [](ParamModel& m) { m.rb_B4CPIOn = true; m.rb_FireFnOn = true; m.rb_LCPIOn = false; }, {{0, 0x13}}},
        EncodeCase{"Orientation180", [](ParamModel& m) { m.cb_SensorOri = 2; }, {{0, 0x44}}},
        EncodeCase{"PressOptions",
                   [](ParamModel& m) { m.cb_MidPress = m.cb_GunPress = true; m.cb_Smooth = false; }, {{1, 0xDD}}},
        EncodeCase{"DpiLevelsAndUnsetValue",
                   [](ParamModel& m) { m.cb_CPIStep = 0; m.cb_CPI[6] = std::nullopt; m.cb_CPI[0] = 11; },
                   {{2, 2}, {6, 11}, {12, 255}}},
        EncodeCase{"CurrentLevelWithComplement", [](ParamModel& m) { m.cb_CurrentCPI = 6; }, {{48, 6}, {49, 249}}},
        EncodeCase{"KeyModeTwo", [](ParamModel& m) { m.cb_KeyMode = 1; }, {{52, 0x80}, {53, 0x7F}}},
        EncodeCase{"IdentityBytes", [](ParamModel& m) { m.edt_VendorID = 0x12; m.edt_ProductID = 0x34; },
                   {{54, 0x12}, {55, 0x34}}},
        EncodeCase{"NegativeYOffsetWithComplement", [](ParamModel& m) { m.edt_YOffset[1] = -5; },
                   {{178, 0xFB}, {179, 0x04}}},
        EncodeCase{"FireColour", [](ParamModel& m) { m.edt_FireMacroColor[9] = {1, 2, 3}; },
                   {{235, 1}, {236, 2}, {237, 3}}},
        EncodeCase{"ContinuousFire", [](ParamModel& m) { m.cb_IsFireContinue = true; }, {{242, 255}}},
        EncodeCase{"FireCountAndIntervalModulo256",
                   [](ParamModel& m) { m.cb_FireCount = 7; m.edt_FireTime = 300; }, {{242, 7}, {248, 44}}}),
    [](const auto& info) { return info.param.name; });

TEST(Orientation, EveryItemHasItsCode) {
  const int codes[8] = {7, 2, 4, 1, 6, 5, 0, 3};
  for (int item = 0; item < 8; ++item) {
    EXPECT_EQ(orientationCode(item), codes[item]);
    EXPECT_EQ(orientationItem(codes[item]), item);
  }
}

TEST_F(Codec, ValuesAControlCannotShowDecodeAsNoChangeOrNoSelection) {
  model.edt_MCULEDNum = 7;
  sections.at(3) = 0xC8;   // nibble 12
  sections.at(2) = 9;      // nine levels
  sections.at(6) = 12;     // DPI index past the list
  sections.at(48) = 7;     // level past the last
  sections.at(242) = 255;  // endless fire
  sections.at(50) = 0x40;  // mode number 0
  RefreshUI(sections, model);
  EXPECT_EQ(model.edt_MCULEDNum, 7);
  EXPECT_EQ(model.cb_CPIStep, std::nullopt);
  EXPECT_EQ(model.cb_CPI[0], std::nullopt);
  EXPECT_EQ(model.cb_CurrentCPI, std::nullopt);
  EXPECT_TRUE(model.cb_IsFireContinue);
  EXPECT_EQ(model.cb_FireCount, std::nullopt);
  EXPECT_EQ(model.cb_MCULEDCurrentMode, std::nullopt);
}

}  // namespace
}  // namespace orva
