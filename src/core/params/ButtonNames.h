#pragma once
// The names the nine buttons of both profiles are shown with, macros named
// after the mouse's macro slots as the program holds them.

#include "core/keys/KeyNames.h"
#include "core/params/ParameterCycles.h"

namespace orva {

// `naming` without its macro-slot lookup: the slots of `cycles` give it.
KeyNames buttonNames(const ParameterCycles& cycles, KeyNaming naming);

}  // namespace orva
