// Reading a typed date: Russian day-month-year with Cyrillic month names,
// English month-day-year with Latin ones, chosen by the language; English
// also day-month-year with the month in words (7 Dec 2026), and both
// languages year-month-day with dashes (2026-12-07).
#pragma once

#include <cstdint>
#include <string>

#include "engine/fields/date_value.h"

namespace engine {

// Never fails: a text that is no complete, possible date gives `valid` false
// with empty calendar fields and seconds 0. A blank text gives today's date,
// still not valid, and an empty `text`. `language` 0 English, 1 Russian;
// `now` is the wall clock (seconds since 1970), which the value keeps.
date_value parse_date_value(const std::wstring& text, int language, std::int64_t now);

}  // namespace engine
