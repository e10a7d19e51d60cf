// The numerals полтора, полторы and полтораста, reached through the handlers
// of words in -а and -ы. In the nominative and accusative they stay as typed,
// except that полтора before a feminine noun is полторы; every other case has
// one form for all of them: полутора, полутораста.
//
// Any thread; reads only its arguments.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// `word` ends in олтора, олторы or олтораста; `counted_gender` is the gender
// of the counted noun (2 feminine), as the caller supplies it.
std::wstring decline_poltora(std::wstring word, int c, std::uint32_t counted_gender);

}  // namespace engine
