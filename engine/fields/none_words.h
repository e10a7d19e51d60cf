// Whether a number field's text says there is none: «нет», «без аванса»,
// «испытание не устанавливается.», "not applicable", a dash. Such a field
// has no term and no clause. Any other text without a digit is filled and no
// number: a term in words («три месяца», «не менее трёх месяцев») or a
// phrase («по соглашению сторон», «без ограничения», «без НДС», "no
// markup"), which the document leaves as a gap.
#pragma once

#include <string_view>

#include "engine/fields/number_unit.h"

namespace engine {

// A text that is only a dash (-, –, —) says none. Otherwise the text, without
// what is in brackets («(ст. 70 ТК РФ)»), its punctuation and the words that
// name the field's own thing (its `naming`, and the
// library's words for the same thing), says none when what is left is only
// denials («нет», «не», «без», "no", "not", "N/A") and words of absence or
// of not providing («отсутствуют», «предусмотрен», "required"), with a
// denial or «отсутств…», "waived" among them; in a field of `money` also
// «бесплатно», "free of charge". Any other word left over (a bound, a
// limit, a qualifier of a price, a word of not yet knowing) or a digit
// makes it no none. Every word is folded first: letter case, ё.
bool is_none_word(std::wstring_view text, bool money, field_naming naming = {});

}  // namespace engine
