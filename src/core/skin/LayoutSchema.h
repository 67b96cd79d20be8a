#pragma once
// The keys of a layout file ("org1".."org3"), as data: sections in file
// order, each a list of stems, each stem expanded with its suffixes. The
// program reads every key of a stem marked as read; the files also carry a
// few stems nobody reads (kept so the three files stay alike).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

// The suffixes that turn a stem into keys, in the order the keys appear.
enum class LayoutSuffixes {
  Value,                // the stem is the key: Size_A, M_L_W
  Colour,               // _R _G _B
  Position,             // _X _Y
  Switch,               // _Enable _X _Y
  PositionStep,         // _X _Y _D (tick or cell spacing)
  PositionRowHeight,    // _X _Y _H
  PositionWidth,        // _X _Y _W
  PositionHeightWidth,  // _X _Y _H _W
  Label,                // _X _Y _R _G _B _Size _Width
  PlacedLabel,          // _X _Y _Width (colour and size from an option style)
  LabelStyle,           // _R _G _B _Size _Width (placed elsewhere)
  OptionStyle,          // _R _G _B _Size
};

std::span<const std::string_view> layoutSuffixNames(LayoutSuffixes suffixes);

// A stem, or a numbered series of stems: "#" in the pattern stands for each
// number first..last ("DPI#_Check", 1, 7 gives DPI1_Check .. DPI7_Check).
struct LayoutStem {
  std::string_view pattern;
  LayoutSuffixes suffixes;
  int first = 0;
  int last = 0;
  bool read = true;
};

struct LayoutSection {
  std::string_view heading;  // the comment line that opens the group in a file
  std::span<const LayoutStem> stems;
};

std::span<const LayoutSection> layoutSections();

struct LayoutKey {
  std::string name;
  std::size_t section;  // index into layoutSections()
  bool read;
};

// Every key of a layout file in file order, read or not.
const std::vector<LayoutKey>& layoutFileKeys();

// The keys the program reads, in file order.
std::vector<std::string> layoutKeys();

// The keys the files carry that the program does not read, in file order.
std::vector<std::string> unusedLayoutKeys();

}  // namespace orva
