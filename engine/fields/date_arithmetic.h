// Arithmetic on a date written first in an expression: a date plus or minus
// a number of days, or the number of days between two dates.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// The expression is split at its first "-" (or, without one, its first "+").
// Date ± n gives the short date n days later or earlier and sets `is_date`;
// date - date (the sign does not matter) gives the signed count of days from
// the second to the first. Anything else, and a result outside the years
// 1-9999, leaves the expression unchanged. Dates are read and written in
// `language`; `now` is the wall clock (seconds since 1970).
std::wstring date_arithmetic(const std::wstring& expression, bool& is_date, int language,
                             std::int64_t now);

}  // namespace engine
