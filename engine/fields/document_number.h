// The format "номер:" of a document's number, as a title or a reference
// prints it after the document's name: «№ 5» ("No. 5" in English) whatever
// sign the clerk typed before the figures («N 5», "No. 5", "#5", «Nº 5»,
// «номер 5»), in Russian the value as typed when it begins with «№», and
// «б/н» in small letters for a document without a number («Б/Н», «б.н.», «без
// номера», «б/н от 01.03.2026», a value that says none: «нет», «-»).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

bool asks_document_number(const std::vector<expr_token>& format_words);

// `value` is the field's escaped text; an empty one gives an empty text, and
// so does one that says none in English: the title then has no "No.".
std::wstring render_document_number(std::wstring_view value, int language);

std::vector<std::wstring_view> document_number_keywords();

}  // namespace engine
