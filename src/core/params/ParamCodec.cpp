#include "core/params/ParamCodec.h"

#include <array>
#include <cstdio>

#include "core/params/Checksum.h"

namespace orva {

namespace {

constexpr std::array<int, kSensorOrientationItems> kOrientationCodes = {7, 2, 4, 1, 6, 5, 0, 3};

bool bit(std::uint8_t byte, int n) { return (byte >> n) & 1; }

void setBit(std::uint8_t& byte, int n, bool on) {
  byte = static_cast<std::uint8_t>(on ? (byte | (1u << n)) : (byte & ~(1u << n)));
}

void setRadioBit(std::uint8_t& byte, int n, const RadioPair& pair, bool onMeansSet = true) {
  if (pair) setBit(byte, n, *pair == onMeansSet);
}

std::uint8_t asByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

// A combo without a selection has item index −1, which lands in a byte as 255.
int itemOrNone(const ComboIndex& combo) { return combo.value_or(-1); }

ComboIndex comboFrom(int index, int items) {
  if (index < 0 || index >= items) return std::nullopt;
  return index;
}

void setPair(ParamSections& s, int address, std::uint8_t value) {
  s.at(address) = value;
  s.at(address + 1) = complementOf(value);
}

void encodeParameterA(const ParamModel& m, ParamSections& s) {
  std::uint8_t& b0 = s.at(kSwitches);
  setRadioBit(b0, 0, m.rb_B4CPIOn);
  setRadioBit(b0, 1, m.rb_FireFnOn);
  setRadioBit(b0, 2, m.rb_LCPIOn);
  setRadioBit(b0, 3, m.rb_Save, /*onMeansSet=*/false);  // set means "always start in key mode 1"
  if (m.cb_SensorOri && *m.cb_SensorOri >= 0 && *m.cb_SensorOri < kSensorOrientationItems) {
    b0 = static_cast<std::uint8_t>((b0 & 0x8F) | (orientationCode(*m.cb_SensorOri) << 4));
  }

  std::uint8_t& b1 = s.at(kPressOptions);
  if (m.ledType) {
    switch (*m.ledType) {
      case LedType::MCULED: setBit(b0, 7, false); setBit(b1, 3, true); break;
      case LedType::RBLED: setBit(b0, 7, true); setBit(b1, 3, true); break;
      case LedType::SyncLED: setBit(b0, 7, true); setBit(b1, 3, false); setBit(b1, 4, false); break;
      case LedType::BreLED: setBit(b0, 7, true); setBit(b1, 3, false); setBit(b1, 4, true); break;
    }
  }
  setBit(b1, 0, m.cb_MidPress);
  setBit(b1, 1, m.cb_CPIPress);
  setBit(b1, 2, m.cb_GunPress);
  setBit(b1, 5, m.cb_Smooth);

  s.at(kDpiCount) = asByte(itemOrNone(m.cb_CPIStep) + 2);

  std::uint8_t& b3 = s.at(kLedLook);
  setRadioBit(b3, 3, m.rb_MCULED3Control);
  if (m.edt_MCULEDNum >= 4 && m.edt_MCULEDNum <= 13) {
    b3 = static_cast<std::uint8_t>((b3 & 0x0F) | ((13 - m.edt_MCULEDNum) << 4));
  }

  if (m.ledType == LedType::MCULED) {
    std::uint8_t modes = 1;
    for (int k = 0; k < 7; ++k) setBit(modes, k + 1, m.cb_Mode[k]);
    s.at(kLedModes) = modes;
  }

  for (int level = 0; level < kDpiLevels; ++level) {
    s.at(kDpiIndexes + level) = asByte(itemOrNone(m.cb_CPI[level]));
    for (int c = 0; c < 3; ++c) s.at(kDpiColors + 3 * level + c) = asByte(m.edt_CPIColor[level][c]);
  }
}

void encodeParameterB(const ParamModel& m, ParamSections& s) {
  setPair(s, kCurrentDpi, asByte(itemOrNone(m.cb_CurrentCPI)));

  std::uint8_t state = 0;  // rebuilt from nothing: bit 4 and unused fields stay 0
  if (m.ledType == LedType::MCULED) {
    state = asByte((itemOrNone(m.cb_MCULEDCurrentMode) + 1) & 0x07);
    state = static_cast<std::uint8_t>(state | ((m.edt_MCULEDCrtStep & 0x07) << 5));
  } else if (m.ledType == LedType::RBLED) {
    state = asByte((itemOrNone(m.cb_RBLEDCurrentMode) + 1) & 0x07);
  }
  setBit(state, 3, m.rb_LEDOff == true);
  setPair(s, kLedState, state);

  setPair(s, kKeyMode, m.cb_KeyMode == 1 ? 0x80 : 0x00);
  s.at(kManufacturerIdAddress) = asByte(m.edt_VendorID);
  s.at(kProductIdAddress) = asByte(m.edt_ProductID);
}

void encodeFireAreas(const ParamModel& m, ParamSections& s) {
  for (int n = 0; n < kFireMacroCount; ++n) {
    setPair(s, kYOffsets.offset + 2 * n, asByte(m.edt_YOffset[n]));
    for (int c = 0; c < 3; ++c) s.at(kFireMacroColors.offset + 3 * n + c) = asByte(m.edt_FireMacroColor[n][c]);
  }
  s.at(kFireCount) = m.cb_IsFireContinue ? 255 : asByte(itemOrNone(m.cb_FireCount));
  s.at(kFireInterval) = asByte(m.edt_FireTime);
}

}  // namespace

int orientationCode(int item) { return kOrientationCodes.at(item); }

int orientationItem(int code) {
  for (int i = 0; i < kSensorOrientationItems; ++i) {
    if (kOrientationCodes[i] == code) return i;
  }
  return 0;
}

void UIToDataBuf(const ParamModel& model, ParamSections& sections) {
  encodeParameterA(model, sections);
  encodeParameterB(model, sections);
  encodeFireAreas(model, sections);
}

void RefreshUI(const ParamSections& s, ParamModel& m) {
  const std::uint8_t b0 = s.at(kSwitches);
  const std::uint8_t b1 = s.at(kPressOptions);
  m.rb_B4CPIOn = bit(b0, 0);
  m.rb_FireFnOn = bit(b0, 1);
  m.rb_LCPIOn = bit(b0, 2);
  m.rb_Save = !bit(b0, 3);
  m.cb_SensorOri = orientationItem((b0 >> 4) & 0x07);
  if (!bit(b0, 7)) {
    m.ledType = LedType::MCULED;
  } else if (bit(b1, 3)) {
    m.ledType = LedType::RBLED;
  } else if (bit(b1, 4)) {
    m.ledType = LedType::BreLED;
  } else {
    m.ledType = LedType::SyncLED;
  }
  m.cb_MidPress = bit(b1, 0);
  m.cb_CPIPress = bit(b1, 1);
  m.cb_GunPress = bit(b1, 2);
  m.cb_Smooth = bit(b1, 5);
  m.cb_CPIStep = comboFrom(s.at(kDpiCount) - 2, kDpiCountItems);

  const std::uint8_t b3 = s.at(kLedLook);
  m.rb_MCULED3Control = bit(b3, 3);
  if ((b3 >> 4) <= 9) m.edt_MCULEDNum = 13 - (b3 >> 4);
  for (int k = 0; k < 7; ++k) m.cb_Mode[k] = bit(s.at(kLedModes), k + 1);
  for (int level = 0; level < kDpiLevels; ++level) {
    m.cb_CPI[level] = comboFrom(s.at(kDpiIndexes + level), kDpiValueItems);
    for (int c = 0; c < 3; ++c) m.edt_CPIColor[level][c] = s.at(kDpiColors + 3 * level + c);
  }

  m.cb_CurrentCPI = comboFrom(s.at(kCurrentDpi), kDpiLevels);
  const std::uint8_t state = s.at(kLedState);
  const ComboIndex mode = comboFrom((state & 0x07) - 1, kLedModeItems);
  if (m.ledType == LedType::MCULED) m.cb_MCULEDCurrentMode = mode;
  if (m.ledType == LedType::RBLED) m.cb_RBLEDCurrentMode = mode;
  m.rb_LEDOff = bit(state, 3);
  m.edt_MCULEDCrtStep = state >> 5;
  m.cb_KeyMode = bit(s.at(kKeyMode), 7) ? 1 : 0;
  m.edt_VendorID = s.at(kManufacturerIdAddress);
  m.edt_ProductID = s.at(kProductIdAddress);

  for (int n = 0; n < kFireMacroCount; ++n) {
    m.edt_YOffset[n] = static_cast<std::int8_t>(s.at(kYOffsets.offset + 2 * n));
    for (int c = 0; c < 3; ++c) m.edt_FireMacroColor[n][c] = s.at(kFireMacroColors.offset + 3 * n + c);
  }
  m.cb_IsFireContinue = s.at(kFireCount) == 255;
  m.cb_FireCount = m.cb_IsFireContinue ? std::nullopt : ComboIndex(s.at(kFireCount));
  m.edt_FireTime = s.at(kFireInterval);
}

void DataBufToUI(const ParamSections& sections, ParamModel& model, ProfileCodes& profile1,
                 ProfileCodes& profile2) {
  const auto profile = sections.section(Section::Profile);
  for (int p = 0; p < 2; ++p) {
    ProfileCodes& codes = p == 0 ? profile1 : profile2;
    for (int button = 0; button < kButtons; ++button) {
      char text[8];
      const auto* code = profile.data() + kProfileCodesSize * p + kKeyCodeSize * button;
      std::snprintf(text, sizeof text, "%02X%02X%02X", code[0], code[1], code[2]);
      codes[button] = text;
    }
  }
  RefreshUI(sections, model);
}

}  // namespace orva
