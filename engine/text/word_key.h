// Word keys: names and format keywords compared regardless of blanks and case.
//
// Blanks are exactly TAB, LF, CR and space. Blanks before the first word vanish,
// every later run of blanks becomes one "|", and every "|" at the end goes; a
// "|" written inside the text stays. So "month  in\twords" and "Month|in|words"
// give one key.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// The joined form, letter case kept (file links carry document paths in it).
std::wstring join_words(std::wstring_view text);
// The joined form lowered in case: the key parameters and keywords match by.
std::wstring make_word_key(std::wstring_view text);
// make_word_key(text) == key, without building the key: lookups compare one
// name against every parameter of a document.
bool word_key_equals(std::wstring_view text, std::wstring_view key);

}  // namespace engine
