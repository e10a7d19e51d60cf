// The short form of a computed number for the page.
#pragma once

#include <string>

namespace engine {

// From the "%f" text of a result: trailing zeros of the fraction go, and the
// decimal sign is the one of `language`, 0 English or 1 Russian (12.500000
// gives 12.5 in English, 12,5 in Russian; 12.000000 gives 12). "-0" and a
// non-finite text give "0".
std::wstring tidy_number_text(std::wstring text, int language);

}  // namespace engine
