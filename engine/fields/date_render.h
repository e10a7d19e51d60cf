// The texts of a date: numeric, long, formal, in words, and its parts.
//
// Every rendering follows the date's own language, whatever the language of
// the modifier that asked for it. Output is HTML for the page except the
// plain long date, which the date dialog shows and reads back.
#pragma once

#include <string>

#include "engine/fields/date_value.h"

namespace engine {

// 05.01.2024 / 1/5/2024.
std::wstring render_short_date(const date_value& date);
// 05&thinsp;января <nowrap>2024&thinsp;г.</nowrap> (html) or 05 января 2024 г.;
// January 5, 2024 in both forms.
std::wstring render_long_date(const date_value& date, bool html);
// «05»&thinsp;января 2024&thinsp;г. / 5th day of January, 2024.
std::wstring render_formal_date(const date_value& date);
// пятое января <year in words> года / January/5th 2024.
std::wstring render_date_in_words(const date_value& date);
std::wstring render_year(const date_value& date);

enum day_mode : unsigned { day_number = 0, day_with_suffix = 1, day_in_words = 2 };
// Russian day numbers are padded to two digits (05), English ones are not.
std::wstring render_day(const date_value& date, unsigned mode);
// The month number (Russian padded: 01) or its name (Russian genitive).
std::wstring render_month(const date_value& date, bool in_words);

// The Russian year of a date in words, as it follows a day and month: 2024
// gives "две тысячи двадцать четвертого". A year of other than four digits,
// and a century year other than 1900 and 2000, keeps its digits.
std::wstring russian_year_in_words(const std::wstring& year);

}  // namespace engine
