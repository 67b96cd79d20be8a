#pragma once
// The three embedded language tables, resources "lang1".."lang3" (English,
// Russian, Chinese in traditional characters), and the reverse lookup that
// carries a caption from one language to another.

#include <span>
#include <string>
#include <string_view>

#include "core/skin/LanguageTable.h"

namespace orva {

inline constexpr int kLanguageCount = 3;
inline constexpr int kFirstLanguage = 1;  // every run starts in it; not remembered

// FindTextKey searches the keys Str000..Str700.
inline constexpr int kFindTextKeyFirst = 0;
inline constexpr int kFindTextKeyLast = 700;

// "Str" and `number` written with three digits: strKey(7) is "Str007".
// `number` is 0..999.
std::string strKey(int number);

// "lang1".."lang3": the resource of a language, and the section it reads.
std::string languageResourceName(int index);

// The embedded table of language `index` (1..kLanguageCount), read on first
// use. Any other index gives a table without texts.
const LanguageTable& languageTable(int index);

// The embedded tables, language 1 first.
std::span<const LanguageTable> languageTables();

// The key whose text equals `text` exactly (case and blanks included),
// searching tables 1, 2, 3 in turn and in each the keys Str000..Str700 in
// ascending order; the last match wins. Empty when nothing matches, and
// always for the empty text: an empty caption has nothing to translate,
// and keys a table lacks match nothing.
std::string FindTextKey(std::string_view text);

// The same over the given tables, in their order.
std::string FindTextKey(std::span<const LanguageTable> tables, std::string_view text);

}  // namespace orva
