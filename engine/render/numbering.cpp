#include "engine/render/numbering.h"

#include <cmath>

#include "engine/document/document.h"
#include "engine/render/paragraph_style.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::wstring_view table_opening =
    L"<table border=0 cellpadding=0 cellspacing=0 width=100% ";
constexpr std::wstring_view dash_prefix = L"-&nbsp;";
constexpr double inches_per_mm = 0.03937;

// List lengths are stretched by a thousandth and printed from single precision.
std::wstring list_length(double mm) {
    std::wstring text = format_fixed6(static_cast<float>(mm * 1.001));
    return text.size() > 127 ? std::wstring() : text;
}

std::wstring line_height(const doc_record& r) {
    return format_fixed6(static_cast<float>(r.c * inches_per_mm));
}

// The whole millimetres of the first-line indent, without overflowing on
// values a damaged file may hold.
double whole_mm(double d2) {
    if (!std::isfinite(d2)) return 0.0;
    return std::trunc(d2);
}

const wchar_t* text_alignment(const doc_record& r) {
    return r.v[3] == 3 ? L"text-align:justify;\">" : L"text-align:left;\">";
}

const doc_record* setup_root(const document_data* data) {
    return data ? &data->page_setup.record : nullptr;
}

int normalised_kind(int kind) {
    if (kind >= 1000) kind -= 1000;
    if (kind >= 100) kind -= 100;
    return kind;
}

void append_table_style(std::wstring& out, render_context& context, const doc_record& r) {
    context.style.font_face = clean_font_face(r.s3);
    out += L"style=\"font-family:" + context.style.font_face + L";";
    if (r.c != 0) out += L"line-height:" + line_height(r) + L"in;";
    out += L"margin-top:" + list_length(r.v[4]) + L"mm;";
}

}  // namespace

bool bold_numbering(const document_data* data) {
    const doc_record* setup = setup_root(data);
    return setup && setup->c == 1;
}

bool hanging_indent_layout(const document_data* data) {
    const doc_record* setup = setup_root(data);
    return setup && setup->v[1] == 1;
}

std::wstring render_numbered_list(render_context& context, int kind, int element, int item,
                                  int page) {
    std::wstring prefix =
        numbering_prefix(kind, context.numbering_counters, context.document_language);
    const doc_record& r = style_record(context.data, page, element, item);
    const bool body_alignment = r.v[3] == 0 || r.v[3] == 3;
    std::wstring out;
    if (!hanging_indent_layout(context.data)) {
        if (r.v[5] > 0 && body_alignment) {
            out.reserve(1024);
            out += table_opening;
            out +=
                list_item_html(context, page, prefix, element, item, bold_numbering(context.data));
            return out;
        }
        return prefix;
    }
    if (!body_alignment) return prefix;
    if (normalised_kind(kind) != 0) {
        out.reserve(1024);
        out += table_opening;
        out += form_item_html(context, page, prefix, element, item);
        return out;
    }
    if (r.v[5] != 0) {
        out.reserve(1024);
        out += table_opening;
        out += list_item_html(context, page, prefix, element, item);
        return out;
    }
    return prefix;
}

std::wstring list_item_html(render_context& context, int page, const std::wstring& prefix,
                            int element, int item, bool bold_number) {
    const doc_record& r = style_record(context.data, page, element, item);
    std::wstring out;
    out.reserve(768);
    append_table_style(out, context, r);
    out += L"\"><TR>";
    out += L"<td style=\"width:" + list_length(r.v[5]) + L"mm;\">&nbsp;</td>";
    out += L"<td style=\"vertical-align:top; cursor:default; ";
    out += text_alignment(r);
    const double indent = whole_mm(r.d2);
    if (indent != 0.0)
        out += L"<span style=\"text-indent:" + list_length(indent) + L"mm\">&nbsp;</span>";
    out += font_open_tags(context, page, element, item);
    if (bold_number && !prefix.empty()) {
        out += L"<b>" + prefix + L"</b>";
    } else {
        out += prefix;
    }
    return out;
}

