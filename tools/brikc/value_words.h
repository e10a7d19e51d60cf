// Words for the 16-bit values that have names: flags, alignment, numbering
// kinds, field types and page kinds. Every value can also be written as its
// number, so any stored value reads back.
//
//   flag       no 0, yes 1
//   align      left 0, center 1, right 2, justify 3
//   page kind  legacy 0, standard 1
//   field type memo 0, date 1, text 2, number 3, plain 4, pick 5, options 6,
//              choice 7, image 9, note 10
//   numbering  none 0, "1." 1, "1.1." 2, "1.1.1." 3, "1)" 4, "I." 5, "i." 6,
//              "i)" 7, "(i)" 8, "A." 9, "a." 10, "a)" 11, "(a)" 12, "-" 13;
//              then optionally "restart" (+100) and "no-indent" (+1000)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/brikc/schema.h"

namespace brikc {

// Throws `source_error` on an unknown word or a number out of range.
std::uint16_t read_value_word(value_kind kind, std::wstring_view text, int line);
std::wstring write_value_word(value_kind kind, std::uint16_t value);

}  // namespace brikc
