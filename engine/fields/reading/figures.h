// The first stage of the reading: the figures of a number, their groups and
// decimal separator, and the digits they are written with again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine::reading {

// The figures from `at`: their end, a dangling decimal separator included;
// none when their marks neither group nor part a fraction. `plain` tells
// whether they are one run of digits and nothing else.
std::optional<std::size_t> figures_end(std::wstring_view text, std::size_t at, bool& plain);

// The two digits of kopecks after a hyphen that ends figures of three digits
// or more with no decimal separator («1 500-00», «86 500-50»), as
// accountants write them; none elsewhere («10-15»).
std::optional<std::wstring> kopecks_after_hyphen(std::wstring_view text, std::size_t figures_start,
                                                 std::size_t figures_end);

// The decimal point of `digits` moved `zeros` places to the right.
std::wstring multiplied(const std::wstring& digits, int zeros);

std::wstring without_trailing_zeros(std::wstring digits);

// `digits` written as the clerk typed the figures in `typed`: the same group
// mark and decimal separator, or the language's own where none was typed.
std::wstring written_like(const std::wstring& digits, std::wstring_view typed, int language);

}  // namespace engine::reading
