// Formats that print the template's noun before a value the clerk may have
// typed with that noun already: «паспорт:», «на основании:», "passport:",
// "account:", "the laws of:". The noun is printed once, the template's own,
// and the value without the words that say it again: «Паспорт 4501 123456»
// prints «паспорт 4501 123456», "Acct. 000123" "account 000123", "New York
// law" "the laws of New York". A value that names another document («вид на
// жительство …») stands alone in place of «паспорт».
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct noun_format;

// The format the words ask for, or none.
const noun_format* asked_noun_format(const std::vector<expr_token>& format_words);

// `value` is the field's escaped text; an empty one gives an empty text.
std::wstring render_after_noun(const noun_format& format, std::wstring_view value);

std::vector<std::wstring_view> noun_format_keywords();

}  // namespace engine
