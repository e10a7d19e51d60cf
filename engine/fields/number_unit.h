// The unit a number field counts, named by the template ("unit: month"), and
// the words of a typed number that unit reads.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

enum class number_unit : std::uint8_t {
    unknown,  // no unit named: the field counts money
    day,
    calendar_day,
    working_day,
    banking_day,
    week,
    month,
    year,
    hour,
    per_cent,
    day_of_month,
    piece,
    other,  // a unit this program does not know: read as money, with any unit words
};

// The unit a field record names ("calendar day", "per cent", "day of the
// month"), in any letter case; unknown when none is named, other for any
// other word.
number_unit number_unit_named(std::wstring_view name);

// Whether `unit` is one of time: the kinds of day, week, month, year, hour.
bool counts_time(number_unit unit);

// The unit_mark bits of the words a number in `unit` may be typed with: a
// bare day word is the field's own kind of day, a word naming another kind
// is another unit.
std::uint32_t unit_marks_read_in(number_unit unit);

}  // namespace engine
