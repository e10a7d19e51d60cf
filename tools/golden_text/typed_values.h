// Values typed into a document's fields as the data panel stores them, for the
// golden test and the corpus tool.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace engine {
class document;
}

namespace golden {

using typed_values = std::vector<std::pair<std::wstring, std::wstring>>;  // field name, value

// Stores `value` in the field `name` (matched as the panel matches names):
// the field's text, and for a choice the option it names. Empty when it was
// stored; otherwise what is wrong ("no field …", "no option …").
std::wstring type_value(engine::document& doc, const std::wstring& name, const std::wstring& value);

// Each brace of the values that nothing closes, with the word it opens
// («{12»): the clerk's text, which the print shows as typed.
std::vector<std::wstring> typed_braces(const typed_values& values);

}  // namespace golden