std::wstring form_item_html(render_context& context, int page, const std::wstring& prefix,
                            int element, int item) {
    const doc_record& r = style_record(context.data, page, element, item);
    int& form_column_mode = context.form_column_mode;
    const int item_kind = item >= 0 ? r.a : 0;
    const bool dash = prefix == dash_prefix;

    std::size_t columns = 0;
    for (wchar_t c : prefix)
        if (c == L'.') ++columns;
    if (context.document_language != 1) ++columns;
    if (columns >= 3) {
        form_column_mode = 2;
    } else if (!dash) {
        form_column_mode = 1;
    }
    if (item_kind == 9 || item_kind == 10) form_column_mode = 2;
    if (item_kind == 12) form_column_mode = 0;
    if (item_kind == 6) form_column_mode = 3;

    std::wstring out;
    out.reserve(1024);
    append_table_style(out, context, r);
    out += L"\"><tr>";
    if (r.v[5] != 0 && item_kind != 12)
        out += L"<td valign=\"top\" style=\"width:" + list_length(r.v[5]) + L"mm;\">&nbsp;</td>";

    const double width = whole_mm(r.d2);
    if (item_kind == 12) {
        const std::wstring w = list_length(width);
        out += L"<td valign=\"bottom\" style=\"width:" + w +
               L"mm;border-bottom:1px solid black\">&nbsp;</td>";
        out += L"<td valign=\"bottom\" style=\"font-family:Segoe UI Emoji;text-align:right;width:" +
               w + L"mm; border-bottom:1px solid black\">";
        if (show_checks(context.data)) out += L"&#x2713;";
        out += L"&thinsp;</td>";
        out += L"<td style=\"vertical-align:bottom; text-align:left;text-indent:0px;\">";
        out += font_open_tags(context, page, element, item);
        return out;
    }

    const std::wstring open = font_open_tags(context, page, element, item);
    const std::wstring close = font_close_tags(context.data, page, element, item);
    const std::wstring empty_cell = L"<td style=\"text-align:left;vertical-align:top;width:" +
                                    list_length(width) + L"mm;\">" + open + L"&nbsp;" + close +
                                    L"</td>";
    int empty_cells = dash ? 1 : 0;
    if (form_column_mode == 2 && width != 0.0) {
        empty_cells = dash ? 2 : 1;
    } else if (form_column_mode == 3 && width != 0.0 && !dash) {
        empty_cells = 2;
    }
    for (int i = 0; i < empty_cells; ++i) out += empty_cell;

    out += L"<td style=\"text-align:left;vertical-align:top;width:" +
           list_length(dash ? width * 0.5 : width) + L"mm;\">";
    out += open;
    if (bold_numbering(context.data)) {
        if (dash) {
            out += L"<font style=\"font-size:" + format_fixed6(r.v[0] + 3) +
                   L"pt\">&#9642;</font>&nbsp;";
        } else {
            out += L"<b>" + prefix + L"</b>";
        }
    } else {
        out += dash ? std::wstring(L"&#9642;&nbsp;") : prefix;
    }
    out += close;
    out += L"</td>";

    out += L"<td style=\"vertical-align:top; cursor:default; ";
    out += text_alignment(r);
    out += open;
    return out;
}

bool show_checks(const document_data* data) {
    if (!data) return false;
    const doc_node& parameters = data->parameters;
    for (std::size_t s = 0; s < group_count_of(parameters); ++s) {
        const doc_group& section = parameters.groups[s];
        for (std::size_t f = 0; f < element_count_of(section); ++f) {
            const doc_record& field = section.elements[f].record;
            if (field.c != 0 || make_word_key(field.s1) != L"show_checks") continue;
            return !field.s2.empty();
        }
    }
    return false;
}

}  // namespace engine
