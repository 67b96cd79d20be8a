#pragma once
// The key table as the macro codec and recorder ask for it: capture names
// by virtual key, keyboard usages and their names.

#include "core/macros/MacroCodec.h"
#include "core/macros/editor/MacroRecorder.h"

namespace orva {

MacroKeyNames keyTableMacroNames();
KeyLookup keyTableLookup();

}  // namespace orva
