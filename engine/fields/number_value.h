// A number field's text read into digits, integer and fraction parts, the
// money parts and a value. A unit after a single number (single_number.h)
// is not read. A text its field has read already gives the digits of that
// reading, read no more.
//
// A value object for the rendering of one field; it owns its strings and
// borrows the document's parameters root. Reading never fails: a text with
// no digit gives empty parts and the value 0.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/document/doc_model.h"
#include "engine/fields/number_unit.h"

namespace engine {

struct single_number;

// The digits of a typed number with at most one "." as its decimal point,
// without the sign. Separators are read in this order: one that occurs more
// than once groups; when both "," and "." occur the rightmost is decimal; in
// English (`language` 0) a single "," followed by exactly three digits
// groups, and in Russian (1) a single "." followed by exactly three digits
// after one to three digits that do not begin with 0; any other single
// separator is decimal. So 1 234,56 and 1,234.56 give 1234.56, 1,000,000
// gives 1000000, English 1,500 gives 1500, English 1.234 gives 1.234 and
// Russian 1.234 1234, Russian 0.750 0.750.
std::wstring clean_number_text(std::wstring_view text, int language);
// Where clean_number_text finds the decimal separator in `text`; npos when
// every separator groups.
std::size_t decimal_separator_position(std::wstring_view text, int language);

// Whether a minus ("-" or "−") stands before `figures_start` in `text`; the
// hyphen of "twenty-one (21)", between two letters, is none.
bool minus_before(std::wstring_view text, std::size_t figures_start);

struct number_value {
    // The parameters root the money renderers read the currency from; null
    // when there is no document (dollars then).
    const doc_node* parameters = nullptr;
    // Resolves a name used as a counted noun to its value; empty when unset.
    std::function<std::wstring(const std::wstring&)> named_value;

    std::wstring text;                      // as passed in
    std::wstring digits;                    // clean_number_text of text
    std::wstring integer_part;              // digits before the "."
    std::wstring fraction_part;             // digits after the "."
    std::wstring money_integer;             // integer part without leading zeros ("0" at least)
    std::wstring money_hundredths = L"00";  // two digits, cut (rounded when computed)
    bool has_separator = false;             // digits hold a "."
    bool negative = false;                  // a "-" or "−" came before the first digit
    double value = 0.0;                     // signed
    // 0 English, 1 Russian: the language the number is read and rendered in.
    int language = 0;
    // The unit of the field it was typed in: «15-го» is a day of the month.
    number_unit unit = number_unit::unknown;
    // The reading of `text` in that field's unit, which the figures form
    // prints; borrowed from the render, null when the text was read here.
    const single_number* reading = nullptr;

    number_value() = default;
    // A `computed` text (a result the template computed, not one the user
    // typed) is rounded half away from zero to two decimals on its digits,
    // so every part follows: 83.325 gives 83.33, 99.995 gives 100.00. A typed
    // one keeps all its decimals, and money cuts them after the second.
    number_value(const doc_node* parameters, std::wstring text, int language,
                 bool computed = false);
    // The digits of `read`, the reading of the typed `text` kept for it.
    number_value(const doc_node* parameters, std::wstring text, int language,
                 const single_number& read);
};

// "007" -> "7", "000" -> "0".
std::wstring without_leading_zeros(const std::wstring& digits);

// "" -> "00", "5" -> "50", "999" -> "99".
std::wstring two_digit_fraction(std::wstring fraction);

}  // namespace engine
