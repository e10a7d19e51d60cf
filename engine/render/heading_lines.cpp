#include "engine/render/heading_lines.h"

#include <algorithm>
#include <cmath>

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

bool is_line_break(std::wstring_view html, std::size_t at) {
    return at + 3 <= html.size() && to_lower_char(html[at + 1]) == L'b' &&
           to_lower_char(html[at + 2]) == L'r' &&
           (at + 3 == html.size() || !is_cased_letter(html[at + 3]));
}

bool holds_line_break(std::wstring_view html) {
    for (std::size_t at = html.find(L'<'); at != std::wstring_view::npos;
         at = html.find(L'<', at + 1))
        if (is_line_break(html, at)) return true;
    return false;
}

// Reads the characters of `html` a reader sees, a run of blanks as one and a
// line's leading blanks as none, and hands each to `seen` and each line break
// to `broken`; stops when either answers false.
template <typename Seen, typename Broken>
void read_shown(std::wstring_view html, Seen seen, Broken broken) {
    bool blank = true;
    for (std::size_t i = 0; i < html.size(); ++i) {
        wchar_t c = html[i];
        if (c == L'<') {
            if (const std::size_t length = tag_length(html.substr(i))) {
                if (is_line_break(html, i)) {
                    if (!broken()) return;
                    blank = true;
                }
                i += length - 1;
                continue;
            }
        } else if (c == L'&') {
            if (const auto [code, length] = character_reference_at(html.substr(i)); length) {
                c = wchar_t(code);
                i += length - 1;
            }
        }
        const bool now_blank = is_blank(c) || c == L'\x00A0';
        if (!(now_blank && blank) && !seen(c)) return;
        blank = now_blank;
    }
}

int characters_a_line(const doc_record& r, double text_width_mm) {
    const double size = r.v[0] ? double(r.v[0]) : 11.0;
    const double advance = size * mm_per_point * narrow_advance;
    // A width no page has (NaN included) still gives a count an int holds.
    return int(std::min(std::max(1.0, std::floor(text_width_mm / advance)), 1e6));
}

bool starts_bold(std::wstring_view html) {
    const std::size_t at = html.find_first_not_of(L" \t\r\n");
    if (at == std::wstring_view::npos || html.size() - at < 3 || html[at] != L'<') return false;
    const auto tag_is = [&](std::wstring_view tag) {
        if (html.size() - at < tag.size()) return false;
        for (std::size_t i = 0; i < tag.size(); ++i)
            if (to_lower_char(html[at + i]) != tag[i]) return false;
        return true;
    };
    return tag_is(L"<b>") || tag_is(L"<strong>");
}

}  // namespace

bool fits_in_lines(std::wstring_view html, const doc_record& r, double text_width_mm, int lines) {
    const int per_line = characters_a_line(r, text_width_mm);
    if (html.size() <= std::size_t(lines) * std::size_t(per_line) && !holds_line_break(html))
        return true;
    int line = 1;     // the line being read
    int on_line = 0;  // its characters so far
    read_shown(
        html,
        [&](wchar_t) {
            if (on_line == per_line) {
                ++line;
                on_line = 0;
            }
            ++on_line;
            return line <= lines;
        },
        [&] {
            ++line;
            on_line = 0;
            return line <= lines;
        });
    return line <= lines;
}

bool is_block_heading(std::wstring_view html, const doc_record& r, double text_width_mm) {
    const bool bold = r.v[2] != 0 || starts_bold(html);
    bool letters = false, capitals = true;
    read_shown(
        html,
        [&](wchar_t c) {
            if (!is_cased_letter(c)) return true;
            letters = true;
            capitals = capitals && is_upper_char(c);
            return !bold && capitals;
        },
        [] { return true; });
    return letters && (capitals || bold) && fits_in_lines(html, r, text_width_mm, heading_lines);
}

double text_width_mm(const document_data* data) {
    const doc_record* setup = page_setup_record(data);
    const double left = setup ? setup->v[5] : default_left_mm;
    const double right = setup ? setup->v[3] : default_right_mm;
    return std::max(10.0, page_width_mm(data) - left - right);
}

}  // namespace engine
