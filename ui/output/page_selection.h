// Which pages of a document are printed: all, odd, even, or a typed list
// such as "1, 3, 5-7".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/output_choices.h"

namespace ui {

// The page list read from what is typed: digits in runs of at most three, a
// comma or hyphen only after a number, a blank between two numbers turned
// into a comma; everything else is dropped.
std::wstring clean_page_list(std::wstring_view typed);

// The pages (1-based, ascending, each once) that a list names within a
// document of `page_count` pages. Its parts are "a", "a-b", "a-" (to the
// end) and "-b" (from the start); reversed parts and page 0 name no page.
// A list without a single number means every page; one whose numbers name
// no page of the document gives none.
std::vector<int> parse_page_list(std::wstring_view list, int page_count);

// All, odd or even pages, or for any other choice the pages the typed list
// names once cleaned. Empty when the choice leaves no page of the document
// (even pages of a one-page document).
std::vector<int> chosen_pages(core::PrintPages print_pages, std::wstring_view list, int page_count);

}  // namespace ui
