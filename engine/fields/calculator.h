// Arithmetic on an expression text, and the number readers used across the
// value formatters. None of them fails: unreadable input reads as 0.
//
// The calculator keeps its state in a local object, so calls may nest and
// repeat freely. The readers never consult the process locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// + - * / % ^ and parentheses over numbers ("." as decimal point, an exponent
// allowed) and names that start with A-Z (each reads as 0; "NAME = …" is a
// label). Evaluation stops at the first character it cannot read. A divisor
// of 0 is taken as 1; an operand missing after the first operator of a sum or
// term counts as 0 and after a later one repeats the previous operand, as a
// desk calculator does (1+2+ is 5). A non-finite result is 0.
// `divided_by_zero`, when given, tells whether a divisor of 0 was met;
// `not_finite`, whether the result was not finite before it became 0.
double calculate_expression(std::wstring_view text, bool* divided_by_zero = nullptr,
                            bool* not_finite = nullptr);

// The leading base-10 number after white space and an optional sign; 0 when
// there is none or it does not fit the type.
std::int32_t parse_int_or_zero(std::wstring_view text);
std::int32_t parse_long_or_zero(std::wstring_view text);
// As above, with a fraction after "." and an exponent; no "inf", "nan" or hex.
double parse_double_or_zero(std::wstring_view text);

}  // namespace engine
