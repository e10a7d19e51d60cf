#include "engine/fields/number_unit.h"

#include <array>

#include "engine/fields/number_tail_words.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

struct unit_row {
    std::wstring_view name;
    number_unit unit;
    std::uint32_t marks;
};

using namespace unit_mark;

// clang-format off
constexpr std::array<unit_row, 11> units = {{
    {L"day", number_unit::day, day | calendar},
    {L"calendar day", number_unit::calendar_day, day | calendar},
    {L"working day", number_unit::working_day, day | working},
    {L"banking day", number_unit::banking_day, day | banking},
    {L"week", number_unit::week, week},
    {L"month", number_unit::month, month},
    {L"year", number_unit::year, year},
    {L"hour", number_unit::hour, hour},
    {L"per cent", number_unit::per_cent, per_cent | annual},
    {L"day of the month", number_unit::day_of_month, 0},
    {L"piece", number_unit::piece, piece},
}};
// clang-format on

}  // namespace

number_unit number_unit_named(std::wstring_view name) {
    name = trimmed(name);
    for (const unit_row& row : units) {
        if (row.name.size() != name.size()) continue;
        std::size_t i = 0;
        while (i < name.size() && to_lower_char(name[i]) == row.name[i]) ++i;
        if (i == name.size()) return row.unit;
    }
    return number_unit::unknown;
}

std::uint32_t unit_marks_read_in(number_unit unit) {
    for (const unit_row& row : units)
        if (row.unit == unit) return row.marks;
    return 0;
}

}  // namespace engine
