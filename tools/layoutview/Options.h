#pragma once
// The command line of orva_layoutview.

#include <QString>
#include <optional>

#include "PageTables.h"

namespace layoutview {

struct Options {
  int language = 1;
  std::optional<PageId> page{};
  QString out{};
  QString allDir{};  // --all: every page of every language into this folder
  bool outline = false;
};

inline constexpr const char* kUsage =
    "usage: orva_layoutview [--outline] --language N --page PAGE --out FILE.png\n"
    "       orva_layoutview [--outline] --all OUTDIR\n"
    "PAGE: profile1 profile2 advanced led macro macro-insert fire dialog-assembly dialog-name\n"
    "Problems (overlaps, controls outside the window, cut captions) go to stderr.\n";

// Nullopt, with a message in `error`, on bad usage.
std::optional<Options> parseOptions(const QStringList& arguments, QString& error);

}  // namespace layoutview
