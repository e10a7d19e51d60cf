// Text fields rendered through Russian declension.
//
// A field named as a natural person ("фио", "физлицо", in any letter case and
// with or without dots: «Ф.И.О.») renders as a person's name, one named as a
// legal entity ("юрлицо", "юридическое лицо", as written) as an organisation.
// Any other text field is declined by a case letter and may agree with a
// field named among the modifiers: in gender with a person, an organisation
// or a word, in number with a numeric field. UI thread.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct field_value;

// Writes `value`, the text of `field`, as the modifiers ask into `output`.
// Referenced fields are looked up in `field`'s document data.
void render_name_field(const std::wstring& value, const field_value& field, std::wstring& output,
                       const std::vector<expr_token>& modifiers);

}  // namespace engine
