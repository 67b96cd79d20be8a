#pragma once

namespace artgen {

// The states a skinned button is drawn in. Active is pressed for push
// buttons and selected for page and language buttons.
enum class Look { Normal, Hover, Active };

}  // namespace artgen
