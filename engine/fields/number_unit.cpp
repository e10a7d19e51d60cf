#include "engine/fields/number_unit.h"

#include "engine/fields/reading/reading_words.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

number_unit number_unit_named(std::wstring_view name) {
    name = trimmed(name);
    for (const reading::unit_row& row : reading::unit_names) {
        if (row.name.size() != name.size()) continue;
        std::size_t i = 0;
        while (i < name.size() && to_lower_char(name[i]) == row.name[i]) ++i;
        if (i == name.size()) return row.unit;
    }
    return name.empty() ? number_unit::unknown : number_unit::other;
}

bool counts_time(number_unit unit) { return unit >= number_unit::day && unit <= number_unit::hour; }

bool counts_days(number_unit unit) {
    return unit >= number_unit::day && unit <= number_unit::banking_day;
}

bool counts_money(number_unit unit) { return unit >= number_unit::printed_money; }

std::uint32_t unit_marks_read_in(number_unit unit) {
    for (const reading::unit_row& row : reading::unit_names)
        if (row.unit == unit) return row.marks;
    return 0;
}

}  // namespace engine
