#include "engine/render/page_body.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "engine/document/document_data.h"
#include "engine/render/document_html.h"
#include "engine/render/heading_lines.h"
#include "engine/render/numbering.h"
#include "engine/render/paragraph_style.h"
#include "engine/render/script.h"
#include "engine/render/table_repair.h"
#include "engine/render/unbroken_tables.h"
#include "engine/render/word_export.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::wstring_view break_marker = L"{%}";
constexpr std::wstring_view print_page_break =
    L"<p style=\"page-break-after:always;height:2px;font-size:2pt;\">&#8204;</p>";

constexpr std::wstring_view blanks = L" \t\r\n";

bool starts_with_tag(std::wstring_view html, std::wstring_view tag) {
    if (html.size() < tag.size()) return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (to_lower_char(html[i]) != tag[i]) return false;
    return true;
}

bool ends_with_tag(std::wstring_view html, std::wstring_view tag) {
    return html.size() >= tag.size() && starts_with_tag(html.substr(html.size() - tag.size()), tag);
}

// True when the HTML shows a table before anything else.
bool starts_with_table(std::wstring_view html) {
    const std::size_t at = html.find_first_not_of(blanks);
    return at != std::wstring_view::npos && starts_with_tag(html.substr(at), L"<table");
}

// True when the HTML holds a table anywhere.
bool holds_table(std::wstring_view html) {
    for (std::size_t at = html.find(L'<'); at != std::wstring_view::npos;
         at = html.find(L'<', at + 1))
        if (starts_with_tag(html.substr(at), L"<table")) return true;
    return false;
}

// True when a paragraph of text ends the page so far: not a table, with the
// tags that close its fonts and division aside, and not the page's start.
bool ends_with_paragraph(std::wstring_view html) {
    constexpr std::wstring_view closings[] = {L"</font>", L"</b>", L"</i>", L"</div>"};
    for (;;) {
        const std::size_t end = html.find_last_not_of(blanks);
        if (end == std::wstring_view::npos) return false;
        html = html.substr(0, end + 1);
        if (ends_with_tag(html, L"</table>")) return false;
        const auto closing =
            std::find_if(std::begin(closings), std::end(closings),
                         [&](std::wstring_view tag) { return ends_with_tag(html, tag); });
        if (closing == std::end(closings)) return true;
        html.remove_suffix(closing->size());
    }
}

// What the unit last shown asks of the one after it: a heading or a one-line
// lead-in that should not stay alone at a page's foot.
struct keep_candidate {
    std::size_t at = std::wstring::npos;  // where it began in the page's HTML
    bool heading = false;                 // a block's own text
    bool block_heading = false;           // ... that reads as a heading
    // Its number and text in the page's HTML, in the size of `style`: a
    // lead-in when they take one line. Null when it holds a table.
    const doc_record* style = nullptr;
    std::size_t lines_at = 0, lines_end = 0;
};

// Whether `html` takes at most `lines` lines on paper, counted on the context.
bool fits(render_context& context, std::wstring_view html, const doc_record& r, double width,
          int lines) {
    ++context.line_estimates;
    return fits_in_lines(html, r, width, lines);
}

// Whether the unit `before` names goes on one page with the unit after it,
// which shows a table first or whose number and text stand at `lines_at` of
// `out`; the lines are estimated only when the answer rests on them.
bool keeps_with(render_context& context, const keep_candidate& before, const std::wstring& out,
                const std::wstring& text, bool table_first, bool has_table, const doc_record& own,
                std::size_t lines_at, double width) {
    if (before.at == std::wstring::npos) return false;
    const std::wstring_view page = out;
    if (table_first) {
        if ((before.heading && starts_with_kept_table(text)) || before.block_heading) return true;
        return before.style &&
               fits(context, page.substr(before.lines_at, before.lines_end - before.lines_at),
                    *before.style, width, 1);
    }
    return before.block_heading && !has_table &&
           fits(context, page.substr(lines_at), own, width, clause_lines_kept_with_heading);
}

