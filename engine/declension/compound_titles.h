// Job titles of two nouns joined by a hyphen (инженер-программист,
// член-корреспондент): both parts decline, unless the first is one of the
// fixed elements that never change (генерал-майор, вице-президент,
// шеф-повар).
//
// Any thread; reads only its arguments.
#pragma once

#include <string_view>

namespace engine {

// Whether `first`, joined by a hyphen to `second` (both lower case), declines
// with it: both are animate nouns and `first` is no fixed element.
bool declines_before_hyphen(std::wstring_view first, std::wstring_view second);

}  // namespace engine
