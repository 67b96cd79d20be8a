#pragma once
// The folder of the program's data files (macro library, gun key scripts,
// default and driver files): the executable's folder when it is writable,
// so that a copy of the program on a stick keeps its files with it, else the
// user's data folder. The settings block's Path overrides it.

#include <string>

namespace orva {

// With a trailing separator; the user's data folder is created when needed.
std::string AppFolder();

}  // namespace orva
