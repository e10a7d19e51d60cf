#include "engine/fields/number_reading.h"

#include "engine/fields/none_words.h"
#include "engine/fields/number_tail_words.h"
#include "engine/fields/number_value.h"
#include "engine/fields/reading/own_currency.h"
#include "engine/fields/reading/own_unit.h"

namespace engine {

namespace {

bool zero(const single_number& number) {
    return number.digits.find_first_of(L"123456789") == std::wstring::npos;
}

// A day of the month from 1 to 31; 0 is none.
bool in_month(const single_number& number) {
    const std::size_t point = number.digits.find(L'.');
    // «15,5» is no day: a fraction would print «15,5-го числа».
    if (point != std::wstring::npos &&
        number.digits.find_first_not_of(L'0', point + 1) != std::wstring::npos)
        return false;
    const std::wstring_view whole = std::wstring_view(number.digits).substr(0, point);
    const std::size_t first = whole.find_first_not_of(L'0');
    if (first == std::wstring_view::npos || whole.size() - first > 2) return false;
    int day = 0;
    for (wchar_t c : whole.substr(first)) day = day * 10 + (c - L'0');
    return day <= 31;
}

number_reading none_for(no_number_reason why) { return {std::nullopt, why}; }

}  // namespace

// The stages in order: the figures and the words around them, then the
// field's unit, then the document's currency.
number_reading read_number_field(std::wstring_view text, int language, number_unit unit,
                                 std::uint32_t currency, field_naming naming) {
    std::optional<single_number> number = read_single_number(text, language, unit);
    if (!number)
        return none_for(is_none_word(text, counts_money(unit), naming)
                            ? no_number_reason::says_none
                            : no_number_reason::not_a_number);
    const number_words& words = number->words;
    if (unit != number_unit::unknown && unit != number_unit::other && !counts_money(unit)) {
        if (!reading::in_own_unit(words, unit)) return none_for(no_number_reason::other_unit);
        if (minus_before(text, number->figures_start) && !zero(*number))
            return none_for(no_number_reason::negative);
        if (unit == number_unit::day_of_month && !in_month(*number))
            return none_for(no_number_reason::day_out_of_range);
        return {std::move(number), no_number_reason::none};
    }
    // Money counts no time or quantity but in a rate («руб./мес.»): «3
    // месяца» is no salary, "$25 per hour" none a year and "$1,250/month"
    // no price.
    if (counts_money(unit)) {
        if (words.unit_count > 0) return none_for(no_number_reason::not_a_number);
        // A price per unit or piece is no rate of time.
        const std::uint32_t period = unit_marks_read_in(unit);
        if ((words.rate & ~unit_mark::piece) != 0 && unit != number_unit::printed_money &&
            (words.rate & period) == 0)
            return none_for(period == 0 ? no_number_reason::not_a_number
                                        : no_number_reason::other_period);
    }
    if (!reading::in_own_currency(words, currency))
        return none_for(no_number_reason::other_currency);
    if (words.read_with_unit_only) return none_for(no_number_reason::not_a_number);
    return {std::move(number), no_number_reason::none};
}

}  // namespace engine
