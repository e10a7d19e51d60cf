// The unit a number field counts, named by the template ("unit: month"), and
// the words of a typed number that unit reads.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

enum class number_unit : std::uint8_t {
    // No unit named: the field reads any unit word after its number, as a
    // user's own template or an older library copy always read it, unless
    // a money form prints it anywhere (money then).
    unknown,
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
    // Money: no word of time or quantity but a rate's. "unit: money" is an
    // amount and reads no rate; "unit: money per month" reads a rate of its
    // period only; a field that names no unit and that a money form prints
    // reads a rate of any period, as it always has.
    printed_money,
    money,
    money_per_hour,
    money_per_day,
    money_per_week,
    money_per_month,
    money_per_year,
};

// The words a template names a number field with: its name and caption,
// which a text saying there is none may repeat («аванс не предусмотрен»).
struct field_naming {
    std::wstring_view name;
    std::wstring_view caption;
};

// The unit a field record names ("calendar day", "per cent", "day of the
// month"), in any letter case; unknown when none is named, other for any
// other word.
number_unit number_unit_named(std::wstring_view name);

// Whether `unit` is one of time: the kinds of day, week, month, year, hour.
bool counts_time(number_unit unit);

// Whether `unit` is a kind of day (day, calendar, working, banking day).
bool counts_days(number_unit unit);

// Whether `unit` is money, with a rate's period or without.
bool counts_money(number_unit unit);

// The unit_mark bits of the words a number in `unit` may be typed with: a
// bare day word is the field's own kind of day, a word naming another kind
// is another unit. Of money with a period: the period's bits, which its
// rate must name.
std::uint32_t unit_marks_read_in(number_unit unit);

}  // namespace engine
