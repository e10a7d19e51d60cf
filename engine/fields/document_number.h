// The format "номер:" of a Russian document's number, as a title or a
// reference prints it after the document's name: «№ 5» whatever sign the
// clerk typed before the figures («N 5», "No. 5", «Nr.5»), the value as typed
// when it begins with «№», and «б/н» in small letters for a document without
// a number («Б/Н», «бн», «без номера»).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

bool asks_document_number(const std::vector<expr_token>& format_words);

// `value` is the field's escaped text; an empty one gives an empty text.
std::wstring render_document_number(std::wstring_view value);

std::vector<std::wstring_view> document_number_keywords();

}  // namespace engine
