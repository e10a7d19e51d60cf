// Gives a rendered value the letter case in which the template author wrote
// its reference: «ФИО» gives capitals, «Фио» a capital first letter.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// `source` is the reference as written; only its part after the last "."
// counts («Истец.ФИО» reads «ФИО»). `target` is changed in place, and only in
// its text: tags <…> and character references &…; keep their case, and the
// "first character" is the first character of that text. Nothing changes
// unless both have at least two characters.
void copy_letter_case(std::wstring_view source, std::wstring& target);

}  // namespace engine
