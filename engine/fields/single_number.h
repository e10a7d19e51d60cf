// Whether a typed text is one number, as a clerk types it.
//
// A single number is an optional sign or currency sign, digits whose groups
// after the first hold three each (parted by a blank, a no-break or narrow
// no-break space, "." or ","), at most one decimal separator, and an optional
// unit of a closed list (руб., коп., дн., мес., шт., %, $, €, USD ...) in
// any letter case, with or without its point. «10-15», «1/3», «5.5.5»,
// "approx. 40" and «1 500 руб. 50 коп.» are no numbers.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace engine {

// The length of the number at the start of `text`, its sign included, its
// unit and the blanks before the unit not; none when `text` is not a single
// number.
std::optional<std::size_t> single_number_length(std::wstring_view text);

// The number at the start of `text` as the clerk typed it, without the words,
// unit or trailing separator after it: «3 мес.» gives «3», «150 000,-» gives
// «150 000». Empty when `text` is not a single number. Templates print this
// before a noun of their own, so a noun the clerk typed is not printed twice.
std::wstring figures_as_typed(std::wstring_view text);

}  // namespace engine
