// The condition operators "^=" and "^==": whether a value begins with one of
// the words that follow them, separated by commas, with or without the word's
// point on either side: «г. Москва», «Г.Москва», «г Москва» and «город Москва»
// begin with "г., город"; «№ 12/26» with "№"; "the laws of Germany" with "the
// laws of". "^=" compares in any letter case, "^==" in the case the word is
// written in («ст. Каневская» begins with "ст", «Ст. Оскол» does not). A word
// ending in a letter must end there in the value too, with no letter and no
// hyphen after it, nor a hyphen and a letter after its point: «Гатчина» does
// not begin with "г", nor «С.-Петербург» with "с", nor "NO-5" or "Nova" with
// "No". «ё» and «е» are one letter («посёлок»). A listed ending with a hyphen
// before it ("-ая, -ий, обл, край") lets one adjective so ending stand before
// the other words: «Московская обл.» and «Краснодарский край» begin with
// them, «Москва, Московская обл.» does not.
#pragma once

#include <string_view>

namespace engine {

bool begins_with_word(std::wstring_view value, std::wstring_view words, bool exactly = false);

}  // namespace engine
