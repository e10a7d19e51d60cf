// Whether a number field's text says there is none: «нет», «без аванса»,
// «испытание не устанавливается.», "not applicable", a dash. Such a field
// has no term and no clause. Any other text without a digit is filled and no
// number: a term in words («три месяца», «не менее трёх месяцев») or a
// phrase («по соглашению сторон», «не более месяца»), which the document
// leaves as a gap.
#pragma once

#include <string_view>

#include "engine/fields/number_unit.h"

namespace engine {

// The text is folded first: letter case, ё, blanks, and the punctuation,
// quotes or brackets around it and its words. A text that is only a dash
// (-, –, —) says none. Then, in a field with a unit, a text with no digit
// and no number word other than zero says none when its first word is one
// of reading::first_none_words, or when it has «не» or "not" before a word
// of providing or setting («не предусмотрен», "not applicable"); either
// only when no word bounds the term or puts it off («более», «ещё»,
// "more", "yet", reading_words.h). In a field without a unit (money) only
// a whole text of a closed list says none: «нет», «н/а», «отсутствует»,
// «не применяется», "N/A", "none", "nil", "not applicable", and «без» or
// "no" with one word after it («без материалов», "no travel").
bool is_none_word(std::wstring_view text, number_unit unit);

}  // namespace engine
