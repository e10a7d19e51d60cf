// A number with its thousands grouped, for the page.
#pragma once

#include <string>

#include "engine/fields/number_value.h"

namespace engine {

// In the number's language. English: 1,234,567.89. Russian: 1&thinsp;234&thinsp;567,50 inside a
// no-wrap span. Two decimals always, cut rather than rounded; leading zeros
// of the integer part stay and are grouped. A negative number starts with
// "-", inside the span.
std::wstring group_digits_html(const number_value& number);

// The same without the sign and without the Russian span, for callers that
// put a currency sign between the two.
std::wstring group_digits_plain(const number_value& number);

}  // namespace engine
