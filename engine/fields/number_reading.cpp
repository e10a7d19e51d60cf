#include "engine/fields/number_reading.h"

#include "engine/fields/none_words.h"
#include "engine/fields/number_value.h"
#include "engine/fields/reading/own_currency.h"
#include "engine/fields/reading/own_unit.h"

namespace engine {

namespace {

bool zero(const single_number& number) {
    return number.digits.find_first_of(L"123456789") == std::wstring::npos;
}

number_reading none_for(no_number_reason why) { return {std::nullopt, why}; }

}  // namespace

// The stages in order: the figures and the words around them, then the
// field's unit, then the document's currency.
number_reading read_number_field(std::wstring_view text, int language, number_unit unit,
                                 std::uint32_t currency) {
    std::optional<single_number> number = read_single_number(text, language, unit);
    if (!number)
        return none_for(is_none_word(text) ? no_number_reason::says_none
                                           : no_number_reason::not_a_number);
    const number_words& words = number->words;
    if (unit != number_unit::unknown) {
        if (!reading::in_own_unit(words, unit)) return none_for(no_number_reason::other_unit);
        if (minus_before(text, number->figures_start) && !zero(*number))
            return none_for(no_number_reason::negative);
        return {std::move(number), no_number_reason::none};
    }
    if (!reading::in_own_currency(words, currency))
        return none_for(no_number_reason::other_currency);
    if (words.read_with_unit_only) return none_for(no_number_reason::not_a_number);
    return {std::move(number), no_number_reason::none};
}

}  // namespace engine
