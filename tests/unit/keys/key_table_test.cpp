// The key table by VK and by usage.
#include "core/keys/KeyTable.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

struct KeyCase {
  int vk;
  const char* captureName;
  std::uint8_t usage;
  const char* displayName;  // nullptr: the capture name
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "VK 0x" << std::hex << c.vk; }

class KeyTableRow : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableRow, ByVkAndByUsage) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(VkToCaptureName(c.vk), c.captureName);
  EXPECT_EQ(VkToUsage(c.vk), c.usage);
  if (c.usage != kNoUsage) {
    EXPECT_EQ(UsageName(c.usage), c.displayName ? c.displayName : c.captureName);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, KeyTableRow,
    ::testing::Values(KeyCase{0x41, "A", 0x04, nullptr}, KeyCase{0x4D, "M", 0x10, nullptr},
                      KeyCase{0x5A, "Z", 0x1D, nullptr}, KeyCase{0x31, "1", 0x1E, nullptr},
                      KeyCase{0x39, "9", 0x26, nullptr}, KeyCase{0x30, "0", 0x27, nullptr},
                      KeyCase{0x70, "F1", 0x3A, nullptr}, KeyCase{0x7B, "F12", 0x45, nullptr},
                      KeyCase{0x7C, "F13", 0x68, nullptr}, KeyCase{0x87, "F24", 0x73, nullptr},
                      KeyCase{0x61, "1 (numeric pad)", 0x59, nullptr},
                      KeyCase{0x62, "2 (numeric pad)", 0x5A, nullptr},
                      KeyCase{0x69, "9 (numeric pad)", 0x61, nullptr},
                      KeyCase{0x60, "0 (numeric pad)", 0x62, nullptr}));

INSTANTIATE_TEST_SUITE_P(
    SpecialRows, KeyTableRow,
    ::testing::Values(
        KeyCase{0x08, "Backspace", 0x2A, nullptr}, KeyCase{0x09, "Tab", 0x2B, nullptr},
        KeyCase{0x0C, "Clear", 0x9C, nullptr}, KeyCase{0x0D, "Enter", 0x28, nullptr},
        KeyCase{0x10, "Shift", 0xE1, "Left Shift"}, KeyCase{0x11, "Ctrl", 0xE0, "Left Ctrl"},
        KeyCase{0x12, "Alt", 0xE2, "Left Alt"}, KeyCase{0x13, "Pause", 0x48, nullptr},
        KeyCase{0x14, "Caps Lock", 0x39, nullptr}, KeyCase{0x1B, "Esc", 0x29, nullptr},
        KeyCase{0x20, "Space bar", 0x2C, nullptr}, KeyCase{0x21, "Page Up", 0x4B, nullptr},
        KeyCase{0x22, "Page Down", 0x4E, nullptr}, KeyCase{0x23, "End", 0x4D, nullptr},
        KeyCase{0x24, "Home", 0x4A, nullptr}, KeyCase{0x25, "Left Arrow", 0x50, nullptr},
        KeyCase{0x26, "Up Arrow", 0x52, nullptr}, KeyCase{0x27, "Right Arrow", 0x4F, nullptr},
        KeyCase{0x28, "Down Arrow", 0x51, nullptr}, KeyCase{0x29, "Select", 0x77, nullptr},
        KeyCase{0x2C, "Print Screen", 0x46, nullptr}, KeyCase{0x2D, "Insert", 0x49, nullptr},
        KeyCase{0x2E, "Delete", 0x4C, nullptr}, KeyCase{0x2F, "Help", 0x75, nullptr},
        KeyCase{0x5B, "Left Windows", 0xE3, "Win"}, KeyCase{0x5C, "Right Windows", 0xE7, "Win"},
        KeyCase{0x5D, "Applications", 0x65, nullptr},
        KeyCase{0x6A, "Multiply (numeric pad)", 0x55, nullptr},
        KeyCase{0x6B, "Add (numeric pad)", 0x57, nullptr},
        KeyCase{0x6C, "Separator (numeric pad)", 0x58, nullptr},
        KeyCase{0x6D, "Subtract (numeric pad)", 0x56, nullptr},
        KeyCase{0x6E, "Decimal (numeric pad)", 0x63, nullptr},
        KeyCase{0x6F, "Divide (numeric pad)", 0x54, nullptr}, KeyCase{0x90, "Num Lock", 0x53, nullptr},
        KeyCase{0x91, "Scroll Lock", 0x47, nullptr}, KeyCase{0xA0, "Left Shift", 0xE1, nullptr},
        KeyCase{0xA1, "Right Shift", 0xE5, nullptr}, KeyCase{0xA2, "Left Ctrl", 0xE0, nullptr},
        KeyCase{0xA3, "Right Ctrl", 0xE4, nullptr}, KeyCase{0xA4, "Left Alt", 0xE2, nullptr},
        KeyCase{0xA5, "Right Alt", 0xE6, nullptr}, KeyCase{0xA6, "Browser_Back", 0xCA, nullptr},
        KeyCase{0xA7, "Browser_Forward", 0xCB, nullptr}, KeyCase{0xA8, "Browser_Refresh", 0xCD, nullptr},
        KeyCase{0xA9, "Browser_Stop", 0xCC, nullptr}, KeyCase{0xAA, "Browser_Search", 0xC8, nullptr},
        KeyCase{0xAB, "Browser_Favorites", 0xCE, nullptr}, KeyCase{0xAC, "Browser_Home", 0xC9, nullptr},
        KeyCase{0xAD, "Volume_Mute", 0xC4, nullptr}, KeyCase{0xAE, "Volume_Down", 0xC6, nullptr},
        KeyCase{0xAF, "Volume_Up", 0xC5, nullptr}, KeyCase{0xB0, "Media_Next_Track", 0xC0, nullptr},
        KeyCase{0xB1, "Media_Prev_Track", 0xC1, nullptr}, KeyCase{0xB2, "Media_Stop", 0xC2, nullptr},
        KeyCase{0xB3, "Media_Play_Pause", 0xC3, nullptr}, KeyCase{0xB4, "Launch_Mail", 0xC7, nullptr},
        KeyCase{0xB5, "Launch_Media_Select", 0xD1, nullptr}, KeyCase{0xB6, "Launch_App1", 0, nullptr},
        KeyCase{0xB7, "Launch_App2", 0, nullptr}, KeyCase{0xBA, "OEM_1", 0x33, nullptr},
        KeyCase{0xBB, "OEM_Plus", 0x2E, nullptr}, KeyCase{0xBC, "OEM_Comma", 0x36, nullptr},
        KeyCase{0xBD, "OEM_Minus", 0x2D, nullptr}, KeyCase{0xBE, "OEM_Period", 0x37, nullptr},
        KeyCase{0xBF, "OEM_2", 0x38, nullptr}, KeyCase{0xC0, "OEM_3", 0x35, nullptr},
        KeyCase{0xDB, "OEM_4", 0x2F, nullptr}, KeyCase{0xDC, "OEM_5", 0x31, nullptr},
        KeyCase{0xDD, "OEM_6", 0x30, nullptr}, KeyCase{0xDE, "OEM_7", 0x34, nullptr},
        KeyCase{0xDF, "OEM_8", 0, nullptr}, KeyCase{0xFF, "255", 0, nullptr}));

