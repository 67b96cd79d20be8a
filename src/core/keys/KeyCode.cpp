#include "core/keys/KeyCode.h"

#include <algorithm>

namespace orva {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr int kNibbleBits = 4;
constexpr std::uint8_t kLowNibble = 0x0F;

std::optional<int> hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

struct TaggedCode {
  int tag;
  std::string_view code;
};

// Every menu entry that assigns a fixed code.
constexpr auto kTaggedCodes = std::to_array<TaggedCode>({
    {900, "010100"},  {901, "010200"},  {902, "010400"},  {903, "010800"},  {904, "011000"},
    {1000, "0600F0"}, {1001, "090000"}, {1003, "0D0000"}, {1004, "000000"}, {1005, "0F0000"},
    {1006, "100000"}, {1100, "030194"}, {1101, "030192"}, {1102, "03018A"}, {1103, "020807"},
    {1300, "0300CD"}, {1301, "0300B7"}, {1302, "0300B6"}, {1303, "0300B5"}, {1304, "0300E9"},
    {1305, "0300EA"}, {1306, "0300E2"}, {1400, "030223"}, {1401, "030221"}, {1402, "030224"},
    {1403, "030225"}, {1404, "030226"}, {1405, "030227"}, {1406, "03022A"}, {2000, "050000"},
    {2001, "070000"}, {2002, "080000"},
});
constexpr int kAimTag = 1002;

}  // namespace

std::optional<KeyCode> CodeTextToBytes(std::string_view text) {
  if (text.size() != kCodeTextLength) return std::nullopt;
  KeyCode code{};
  for (std::size_t i = 0; i < code.size(); ++i) {
    const auto high = hexDigitValue(text[2 * i]);
    const auto low = hexDigitValue(text[2 * i + 1]);
    if (!high || !low) return std::nullopt;
    code[i] = static_cast<std::uint8_t>((*high << kNibbleBits) | *low);
  }
  return code;
}

std::string BytesToCodeText(const KeyCode& code) {
  std::string text;
  text.reserve(kCodeTextLength);
  for (const std::uint8_t byte : code) {
    text += kHexDigits[byte >> kNibbleBits];
    text += kHexDigits[byte & kLowNibble];
  }
  return text;
}

std::string TagToCode(int tag, std::uint8_t aimValue) {
  if (tag == kAimTag) return BytesToCodeText({kTypeAim, aimValue, 0});
  const auto found = std::find_if(kTaggedCodes.begin(), kTaggedCodes.end(),
                                   [tag](const TaggedCode& t) { return t.tag == tag; });
  return found == kTaggedCodes.end() ? std::string() : std::string(found->code);
}

}  // namespace orva
