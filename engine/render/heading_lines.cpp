#include "engine/render/heading_lines.h"

#include <cmath>
#include <string>

#include "engine/document/page_setup.h"
#include "engine/text/markup_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr double mm_per_point = 25.4 / 72.0;
// The average advance of a character of the library's fonts, blanks among
// them, against the font's size; most running text takes more.
constexpr double narrow_advance = 0.45;
constexpr int heading_lines = 2;

bool is_cased_letter(wchar_t c) { return to_lower_char(c) != to_upper_char(c); }

// Where the next line break ("<br") of `html` starts at `from` or after it.
std::size_t next_break(std::wstring_view html, std::size_t from) {
    for (std::size_t at = html.find(L'<', from); at != std::wstring_view::npos;
         at = html.find(L'<', at + 1)) {
        if (at + 3 <= html.size() && to_lower_char(html[at + 1]) == L'b' &&
            to_lower_char(html[at + 2]) == L'r' &&
            (at + 3 == html.size() || !is_cased_letter(html[at + 3])))
            return at;
    }
    return std::wstring_view::npos;
}

// Characters a reader sees, each run of blanks as one.
std::size_t shown_characters(std::wstring_view html) {
    const std::wstring text = single_spaces(markup_to_text(html));
    std::size_t count = 0;
    bool blank = true;  // leading blanks take no room
    for (const wchar_t c : text) {
        const bool now_blank = is_blank(c) || c == L'\x00A0';
        if (!(now_blank && blank)) ++count;
        blank = now_blank;
    }
    return count;
}

bool starts_bold(std::wstring_view html) {
    const std::size_t at = html.find_first_not_of(L" \t\r\n");
    if (at == std::wstring_view::npos) return false;
    std::wstring start(html.substr(at, 8));
    for (wchar_t& c : start) c = to_lower_char(c);
    return start.starts_with(L"<b>") || start.starts_with(L"<strong>");
}

}  // namespace

int estimated_lines(std::wstring_view html, const doc_record& r, double text_width_mm) {
    const double size = r.v[0] ? double(r.v[0]) : 11.0;
    const double advance = size * mm_per_point * narrow_advance;
    const double per_line = std::max(1.0, std::floor(text_width_mm / advance));
    int lines = 0;
    for (std::size_t from = 0;;) {
        const std::size_t at = next_break(html, from);
        const std::size_t shown = shown_characters(html.substr(from, at - from));
        lines += std::max(1, int(std::ceil(double(shown) / per_line)));
        if (at == std::wstring_view::npos) break;
        from = html.find(L'>', at);
        if (from == std::wstring_view::npos) break;
        ++from;
    }
    return lines;
}

bool is_block_heading(std::wstring_view html, const doc_record& r, double text_width_mm) {
    if (estimated_lines(html, r, text_width_mm) > heading_lines) return false;
    const std::wstring text = markup_to_text(html);
    bool letters = false, capitals = true;
    for (const wchar_t c : text) {
        if (!is_cased_letter(c)) continue;
        letters = true;
        capitals = capitals && is_upper_char(c);
    }
    return letters && (capitals || r.v[2] != 0 || starts_bold(html));
}

double text_width_mm(const document_data* data) {
    const doc_record* setup = page_setup_record(data);
    const double left = setup ? setup->v[5] : default_left_mm;
    const double right = setup ? setup->v[3] : default_right_mm;
    return std::max(10.0, page_width_mm(data) - left - right);
}

}  // namespace engine