// Neighbours of the rows and values outside the VK range.
INSTANTIATE_TEST_SUITE_P(
    NoRow, KeyTableRow,
    ::testing::Values(KeyCase{0x00, "None", 0, nullptr}, KeyCase{0x07, "None", 0, nullptr},
                      KeyCase{0x0A, "None", 0, nullptr}, KeyCase{0x2A, "None", 0, nullptr},
                      KeyCase{0x2B, "None", 0, nullptr}, KeyCase{0x3A, "None", 0, nullptr},
                      KeyCase{0x40, "None", 0, nullptr}, KeyCase{0x5E, "None", 0, nullptr},
                      KeyCase{0x5F, "None", 0, nullptr}, KeyCase{0x88, "None", 0, nullptr},
                      KeyCase{0x92, "None", 0, nullptr}, KeyCase{0xB8, "None", 0, nullptr},
                      KeyCase{0xC1, "None", 0, nullptr}, KeyCase{0xE0, "None", 0, nullptr},
                      KeyCase{0xFE, "None", 0, nullptr}, KeyCase{-1, "None", 0, nullptr},
                      KeyCase{0x100, "None", 0, nullptr}, KeyCase{0x141, "None", 0, nullptr}));

TEST(UsageName, EmptyForUsageZeroAndUsagesInNoRow) {
  for (const int usage : {0x00, 0x01, 0x03, 0x32, 0x66, 0x64, 0x74, 0xCF, 0xD0, 0xE8, 0xFF}) {
    EXPECT_EQ(UsageName(static_cast<std::uint8_t>(usage)), "") << "usage 0x" << std::hex << usage;
  }
}

TEST(KeyTable, ModifierVks) {
  for (const int vk : {0x10, 0x11, 0x12, 0x5B, 0x5C, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}) {
    EXPECT_TRUE(isModifierVk(vk)) << std::hex << vk;
  }
  for (const int vk : {0x0F, 0x13, 0x14, 0x5A, 0x5D, 0x9F, 0xA6}) EXPECT_FALSE(isModifierVk(vk)) << std::hex << vk;
}

}  // namespace
}  // namespace orva
