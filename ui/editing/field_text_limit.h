// The most characters a field of the data panel takes from the user. A
// three-page memo is about 10,000; at the limit a key in the field, a
// cursor blink and the render that follows still take a few milliseconds
// each, where a megabyte pasted kept the window busy (figures in the
// README). A longer value that a document holds is kept whole.
#pragma once

#include <cstddef>
#include <string>

namespace ui {

inline constexpr std::size_t field_text_limit = 20000;

// The sentence that says a text was not taken, in the interface language.
std::wstring field_text_refused();

}  // namespace ui
