// The calculator dialog's display without the dialog: what each key does to
// the text, the digit counter and the "=" key's evaluation. UI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// The code each key carries; the values are the keys' codes in the dialog.
enum class calculator_key : std::int32_t {
    digit_0 = 0,  // digit_0 + n for the digit n
    point = 10,
    comma = 11,
    backspace = 12,
    clear = 13,
    blank = 14,
    colon = 15,
    divide = 16,
    multiply = 17,
    plus = 18,
    minus = 19,
    open = 20,
    close = 21,
    equals = 22,
};

// The display text after `key`; "=" evaluates it in `language` (0 English,
// 1 Russian). An unknown key changes nothing.
std::wstring press_calculator_key(std::wstring text, calculator_key key, int language);

// The number of digits in `text`; empty when there are none.
std::wstring digit_count_text(std::wstring_view text);

// Rewrites `expression` into the text of its value and answers it: blanks
// dropped, "," read as the decimal point and ":" as division; the value is
// written with at most six decimals, the separator of `language`, no
// trailing zeros. An expression that divides by zero, or whose value is not
// finite, is left as it is.
std::wstring& Calculate(std::wstring& expression, int language);

}  // namespace ui
