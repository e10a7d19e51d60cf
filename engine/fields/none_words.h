// The words a clerk types into a number field to say there is none: «нет»,
// «не устанавливается», «-», "N/A". Such a field has no term and no clause;
// any other text without a digit («три месяца», "six months") is a term the
// program cannot read, which the document leaves as a gap.
#pragma once

#include <string_view>

namespace engine {

// Whether `text`, in any letter case and with blanks around or between its
// words, is one of the closed list: «нет», «не устанавливается», «не
// установлен(а, о)», «без испытания», «не предусмотрен(а, о)», «отсутствует»,
// a hyphen or dash alone, "no", "none", "nil", "N/A".
bool is_none_word(std::wstring_view text);

}  // namespace engine
