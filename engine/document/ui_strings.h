// The interface texts: 158 rows of English and Russian, compiled in from
// resources/ui_strings.tsv at build time. A row outside the table, or a
// language other than 0 or 1, gives empty text.
#pragma once

#include <string>

namespace engine {

inline constexpr int ui_string_rows = 158;

// The text of `row` in `language` (0 English, 1 Russian).
std::wstring ui_string(int row, int language);

}  // namespace engine
