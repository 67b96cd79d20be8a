#pragma once
// What each page shows: one table of rows per page. A row names a control
// (or a run of numbered controls), the layout stem that places it, its kind,
// picture and caption; PageBuilder turns the rows into placed controls.
//
// In names, stems, keys and pictures '#' stands for the row's index and '%'
// for the language number; a comma list in a name, picture or caption gives
// one entry per index.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Controls.h"

namespace layoutview {

enum class PageId {
  Profile1,
  Profile2,
  Advanced,
  Led,
  Macro,
  MacroInsert,
  Fire,
  DialogAssembly,
  DialogName,
};

inline constexpr PageId kAllPages[] = {
    PageId::Profile1, PageId::Profile2,    PageId::Advanced,       PageId::Led,        PageId::Macro,
    PageId::MacroInsert, PageId::Fire, PageId::DialogAssembly, PageId::DialogName,
};

std::string_view pageName(PageId page);
std::optional<PageId> pageFromName(std::string_view name);
bool isDialog(PageId page);

// Font of a caption: size key plus a delta, colour stem (<stem>_R/_G/_B).
// An empty size key or colour stem takes the row's label style instead.
struct FontRef {
  std::string sizeKey{};
  int delta = 0;
  std::string colourStem{};
  bool bold = false;
};

struct Row {
  std::string name{};
  std::string stem{};        // <stem>_X, <stem>_Y; empty: placed at (dx, dy)
  Kind kind = Kind::Picture;
  std::string picture{};
  std::string selectedPicture{};  // the picture of index `selected`
  int selected = 0;
  // Language key ("Str801", advanced by the index in numbered runs), a
  // literal ("=Ctrl"), the index ("#") or the index plus n ("#+3"); leading
  // blanks are kept in front of the text.
  std::string caption{};
  FontRef font{};
  std::string style{};       // label style stem: <style>_Size, _R, _G, _B
  std::string fillStem{};    // background colour stem
  int dx = 0;
  int dy = 0;
  std::string dxKey{};       // further offsets read from the layout
  std::string dyKey{};
  int width = 0;             // fixed size; 0: from the picture or the text
  int height = 0;
  std::string widthKey{};
  int widthScale = 1;        // width = widthScale * value(widthKey) + width
  std::string heightKey{};
  int first = 1;             // numbered run first..last
  int last = 1;
  std::string stepKey{};     // numbered controls advance by value(stepKey)
  bool stepAddsPictureWidth = false;
  bool stepDown = false;     // advance downwards instead of rightwards
  std::string enableKey{};   // hidden unless it reads 1
  std::string origin{};      // panel stem whose position is added
  std::string wrapKey{};     // 1: break the caption at its first '-'
  bool twoLines = false;
  bool overlay = false;
  bool spaced = false;       // caption inset by Btn_Space_F / Btn_Space_B
};

struct PageContext {
  int language = 1;
  int webX = 0;
  int webY = 0;
  bool gunOption = false;  // GD_Enable of the settings block
};

std::vector<Row> pageRows(PageId page, const PageContext& context);

}  // namespace layoutview
