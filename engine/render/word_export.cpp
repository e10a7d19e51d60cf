#include "engine/render/word_export.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/document/doc_model.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/text_case.h"
#include "engine/text/text_replace.h"

namespace engine {

namespace {

constexpr std::wstring_view print_page_break =
    L"<p style=\"page-break-after:always;height:2px;font-size:2pt;\">&#8204;</p>";
constexpr std::wstring_view word_page_break =
    L"&nbsp;<br style='page-break-before:always;clear:both;'/>";

std::int64_t or_default(std::int64_t value, std::int64_t floor, std::int64_t fallback) {
    return value < floor ? fallback : value;
}

}  // namespace

word_page word_page_of(const doc_record* page_setup) {
    word_page page;
    if (!page_setup) return page;
    const doc_record& r = *page_setup;
    // Truncation of a stored width far out of range must not overflow.
    const double d1 = r.d1 >= 10.0 && r.d1 < 1e9 ? r.d1 : 210.0;
    page.width = static_cast<std::int64_t>(d1);
    page.height = or_default(r.v[0], 10, 297);
    page.top = or_default(r.v[4], 1, 19);
    page.right = or_default(r.v[3], 1, 19);
    page.bottom = or_default(r.v[2], 1, 19);
    page.left = or_default(r.v[5], 1, 19);
    return page;
}

std::wstring word_html_head(const doc_record* page_setup, std::wstring_view title,
                            std::wstring_view cell_font, std::wstring_view language) {
    const auto [width, height, top, right, bottom, left] = word_page_of(page_setup);
    std::wstring page;
    page.reserve(64);
    page += L"size:" + format_int(width) + L"mm " + format_int(height) + L"mm; ";
    page += L"margin:" + format_int(top) + L"mm " + format_int(right) + L"mm " +
            format_int(bottom) + L"mm " + format_int(left) + L"mm;";
    const wchar_t* orientation = height < width ? L"landscape" : L"portrait";

    std::wstring head;
    head.reserve(1500);
    head +=
        L"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" \t\t\t\t"
        L"xmlns:w=\"urn:schemas-microsoft-com:office:word\" "
        L"\t\t\t\txmlns=\"http://www.w3.org/TR/REC-html40\"> "
        L"\t\t\t\t<head>\t\t\t\t<meta http-equiv=Content-Type content=\"text/html; "
        L"charset=utf-8\">\t\t\t\t"
        L"<meta name=ProgId content=Word.Document>";
    head += L"<title>" + html_escape(title) +
            L"</title> \t\t\t\t<!--[if gte mso "
            L"9]>\t\t\t\t<xml>\t\t\t\t\t<w:WordDocument>";
    head +=
        L"<w:View>Print</w:View>\t\t\t\t\t\t<w:SpellingState>Clean</w:SpellingState> \t\t\t\t\t\t"
        L"<w:GrammarState>Clean</w:GrammarState> \t\t\t\t\t\t<w:Compatibility>\t\t\t\t\t\t\t"
        L"<w:BreakWrappedTables/>\t\t\t\t\t\t\t<w:SnapToGridInCell/"
        L">\t\t\t\t\t\t\t<w:WrapTextWithPunct/> "
        L"\t\t\t\t\t\t\t<w:UseAsianBreakRules/>\t\t\t\t\t\t</w:Compatibility>\t\t\t\t\t\t"
        L"<w:BrowserLevel>MicrosoftInternetExplorer4</w:BrowserLevel>\t\t\t\t\t</"
        L"w:WordDocument>\t\t\t\t"
        L"</xml>\t\t\t\t<![endif]-->";
    head += L"<style> \t\t\t\t\t@page Section1 {";
    head += page;
    head +=
        L"mso-header-margin:0mm; \t\t\t\t\tmso-footer-margin:0mm; mso-paper-source:0; "
        L"mso-page-orientation: ";
    head += orientation;
    head += L";} \t\t\t\t\tdiv.Section1 {page:Section1;} ";
    // Word reads the named page; other word processors read only an unnamed one.
    head += L"@page {" + page + L"} ";
    // Not every word processor passes the table's font into its cells, and
    // some give the text in a cell paragraph margins a browser does not.
    head += L"td {" + std::wstring(cell_font) + L"margin-top:0mm;margin-bottom:0mm;} ";
    head += L"\t\t\t\t\t</style>\t\t\t\t\t</head> \t\t\t\t\t";
    // LibreOffice takes the text's language from the body alone, not from
    // the html element or a meta tag; Word reads it there as well.
    head += L"<body lang=\"" + std::wstring(language) + L"\"><div class=Section1>";
    return head;
}

std::wstring word_space_above_table(double mm) {
    // LibreOffice adds a vertical spacer's pixels below the paragraph before
    // it; Word skips an element it does not know, so it reads what it did.
    const double pixels = std::isfinite(mm) ? mm * 96.0 / 25.4 : 0.0;
    if (!(pixels >= 0.5)) return {};
    return L"<spacer type=vertical size=" + format_int(std::int64_t(std::min(pixels, 1e6) + 0.5)) +
           L">";
}

void link_pictures(std::wstring& html,
                   const std::vector<std::pair<std::wstring, std::wstring>>& links) {
    for (const auto& [embedded, linked] : links) replace_all(html, embedded, linked);
}

namespace {

bool tag_at(std::wstring_view html, std::size_t at, std::wstring_view tag) {
    if (html.size() - at < tag.size() + 1) return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (to_lower_char(html[at + i]) != tag[i]) return false;
    const wchar_t after = html[at + tag.size()];
    return after == L'>' || after == L' ';
}

// Where the division opened at `at` ends, past its "</div>"; npos when it is
// never closed. The page bodies write each tag with one blank or none.
std::size_t division_end(std::wstring_view html, std::size_t at) {
    int open = 0;
    for (std::size_t i = at; (i = html.find(L'<', i)) != std::wstring_view::npos; ++i) {
        if (tag_at(html, i, L"<div"))
            ++open;
        else if (tag_at(html, i, L"</div") && --open == 0)
            return i + 6;
    }
    return std::wstring_view::npos;
}

// Whether a table comes before any text from `at` on: tags alone before it.
bool table_comes_first(std::wstring_view html, std::size_t at) {
    for (std::size_t i = at; i < html.size(); ++i) {
        if (html[i] == L'<') {
            if (tag_at(html, i, L"<table")) return true;
            i = html.find(L'>', i);
            if (i == std::wstring_view::npos) return false;
        } else if (html[i] != L' ') {
            return false;
        }
    }
    return false;
}

}  // namespace

void open_with_table_outside_word(std::wstring& html, std::size_t body_start) {
    if (body_start >= html.size() || !tag_at(html, body_start, L"<div") ||
        table_comes_first(html, body_start))
        return;
    std::size_t end = division_end(html, body_start);
    if (end == std::wstring::npos) return;
    // The space above a table after it goes below its text, in the cell.
    if (tag_at(html, end, L"<spacer")) {
        const std::size_t spacer_end = html.find(L'>', end);
        if (spacer_end != std::wstring::npos) end = spacer_end + 1;
    }
    html.insert(end, L"<![if !mso]></td></tr></table><![endif]>");
    html.insert(body_start,
                L"<![if !mso]><table border=0 cellpadding=0 cellspacing=0 width=\"100%\"><tr><td>"
                L"<![endif]>");
}

std::wstring convert_page_breaks(std::wstring html) {
    std::size_t at = html.find(print_page_break);
    if (at == std::wstring::npos) return html;
    std::wstring out;
    out.reserve(html.size());
    std::size_t from = 0;
    for (; at != std::wstring::npos; at = html.find(print_page_break, from)) {
        out.append(html, from, at - from);
        out.append(word_page_break);
        from = at + print_page_break.size();
    }
    out.append(html, from);
    return out;
}

bool has_visible_content(std::wstring text) {
    text = to_upper(std::move(text));
    std::wstring squeezed;
    squeezed.reserve(text.size());
    for (wchar_t c : text)
        if (c != L' ' && c != L'\n' && c != L'\r') squeezed += c;
    std::wstring kept;
    kept.reserve(squeezed.size());
    constexpr std::wstring_view nbsp = L"&NBSP;";
    for (std::size_t i = 0; i < squeezed.size();) {
        if (std::wstring_view(squeezed).substr(i, nbsp.size()) == nbsp) {
            i += nbsp.size();
        } else {
            kept += squeezed[i++];
        }
    }
    // An embedded image has no file extension to go by, so the tag itself
    // counts as well.
    for (std::wstring_view image : {L".JPG", L".BMP", L".GIF", L".PNG", L"<IMG"})
        if (kept.find(image) != std::wstring::npos) return true;
    bool inside_tag = false;
    for (wchar_t c : kept) {
        if (c == L'<') {
            inside_tag = true;
        } else if (c == L'>') {
            inside_tag = false;
        } else if (!inside_tag) {
            return true;
        }
    }
    return false;
}

}  // namespace engine
