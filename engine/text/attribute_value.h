// Checks for the texts of a template or a value that the engine writes into a
// tag: table widths, paddings, heights and colours, cell borders and spans.
//
// A text that fails its check is dropped, and the tag is written as if it had
// not been given; a text that passes holds nothing that could end its
// attribute or open another one, so it may stand unquoted. Texts are compared
// as the table markers give them, in capitals.
#pragma once

#include <string_view>

namespace engine {

// Digits with at most one "." between them: «30», «2.5».
bool is_plain_number(std::wstring_view text);
// A plain number, or one with "%" after it: «100%».
bool is_number_or_percent(std::wstring_view text);
// A number or per cent, or a number with a CSS unit (PX, PT, MM, CM, IN, EM):
// «30%», «25MM».
bool is_css_length(std::wstring_view text);
// One to eight hexadecimal digits: the part of a colour after its "#".
bool is_hex_digits(std::wstring_view text);
// A colour name (Latin letters only) or hexadecimal digits, with or without a
// "#" before them: «WHITE», «#EEEEEE».
bool is_colour(std::wstring_view text);

}  // namespace engine
