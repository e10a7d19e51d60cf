// The whole document as HTML: the page frame around the page bodies for the
// screen and for printing, the Word export, and the messages shown for a
// document that did not open.
//
// Each entry makes a render context of its own from the document and the
// view the program hands in, so renders of different documents share
// nothing. A render writes the variable table of the document's tree, and
// the page-setup defaults when the page setup was never made.
#pragma once

#include <cstdint>
#include <string>

#include "engine/document/document.h"
#include "engine/fields/render_context.h"

namespace engine {

// The screen HTML, or the failed-to-open / absent-document page.
std::wstring to_html(document& doc, const view_state& view);
// The same for the document of a context that a caller keeps, written into
// the context's output, which it answers; the context's view fields may be
// changed between renders.
const std::wstring& to_html(render_context& context);
// The print HTML, or the matching message text; a saved HTML file holds it.
std::wstring to_print_html(document& doc, const view_state& view);
// The same as printing and PDF saving lay it on paper: the column starts at
// the page's margins and is as wide as the space between them.
std::wstring to_paper_html(document& doc, const view_state& view);
// Word-readable HTML: the print bodies of every page in an Office head whose
// page definition follows the page setup.
std::wstring to_word_html(document& doc, const view_state& view);

// The core renderer for the context's target (screen, or print): writes the
// document into the context's output, which it answers, in place of what was
// there. Writes the page-setup defaults into the tree when the page setup was
// never made.
const std::wstring& render_html(render_context& context);
// Appends the bodies of the standard pages and the shown legacy pages, in
// order, to `out`; the context must have a document.
void write_pages(render_context& context, std::wstring& out);
// The same as a text of its own.
std::wstring render_pages(render_context& context);
// The opening of one screen page, and the break between two of them.
std::wstring render_page_top(const render_context& context);
std::wstring render_page_break(const render_context& context);

// "%d.0pt" of `size`.
std::wstring format_points(std::uint16_t size);

}  // namespace engine
