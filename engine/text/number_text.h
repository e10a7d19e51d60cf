// Numbers to text and back, never through the process locale: the output of
// "%f" and "%d" in the C locale, whatever locale the program runs under.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// "%f": fixed notation with six decimals (172.000000).
std::wstring format_fixed6(double value);
// "%d".
std::wstring format_int(std::int64_t value);

// Leading white space, an optional sign and base-10 digits; nothing else is
// accepted at the start. The rest of the text is ignored. Empty when no digit
// was read or the value does not fit.
std::optional<std::int64_t> read_int64_prefix(std::wstring_view text);
// As above, with a fraction after "." and an exponent; no "inf", "nan" or hex.
std::optional<double> read_double_prefix(std::wstring_view text);

}  // namespace engine
