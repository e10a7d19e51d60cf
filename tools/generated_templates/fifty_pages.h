// A generated template of 50 standard pages for measuring: 2,000 paragraphs
// with list numbers (framed and plain), 20 template tables, a page break
// ending each page and 500 braced references to 100 text fields, one in five
// a condition chain. The benchmarks, the keystroke probe and the view tests
// share it, so their figures describe one document.
#pragma once

#include <filesystem>
#include <string>

#include "engine/document/doc_model.h"

namespace generated {

inline constexpr int fifty_page_count = 50;

// Three fields more for typing into, in a section of their own ("Стороны"),
// each referenced in a paragraph's text: `every_page_field` at the top of
// every page, `one_page_field` on page 30 only and the memo field
// `memo_field`, whose value is 2,000 characters, on page 2 only.
struct typing_fields {
    bool wanted = false;
};
inline constexpr wchar_t every_page_field[] = L"Заказчик";
inline constexpr wchar_t one_page_field[] = L"Объект";
inline constexpr wchar_t memo_field[] = L"Предмет";
inline constexpr int memo_length = 2000;

// The pages and the parameters; the page setup is the caller's.
struct fifty_page_tree {
    engine::doc_node pages;
    engine::doc_node parameters;
};

fifty_page_tree fifty_pages(typing_fields typing = {});

// Writes the template as a document file, with the page setup a template
// gets when it names none. False when the file could not be written.
bool write_fifty_pages(const std::filesystem::path& file, typing_fields typing = {});

}  // namespace generated
