// A contract of ten A5 pages for printing and saving: each page one
// paragraph that names its page and two text fields ("Buyer", "Seller") and
// ends in a page break; a footer element with its text and page numbers on.
#pragma once

#include <string>

namespace fixture {

inline constexpr double ten_pages_width_mm = 148, ten_pages_height_mm = 210;

std::string ten_page_contract_bytes();

}  // namespace fixture
