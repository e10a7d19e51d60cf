// The state of one render, handed by reference down the walk: document →
// page body → script → field evaluator → value formatters. It holds what the
// program asked for (the view and the kind of output), the document being
// rendered, and what the walk carries from one unit to the next. Nothing else
// in the engine keeps state between calls, so two documents render side by
// side, or on two threads, each through its own context.
//
// A context is made for one render, or by a caller for one pass of scripts
// over a document (the display conditions of its fields), and used by one
// thread. A caller that renders one document again and again may keep its
// context: every render starts its walk afresh, and the output buffer keeps
// its capacity, so a render needs no large allocation. It is defined on this
// floor, the lowest that reads it; the render floor gives it the way to run a
// nested script.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/document/environment.h"
#include "engine/fields/nested_runs.h"
#include "engine/fields/number_reading_cache.h"
#include "engine/fields/parameter_index.h"
#include "engine/fields/picture_cache.h"

namespace engine {

class document;
struct document_data;

// The Word export renders the print bodies in an Office frame.
enum class render_target : std::uint8_t { screen, print, word };

// What the program hands the engine with every render.
struct view_state {
    // The interface language, 0 English, 1 Russian: numbers, dates and the
    // table markers' words follow it.
    int language = 0;
    // The library page is shown: its references become heading and link rows.
    bool library_shown = false;
    // The parameter section selected in the left menu, which the library page
    // names as its active panel.
    int section = 0;
};

// Page width and margins as the page frame writes them ("172.000000mm").
struct page_frame_texts {
    float content_width = 0.0f;  // page width less the side margins, mm
    std::wstring content_width_text;
    std::wstring content_height_text;
    std::wstring left_margin_text;
    std::wstring right_margin_text;
    std::wstring top_margin_text;
    std::wstring bottom_margin_text;
};

// The style of the unit being rendered, as the paragraph styles last wrote
// it; the list layouts and the table markers read it afterwards.
struct unit_style_texts {
    std::wstring font_face;
    std::wstring font_size_text;
    std::wstring font_weight_text;
    std::wstring font_style_text;
    std::wstring line_height_text;
    std::wstring first_indent_text;
    std::wstring align_text;
};

struct render_context {
    // `doc` may be null ("no document"): references are then empty. Its
    // environment gives the clock and the image files; without a document,
    // the machine's.
    render_context(document* doc, const view_state& view,
                   render_target target = render_target::screen);

    render_context(const render_context&) = delete;
    render_context& operator=(const render_context&) = delete;

    // The page bodies of print and Word output.
    bool for_print() const { return target != render_target::screen; }
    // The wall clock, read at each use.
    std::int64_t now() const { return env->now(); }
    // Called as the walk over the pages begins: the render's budget starts
    // afresh, picture files and number fields are read again and the
    // currency worked out again.
    void begin_render();
    // The document's currency in this render's language (document_currency,
    // currency.h), worked out at its first use: a render changes no field,
    // and every number value of it needs the currency.
    std::uint32_t currency();

    int language;
    bool library_shown;
    int section;
    render_target target;
    document* doc;
    document_data* data;  // the document's tree, or null
    // The interface language when the document was opened: its messages and
    // the letters of its lists follow it.
    int document_language;
    const environment* env;

    // Runs a value's text as a script of its own, in this context. Set by the
    // script floor; while null, such a value is shown as typed.
    std::wstring (*run_script)(std::wstring source, render_context& context) = nullptr;

    // The budget and the value memo of the nested script runs.
    nested_runs runs;
    picture_cache pictures;
    number_reading_cache number_readings;

    parameter_index parameters;
    std::optional<std::uint32_t> known_currency;

    page_frame_texts frame;
    unit_style_texts style;
    // Page, element, item and kind of the unit being rendered.
    std::array<std::int32_t, 4> render_position{};
    // Counters of the numbered lists, running on across pages.
    std::array<std::uint32_t, 6> numbering_counters{};
    // 0 to 3: how many empty cells a hanging-indent unit puts before its
    // number; a dash item keeps the one of the numbered unit before it.
    int form_column_mode = 1;
    // A row or a cell of a template table was opened and not yet closed;
    // one table may span several statements.
    bool table_row_open = false;
    bool table_cell_open = false;
    // Set when the unit being rendered asked for a page break.
    std::uint8_t marker_seen = 0;
    // How many times the walk estimated the lines a unit takes on paper,
    // which only the print does.
    std::size_t line_estimates = 0;

    // The HTML of the last whole-document render.
    std::wstring output;
};

}  // namespace engine
