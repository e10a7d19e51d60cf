// A date field as a template asks for it with modifier words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/date_value.h"
#include "engine/fields/expr_token.h"

namespace engine {

// Each modifier's word key that names a rendering replaces the result, so
// the last matching one wins; keywords of both languages serve dates of
// either language. Without a matching modifier the date's text as typed;
// with one, a date that is not valid gives an empty text.
std::wstring render_date_field(const date_value& date, const std::vector<expr_token>& modifiers);

// Every modifier word that names a rendering, as word keys.
std::vector<std::wstring_view> date_field_keywords();

}  // namespace engine