// One block (item -1) or paragraph run of a standard page. `before` is what
// the last unit shown asks of this one, replaced by what this one asks.
// `width` is the column's on paper, where units keep together.
void render_unit(render_context& context, std::wstring& out, const doc_record& r, int page,
                 int element, int item, keep_candidate& before, double width) {
    const std::wstring style = paragraph_style(context, page, element, item);
    context.render_position = {page, element, item, r.a};

    std::wstring text = r.s2;
    if (std::size_t at = text.find(break_marker); at != std::wstring::npos) {
        text.erase(at, break_marker.size());
        context.marker_seen = 1;
    }
    text = script(std::move(text), context).run();
    // An invisible unit leaves nothing behind, not even the break it asked for.
    if (!has_visible_content(text)) return;
    const keep_candidate previous = std::exchange(before, keep_candidate{});
    text = balance_tables(std::move(text));
    // On paper a short table (a signature table) does not split at a page's end.
    if (context.for_print()) text = keep_short_tables_whole(std::move(text));

    const std::wstring prefix = render_numbered_list(context, r.a, element, item, page);
    const bool framed = std::wstring_view(prefix).substr(0, 6) == L"<table";
    const bool table_first = prefix.empty() && starts_with_table(text);
    // A number framed in a table of its own (a hanging indent) is no table
    // of the text's.
    const bool has_table = holds_table(text);
    // Only paper has page ends; the screen and the DOC estimate no lines.
    const bool on_paper = context.target == render_target::print;
    if (context.target == render_target::word && previous.heading && table_first &&
        starts_with_kept_table(text))
        out.replace(previous.at, std::wstring::npos, keep_with_next(out.substr(previous.at)));
    std::size_t start = out.size();
    // Only a paragraph before the table can carry the space there: after
    // another table the spacer would make a line of its own.
    if (context.target == render_target::word && ends_with_paragraph(out) &&
        (framed || (prefix.empty() && starts_with_table(text))))
        out += word_space_above_table(r.v[4]);
    if (!framed) {
        out += L"<div ";
        out += style;
    }
    std::size_t lines_at = out.size();
    // A framed prefix carries its bold inside the number cell: a <b> around
    // the table would never be closed and would embolden the rest of the page.
    if (!framed && bold_numbering(context.data) && !hanging_indent_layout(context.data)) {
        out += L"<b>";
        out += prefix;
        out += L"</b>";
    } else {
        out += prefix;
    }
    if (framed) lines_at = out.size();
    out += text;
    std::size_t lines_end = out.size();
    // A heading, or a one-line lead-in, left alone at a page's foot goes to
    // the next page with what follows it: a table, or a first clause short
    // enough to move whole. On paper one division holds both. In the DOC
    // only a heading above a table kept whole keeps with the next paragraph:
    // LibreOffice sets a paragraph asking so lower than the print does.
    const doc_record& own = style_record(context.data, page, element, item);
    const bool kept_together = on_paper && keeps_with(context, previous, out, text, table_first,
                                                      has_table, own, lines_at, width);
    out += font_close_tags(context.data, page, element, item);
    out += framed ? L"</td></tr></table>" : L"</div>";
    if (kept_together) {
        out.insert(previous.at, keep_together_open);
        out += L"</div>";
        start += keep_together_open.size();
        lines_at += keep_together_open.size();
        lines_end += keep_together_open.size();
    }

    if (context.marker_seen) {
        out += context.for_print() ? std::wstring(print_page_break) : render_page_break(context);
        return;
    }
    const bool heading = item == -1 && !starts_with_table(text);
    // Any paragraph without a table may be a one-line lead-in to a table
    // after it; held with the unit before, it goes with that one.
    if (!heading && has_table) return;
    before.at = heading || !kept_together ? start : previous.at;
    before.heading = heading;
    if (heading && on_paper && !has_table) {
        ++context.line_estimates;
        before.block_heading = is_block_heading(text, own, width);
    }
    if (!has_table) before.style = &own;
    before.lines_at = lines_at;
    before.lines_end = lines_end;
}

}  // namespace

std::wstring render_standard_page(render_context& context, int page_index) {
    std::wstring out;
    context.marker_seen = 0;
    const document_data* data = context.data;
    if (!data || page_index < 0 || std::size_t(page_index) >= group_count_of(data->pages))
        return out;
    out.reserve(4096);
    keep_candidate before;
    const double width = context.target == render_target::print ? text_width_mm(data) : 0;
    const doc_group& page = data->pages.groups[std::size_t(page_index)];
    for (std::size_t e = 0; e < element_count_of(page); ++e) {
        const doc_element& block = page.elements[e];
        if (block.record.b == 0) continue;
        // A heading keeps only with what opens its own block's body.
        if (before.heading) before = {};
        render_unit(context, out, block.record, page_index, int(e), -1, before, width);
        context.marker_seen = 0;
        for (std::size_t i = 0; i < item_count_of(block); ++i) {
            if (block.items[i].b == 0) continue;
            render_unit(context, out, block.items[i], page_index, int(e), int(i), before, width);
            context.marker_seen = 0;
        }
    }
    return out;
}

}  // namespace engine
