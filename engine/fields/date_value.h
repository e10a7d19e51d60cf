// A calendar date read from a field, made for today, or made from seconds.
//
// A value object: made on the stack for one rendering and discarded. Its
// language is fixed when it is made. Every date stands for 00:00 of its day,
// counted as UTC, so the seconds of two dates always differ by whole days.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace engine {

struct date_value {
    // 0 English, 1 Russian: selects the scanner and every rendering.
    int language = 0;
    // The text the value was parsed from, untrimmed; empty for today's date,
    // for blank text and for dates made from seconds.
    std::wstring text;
    // The text held a complete, possible date.
    bool valid = false;
    // tm_mday 1-31, tm_mon 0-11, tm_year = year - 1900; all zero when not valid.
    std::tm broken_down{};
    // Wall-clock time when the value was made (by the parser or `today`).
    std::int64_t clock = 0;
    // Seconds since 1970-01-01 00:00 UTC of the date's midnight; 0 when not
    // valid, which the date dialog reads as "no date".
    std::int64_t seconds = 0;

    // The local date (honours TZ) of the wall-clock time `now` (seconds
    // since 1970), in `language`.
    static date_value today(int language, std::int64_t now);
};

// The date containing `seconds` (seconds since 1970-01-01 00:00 UTC); the time
// of day falls into the clock fields as it lies. Works before 1970.
date_value date_value_from_filetime(std::int64_t seconds, int language);

// Proleptic Gregorian calendar, month 1-12.
bool is_leap_year(std::int64_t year);
int days_in_month(std::int64_t year, int month);
std::int64_t days_from_civil(std::int64_t year, int month, int day);
// Inverse of days_from_civil.
void civil_from_days(std::int64_t days, std::int64_t& year, int& month, int& day);

}  // namespace engine
