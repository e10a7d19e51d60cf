// A template with its own formatting, as the bundled agreements have it: on
// its one standard page a centred, bold title block over an opening
// paragraph with a 10 mm indent and a right-aligned date line, then a second
// block. The page is 220 x 300 mm (an A4 by the paper test) with the margins
// left 30, top 25, right 15, bottom 20; numbering is bold.
#pragma once

#include <string>

namespace fixture {

inline constexpr wchar_t formatted_family[] = L"Liberation Serif";

std::string formatted_document_bytes();

}  // namespace fixture
