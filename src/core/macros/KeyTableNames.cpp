#include "core/macros/KeyTableNames.h"

#include "core/keys/KeyTable.h"

namespace orva {

MacroKeyNames keyTableMacroNames() { return MacroKeyNames{VkToCaptureName, UsageName}; }

KeyLookup keyTableLookup() { return KeyLookup{VkToCaptureName, VkToUsage}; }

}  // namespace orva
