// The open document as the program holds it: it owns the tree, loads it from
// the file when constructed, saves it on request and renders it as one HTML
// text for the screen or for printing.
//
// Constructing a document makes it `current_document`; destroying it clears
// `current_document` when it still points to it. The text members are the
// working texts of one render: the page bodies read and write them while
// `render_html` runs. Used on the UI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/document/document_data.h"

namespace engine {

class document {
public:
    // Loads the file at `path` (empty when the library holds no such file).
    // A missing, foreign or damaged file throws nothing; see `loaded`.
    explicit document(std::wstring path);
    virtual ~document();

    document(const document&) = delete;
    document& operator=(const document&) = delete;

    // Writes the tree back to the file. False, and the stored file kept as it
    // was, when the document did not load or the writing failed.
    virtual bool save();

    // Whether the file opened, began with "BRF4.0" and was read without
    // damage: only then may the document be written back.
    bool loaded() const;

    // The screen HTML, or the failed-to-open / absent-document page.
    std::wstring to_html();
    // The print HTML, or the matching message text.
    std::wstring to_print_html();
    // The core renderer; `mode` 0 screen, 1 print. Writes the page-setup
    // defaults into the tree when the page setup was never made.
    std::wstring render_html(std::uint8_t mode);
    // The bodies of the standard pages and the shown legacy pages, in order;
    // the tree must be there.
    std::wstring render_pages();
    // The opening of one screen page, and the break between two of them.
    std::wstring render_page_top() const;
    std::wstring render_page_break() const;
    // Word-readable HTML: the print bodies of every page in an Office head
    // whose page definition follows the page setup.
    std::wstring to_word_html();

    // Zoom in percent. A non-finite value renders as 100, others are kept
    // within 10 to 500.
    double zoom = 100.0;
    std::wstring path;

    std::wstring font_face;
    std::wstring font_size_text;
    std::wstring font_weight_text;
    std::wstring font_style_text;
    std::wstring line_height_text;
    std::wstring first_indent_text;
    std::wstring align_text;
    std::wstring content_width_text;
    std::wstring content_height_text;
    std::wstring left_margin_text;
    std::wstring right_margin_text;
    std::wstring top_margin_text;
    std::wstring bottom_margin_text;

    // Page width less the side margins in mm, set by every render.
    float content_width = 0.0f;
    // Page, element, item and kind of the unit being rendered.
    std::array<std::int32_t, 4> render_position{};
    // Counters of the numbered lists; zeroed by every render.
    std::array<std::uint32_t, 6> numbering_counters{};
    std::unique_ptr<document_data> data;
    // Read only by the legacy page layout.
    std::int32_t layout_variant = 3;
    // `current_language` when the document was opened; selects its messages.
    std::int32_t language = 0;
    // Set by the page bodies when a unit asked for a page break.
    std::uint8_t marker_seen = 0;
};

}  // namespace engine
