// Text fields rendered through Russian declension.
//
// A field named as a natural person ("фио", "физлицо", in any letter case and
// with or without dots: «Ф.И.О.») renders as a person's name, one named as a
// legal entity ("юрлицо", "юридическое лицо", as written) as an organisation.
// Any other text field is declined by a case letter and may agree with a
// field named among the modifiers: in gender with a person, an organisation
// or a word, in number with a numeric field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/declension/organisation_name.h"
#include "engine/declension/person_name.h"
#include "engine/fields/expr_token.h"

namespace engine {

struct field_value;

// What the modifiers ask of a person's name: a case letter (р д в т п), and
// "инициалы", "фамилия", "имя" or "ио".
person_request read_person_request(const std::vector<expr_token>& modifiers);
// What they ask of an organisation: a case letter, and "оргформа", "название"
// or "полное название".
organisation_request read_organisation_request(const std::vector<expr_token>& modifiers);
// The words that ask for a part of each kind of name, as word keys.
std::vector<std::wstring_view> person_name_keywords();
std::vector<std::wstring_view> organisation_name_keywords();

// Whether `field` names a person or a party and its whole value says there is
// none («нет», «-», "N/A"): it prints, and tests in a condition, as the empty
// field does.
bool holds_no_name(const field_value& field);

// Writes `value`, the text of `field`, as the modifiers ask into `output`.
// Referenced fields are looked up in `field`'s document data.
void render_name_field(const std::wstring& value, const field_value& field, std::wstring& output,
                       const std::vector<expr_token>& modifiers);

}  // namespace engine
