#include "engine/render/paragraph_style.h"

#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"

namespace engine {

namespace {

constexpr double inches_per_mm = 0.03937;

// A formatted number longer than this is dropped, as a fixed buffer would.
std::wstring fitted(std::wstring text) { return text.size() > 127 ? std::wstring() : text; }

std::wstring fixed(double value) { return fitted(format_fixed6(value)); }

// A browser gives a division no bottom margin; a word processor reading the
// DOC adds its own unless the paragraph says otherwise.
const wchar_t* word_margin_bottom(const render_context& context) {
    return context.target == render_target::word ? L"margin-bottom:0mm;" : L"";
}

bool indent_allowed(const doc_record& r) { return r.a < 1000 && static_cast<float>(r.d2) > 0.0f; }

}  // namespace

const doc_record* find_style_record(const document_data& data, int page, int element, int item) {
    const doc_node& pages = data.pages;
    if (item == -2) {
        if (element < 0 || std::size_t(element) >= group_count_of(pages)) return nullptr;
        return &pages.groups[std::size_t(element)].record;
    }
    if (page < 0 || std::size_t(page) >= group_count_of(pages)) return nullptr;
    const doc_group& group = pages.groups[std::size_t(page)];
    if (element == -1 && item == -1) return &group.record;
    if (element < 0 || std::size_t(element) >= element_count_of(group)) return nullptr;
    const doc_element& block = group.elements[std::size_t(element)];
    if (item == -1) return &block.record;
    if (item < 0 || std::size_t(item) >= item_count_of(block)) return nullptr;
    return &block.items[std::size_t(item)];
}

const doc_record& style_record(const document_data* data, int page, int element, int item) {
    static const doc_record empty;
    const doc_record* found = data ? find_style_record(*data, page, element, item) : nullptr;
    return found ? *found : empty;
}

std::wstring alignment_text(std::uint16_t alignment) {
    switch (alignment) {
        case 1: return L"text-align:center;";
        case 2: return L"text-align:right;";
        case 3: return L"text-align:justify;";
        default: return L"text-align:left;";
    }
}

std::wstring paragraph_style(render_context& context, int page, int element, int item) {
    const doc_record& r = style_record(context.data, page, element, item);
    unit_style_texts& style = context.style;
    const bool is_item = item >= 0;
    std::wstring out;
    out.reserve(256);
    out += L"style=\"";
    style.font_face = clean_font_face(r.s3);
    out += L"font-family:" + style.font_face + L";";
    const double line_height = r.c * inches_per_mm;
    style.line_height_text = fixed(line_height);
    if (is_item ? r.c != 0 : r.c > 2) out += L"line-height:" + style.line_height_text + L"in;";
    out += L"cursor:default;";
    out += L"margin-top:" + fixed(r.v[4]) + L"mm;";
    out += word_margin_bottom(context);
    if (r.v[3] != 1 && r.v[3] != 2 && indent_allowed(r)) {
        std::wstring indent = fixed(static_cast<float>(r.d2));
        out += L"text-indent:" + indent + (is_item ? L"mm; " : L"mm;");
        if (item == 0) style.first_indent_text = indent;
    }
    style.align_text = alignment_text(r.v[3]);
    out += style.align_text;
    out += L"\">";
    out += font_open_tags(context, page, element, item);
    return out;
}

std::wstring legacy_paragraph_style(render_context& context, int page) {
    const doc_record& r = style_record(context.data, page, -1, -1);
    unit_style_texts& style = context.style;
    std::wstring out;
    out.reserve(256);
    style.font_face = clean_font_face(r.s3);
    out += L"style=\"font-family:" + style.font_face + L";";
    style.line_height_text = fixed(r.c * inches_per_mm);
    if (r.c != 0) out += L"line-height:" + style.line_height_text + L"in";
    out += L";cursor:default;";
    out += L"margin-top:" + fixed(r.v[4]) + L"mm;";
    out += word_margin_bottom(context);
    if (indent_allowed(r)) out += L"text-indent:" + fixed(static_cast<float>(r.d2)) + L"mm; ";
    style.align_text = alignment_text(r.v[3]);
    out += style.align_text;
    out += L"\">";
    out += font_open_tags(context, page, -1, -1);
    return out;
}

std::wstring font_open_tags(render_context& context, int page, int element, int item) {
    const doc_record& r = style_record(context.data, page, element, item);
    unit_style_texts& style = context.style;
    std::wstring out;
    out.reserve(96);
    style.font_face = clean_font_face(r.s3);
    out += L"<font face=\"" + style.font_face + L"\">";
    style.font_size_text = format_int(r.v[0]) + L".0";
    out += L"<font style=\"font-size: " + style.font_size_text + L"pt;\">";
    if (r.v[2] != 0) out += L"<b>";
    style.font_weight_text = r.v[2] != 0 ? L"700" : L"400";
    if (r.v[1] != 0) out += L"<i>";
    style.font_style_text = r.v[1] != 0 ? L"italic" : L"normal";
    return out;
}

std::wstring font_close_tags(const document_data* data, int page, int element, int item) {
    const doc_record& r = style_record(data, page, element, item);
    std::wstring out;
    if (r.v[1] != 0) out += L"</i>";
    if (r.v[2] != 0) out += L"</b>";
    out += L"</font></font>";
    return out;
}

}  // namespace engine
