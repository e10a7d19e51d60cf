// The condition operator "^=": whether a value begins with one of the words
// that follow it, separated by commas, in any letter case and with or
// without the word's point: «г. Москва», «Г.Москва» and «город Москва» begin
// with "г, город"; «№ 12/26» with "№"; "the laws of Germany" with "the laws
// of". A word ending in a letter must end there in the value too: «Гатчина»
// does not begin with "г". «ё» and «е» are one letter («посёлок»).
#pragma once

#include <string_view>

namespace engine {

bool begins_with_word(std::wstring_view value, std::wstring_view words);

}  // namespace engine
