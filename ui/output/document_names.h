// The names of the open document that saving and printing need: its title,
// the footer of its page setup, and the title typed in the save panel.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/document/document_data.h"

namespace ui {

// The brand word used where a document has no name at all.
inline constexpr wchar_t fallback_name[] = L"Vellumcraft";
// Between the parts of a caption: two blanks, a bullet, two blanks.
inline constexpr wchar_t caption_separator[] = L"  \u2022  ";

// The title (s1 of the page-setup record) with trailing blanks, tabs and
// line breaks dropped; "Vellumcraft" without a page setup. When it is empty
// and `use_name` is set: `short_name` instead.
std::wstring document_title(const engine::document_data* data, bool use_name,
                            const std::wstring& short_name);

// The library name of a document cut to its last part without extension:
// "Agreements/Sales Agreement.brik" -> "Sales Agreement"; "Vellumcraft"
// when nothing is left.
std::wstring short_document_name(std::wstring_view last_document);

// The status-bar caption of a library document: its folder, the separator
// and its name. ".brik" is dropped only at the end; a nested folder shows
// whole; the Russian library's folders Кадры and Формы show by their
// captions.
std::wstring document_breadcrumb(std::wstring_view last_document);
// The library page's caption: `library`, " •  " and the name of `section`;
// `library` alone when the page has no such section.
std::wstring library_breadcrumb(const engine::document_data* data, int section,
                                const std::wstring& library);

// s1 of the footer element; empty without one.
std::wstring footer_text(const engine::document_data* data);
// Whether the footer element's b is 1; false without one.
bool page_number_in_footer(const engine::document_data* data);

// A typed file name as a title: trailing blanks dropped, one known extension
// (.doc .docx .pdf .htm .html .txt .rtf .brik .brf, any case) cut, the
// characters " ' * + / : < > ? @ \ ` | dropped, trailing dots and blanks
// dropped.
std::wstring title_from_file_name(std::wstring_view file_name);

// The title as a file name: the characters above, control characters and
// bidirectional controls (U+202A to U+202E, U+2066 to U+2069) dropped, cut
// at a character so that its UTF-8 takes at most `max_utf8_bytes`, trailing
// dots and blanks dropped, no "." or ".." left; empty becomes "Vellumcraft".
std::wstring file_name_from_title(std::wstring_view title, std::size_t max_utf8_bytes = 255);

}  // namespace ui
