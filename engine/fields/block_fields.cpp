#include "engine/fields/block_fields.h"

#include <string_view>

#include "engine/document/document_data.h"
#include "engine/fields/expr_token.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

// Records of the first standard page that style the blocks; null when missing.
struct block_styles {
    bool page = false;
    const doc_record* e0 = nullptr;
    const doc_record* e1 = nullptr;
    const doc_record* i0 = nullptr;
    const doc_record* i1 = nullptr;
};

block_styles find_styles(const document_data* data) {
    block_styles s;
    if (!data) return s;
    for (std::size_t p = 0; p < group_count_of(data->pages); ++p) {
        const doc_group& page = data->pages.groups[p];
        if (page.record.a != 1) continue;
        s.page = true;
        const std::size_t blocks = element_count_of(page);
        if (blocks > 0) {
            const doc_element& first = page.elements[0];
            s.e0 = &first.record;
            if (item_count_of(first) > 0) s.i0 = &first.items[0];
            if (item_count_of(first) > 1) s.i1 = &first.items[1];
        }
        if (blocks > 1) s.e1 = &page.elements[1].record;
        break;
    }
    return s;
}

bool needs_script_escape(wchar_t c) {
    switch (c) {
        case L'"':
        case L'\'':
        case L'\\':
        case L'&':
        case L'<':
        case L'>':
        case L'=':
        case L'`':
        case 0x7F:
        case 0x2028:
        case 0x2029: return true;
        default: return c < 0x21;
    }
}

void append_hex4(std::wstring& out, unsigned value) {
    constexpr wchar_t digits[] = L"0123456789ABCDEF";
    out += L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(value >> shift) & 0xF];
}

}  // namespace

std::wstring link_message(const std::wstring& value) {
    std::wstring joined = join_words(html_unescape(value));
    std::wstring out;
    out.reserve(joined.size() + 16);
    for (wchar_t c : joined) {
        if (needs_script_escape(c)) {
            append_hex4(out, unsigned(c));
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring heading_block_html(const document_data* data, const std::wstring& value) {
    const block_styles s = find_styles(data);
    std::wstring out;
    out.reserve(512 + value.size());
    out +=
        L"<TR><TD style=\"border-left:solid 3px white;border-right:solid 3px white;"
        L"border-bottom:solid 1px #0070C0;font-family:Arial;font-size:6px;";
    if (s.e1) out += L"padding-top:" + format_int(s.e1->v[4]) + L"mm;";
    out += L"\">&nbsp;</TD></TR><TR>";
    out +=
        L"<TD style=\"padding:6px;border-bottom:white solid 3px;border-top:white solid 1px; "
        L"background-color:#4E5FA6;";
    if (s.e0) {
        out += L"font-family:" + clean_font_face(s.e0->s3) + L";font-weight:" +
               (s.e0->v[2] != 0 ? L"700;" : L"400;");
        out += L"font-size:" + format_int(s.e0->v[0]) + L".0pt;";
        if (s.e0->v[3] == 1) out += L"text-align:center;";
    }
    if (s.i0) out += L"padding-left:" + format_fixed6(s.i0->d2) + L"mm;";
    out += L"color:white; \">";
    out += value;
    out += L"</TD>";
    return out;
}

std::wstring file_link_html(const document_data* data, const std::wstring& value,
                            render_target target) {
    const block_styles s = find_styles(data);
    std::size_t slash = value.find(L'/');
    std::wstring_view shown = slash == std::wstring::npos
                                  ? std::wstring_view(value)
                                  : std::wstring_view(value).substr(slash + 1);
    std::wstring out;
    out.reserve(640 + 2 * value.size());
    out += L"<tr><td style=\"padding:4px;padding-bottom:6px;";
    if (s.i0) out += L"padding-left:" + format_fixed6(s.i0->d2) + L"mm;";
    if (s.i1) out += L"border-top:white solid " + format_int(s.i1->v[4]) + L"mm;";
    out += L"border-bottom:white solid 3px; background-color:#E0E0F0; ";
    if (!s.page) {
        out += L"font-family:Arial Narrow;font-size:11.0pt;";
    } else if (s.i0) {
        out += L"font-family:" + clean_font_face(s.i0->s3) + L";font-size:" +
               format_int(s.i0->v[0]) + L"pt;";
    }
    if (target == render_target::screen) {
        out +=
            L"\" onmouseover={style.background=\"#5F75C7\";style.color=\"#E0F0F5\";}  "
            L"onmouseout={style.background=\"#E0E0F0\";style.color=\"#01020F\";} ";
        out += L" onclick={window.chrome.webview.postMessage(\"" + link_message(value) + L"\");}";
    } else {
        out += L"\"";
    }
    out += L">";
    out += shown;
    out += L"</td>";
    return out;
}

block_field render_block_field(const render_context& context, std::wstring value,
                               const std::vector<expr_token>& modifiers) {
    enum class block { none, heading, link } kind = block::none;
    for (const expr_token& modifier : modifiers) {
        const std::wstring key = make_word_key(modifier.text);
        if (key == L"заголовок" || key == L"heading") kind = block::heading;
        if (key == L"ссылка" || key == L"filelink") kind = block::link;
    }
    switch (kind) {
        case block::heading: return {heading_block_html(context.data, value), true};
        case block::link: return {file_link_html(context.data, value, context.target), true};
        case block::none: break;
    }
    return {std::move(value), false};
}

}  // namespace engine
