// The unit a number field counts, named by the template ("unit: month"), and
// the words of a typed number that unit reads.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

enum class number_unit : std::uint8_t {
    unknown,  // no unit named, or a word this program does not know
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
};

// The unit a field record names ("calendar day", "per cent", "day of the
// month"), in any letter case; unknown for anything else.
number_unit number_unit_named(std::wstring_view name);

// The unit_mark bits of the words a number in `unit` may be typed with: a
// bare day word is the field's own kind of day, a word naming another kind
// is another unit.
std::uint32_t unit_marks_read_in(number_unit unit);

}  // namespace engine
