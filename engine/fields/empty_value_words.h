// Whether a whole typed value says the field holds nothing: «нет», «-», «—»,
// «н/а», "N/A", "none". A name or a document number typed so prints what the
// empty field prints, never a person called «Нет» or a title «№ нет». A value
// that merely holds these letters («Нетребко», «НЕТ-12») is a value. This is
// the list of whole values; a number field's reading of none is its own.
#pragma once

#include <string_view>

namespace engine {

// Blanks around the value, a final full stop and letter case do not count.
bool means_empty_value(std::wstring_view value);

}  // namespace engine
