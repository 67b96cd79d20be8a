#pragma once
// Input rules of the macro page's number fields and of the name, delay and
// value dialogs. A field takes only the keys it accepts, and every change of
// its text is corrected at once, so it never shows a value outside its range.

#include <optional>
#include <string>
#include <string_view>

#include "core/macros/MacroEventLine.h"
#include "core/macros/MacroName.h"
#include "core/macros/MacroOptions.h"
#include "core/macros/editor/EditKind.h"

namespace orva {

struct NumberFieldRule {
  int minimum;
  int maximum;
  int emptyValue;     // what an emptied field shows
  bool acceptsMinus;  // a lone "-" is then kept so that a negative number can be typed
};

// Edt_Delay, Edt_InsertDelay and the delay dialog.
inline constexpr NumberFieldRule kDelayFieldRule{0, kMaxDelayPairMs, 0, false};
// Edt_Circle_Times: a repetition runs at least once.
inline constexpr NumberFieldRule kRepeatTimesFieldRule{kMinRepeatCount, kMaxRepeatCount, kMinRepeatCount, false};
// edt_XAxisValue, edt_YAxisValue and the value dialog for movements.
inline constexpr NumberFieldRule kMoveFieldRule{-128, 127, 0, true};
// The value dialog for a repetition count.
inline constexpr NumberFieldRule kRepeatCountFieldRule{0, 255, 0, true};

// Edt_Delay and Edt_Circle_Times start from the defaults of MacroOptions.
inline constexpr int kDefaultInsertDelayMs = 50;  // Edt_InsertDelay
inline constexpr int kDefaultMoveValue = 12;      // edt_XAxisValue, edt_YAxisValue

inline constexpr char32_t kBackspaceKey = U'\b';

// The value dialog's rule for the line being edited (movement or repetition
// count); nothing for kinds that other dialogs edit.
std::optional<NumberFieldRule> valueFieldRule(EditKind kind);

// Digits and backspace, and "-" where the rule takes it.
bool acceptsKey(const NumberFieldRule& rule, char32_t key);

// The text the field shows after a change: other characters than digits and
// a leading "-" are dropped, empty text becomes the empty value, a lone "-"
// stays where "-" can be typed, anything else becomes its number clamped to
// the range, without leading zeros.
std::string correctField(const NumberFieldRule& rule, std::string_view text);

// The number a corrected field holds; nothing for a lone "-" (which a dialog
// refuses to confirm) or empty text.
std::optional<int> fieldValue(std::string_view text);

// The name dialog takes at most kMacroNameUnits UTF-16 code units; a pair of
// surrogates is never cut in half.
std::u16string limitMacroName(std::u16string_view text);

}  // namespace orva
