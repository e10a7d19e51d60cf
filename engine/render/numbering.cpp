#include "engine/render/numbering.h"

#include <algorithm>
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

std::int64_t css_pixels(double mm) {
    return std::int64_t(std::clamp(mm * 96.0 / 25.4, 0.0, 1e6) + 0.5);
}

// The cells of a numbered paragraph's table in the DOC. Some word processors
// take a cell's width and alignment only from its attributes and share the
// table among cells without one, so each fixed cell carries its width in
// pixels and the text cell the rest of the content width. Nothing in print.
class word_cells {
public:
    explicit word_cells(const render_context& context)
        : on_(context.target == render_target::word),
          rest_(css_pixels(context.frame.content_width)) {}

    // A cell of `mm` millimetres, its content at the top.
    std::wstring fixed(double mm) { return on_ ? width(mm) + L" valign=\"top\"" : L""; }
    // The same, aligned as its other attributes say.
    std::wstring width(double mm) {
        if (!on_) return {};
        const std::int64_t pixels = css_pixels(mm * 1.001);
        rest_ -= pixels;
        return L" width=" + format_int(pixels);
    }
    // The text cell after the fixed ones.
    std::wstring text(const wchar_t* alignment = L"top") const {
        if (!on_) return {};
        std::wstring out = L" valign=\"" + std::wstring(alignment) + L"\"";
        if (rest_ > 0) out = L" width=" + format_int(rest_) + out;
        return out;
    }

private:
    bool on_;
    std::int64_t rest_;
};

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
    word_cells cells(context);
    out += L"<td" + cells.fixed(r.v[5]) + L" style=\"width:" + list_length(r.v[5]) +
           L"mm;\">&nbsp;</td>";
    out += L"<td" + cells.text() + L" style=\"vertical-align:top; cursor:default; ";
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
    word_cells cells(context);
    if (r.v[5] != 0 && item_kind != 12) {
        const std::wstring attributes = context.target == render_target::word
                                            ? cells.fixed(r.v[5])
                                            : std::wstring(L" valign=\"top\"");
        out +=
            L"<td" + attributes + L" style=\"width:" + list_length(r.v[5]) + L"mm;\">&nbsp;</td>";
    }

    const double width = whole_mm(r.d2);
    if (item_kind == 12) {
        const std::wstring w = list_length(width);
        out += L"<td" + cells.width(width) + L" valign=\"bottom\" style=\"width:" + w +
               L"mm;border-bottom:1px solid black\">&nbsp;</td>";
        out += L"<td" + cells.width(width) +
               L" valign=\"bottom\" style=\"font-family:Segoe UI Emoji;text-align:right;width:" +
               w + L"mm; border-bottom:1px solid black\">";
        if (show_checks(context.data)) out += L"&#x2713;";
        out += L"&thinsp;</td>";
        out += L"<td" + cells.text(L"bottom") +
               L" style=\"vertical-align:bottom; text-align:left;text-indent:0px;\">";
        out += font_open_tags(context, page, element, item);
        return out;
    }

    const std::wstring open = font_open_tags(context, page, element, item);
    const std::wstring close = font_close_tags(context.data, page, element, item);
    int empty_cells = dash ? 1 : 0;
    if (form_column_mode == 2 && width != 0.0) {
        empty_cells = dash ? 2 : 1;
    } else if (form_column_mode == 3 && width != 0.0 && !dash) {
        empty_cells = 2;
    }
    for (int i = 0; i < empty_cells; ++i) {
        out += L"<td" + cells.fixed(width) + L" style=\"text-align:left;vertical-align:top;width:" +
               list_length(width) + L"mm;\">" + open + L"&nbsp;" + close + L"</td>";
    }

    const double number_width = dash ? width * 0.5 : width;
    out += L"<td" + cells.fixed(number_width) +
           L" style=\"text-align:left;vertical-align:top;width:" + list_length(number_width) +
           L"mm;\">";
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

    out += L"<td" + cells.text() + L" style=\"vertical-align:top; cursor:default; ";
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
