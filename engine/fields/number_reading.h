// A number field's text read as the document counts it: in the field's
// unit and the document's currency.
//
// The one reading of a number field's text that every number form, the date
// arithmetic, the conditions and the data panel use. A number typed with a
// word of another unit («2 недели» in a field counted in days, "18 months"
// in years) or another currency ("$" or «долларов» where the money form
// prints roubles) is no number for that field: nothing converts it. So is a
// negative number in a field with a unit, which counts a term, a share or a
// quantity, and a day of the month outside 1-31. A field of money reads as
// single_number.h reads, with the currency checked and no word of time or
// quantity but a rate's («руб./мес.»), whose period must be the field's
// own when it names one, and none at all where it says it is no rate. A field that names no unit
// and that no money form prints reads any unit word, as it always has. A text without a number may
// say there is none (none_words.h); «ноль», "zero" are 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/fields/number_unit.h"
#include "engine/fields/single_number.h"

namespace engine {

enum class no_number_reason : std::uint8_t {
    none,
    not_a_number,    // «10-15», "approx. 40"
    other_unit,      // «2 недели» in days
    other_currency,  // "$45" where the document prints roubles
    negative,        // «-10» as a term or share
    says_none,  // «нет», «без аванса»: there is none (an empty field is not this)
    day_out_of_range,  // «35» as a day of the month
    other_period,      // "$25 per hour" as a salary a year
};

struct number_reading {
    std::optional<single_number> number;  // none exactly when `why` is not none
    no_number_reason why = no_number_reason::none;
};

// `currency` holds the currency_mark bit (number_tail_words.h) of the
// document's currency for this field (document_currency, currency.h), or 0
// when the document names a currency of its own, which any money word fits.
number_reading read_number_field(std::wstring_view text, int language, number_unit unit,
                                 std::uint32_t currency, field_naming naming = {});

}  // namespace engine
