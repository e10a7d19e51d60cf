// The format "место:" of the place a Russian document was made in, as a
// clerk types it: «Москва» prints «г. Москва», and what is surely no town's
// name prints as typed: a place already named with its word («г. Москва»,
// «д. Петровка», «рабочий посёлок Столбовая»), a partnership («СНТ
// «Ромашка»»), a street, a region or district («Московская обл., г.
// Балашиха», «ХМАО», «Крым»), a country or a postcode first. The part before
// the first comma decides, unless a later part holds «г.».
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

bool asks_place_name(const std::vector<expr_token>& format_words);

// `value` is the field's escaped text; an empty one gives an empty text.
std::wstring render_place_name(std::wstring_view value);

std::vector<std::wstring_view> place_name_keywords();

}  // namespace engine
