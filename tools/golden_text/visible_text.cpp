#include "tools/golden_text/visible_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/text/text_case.h"

namespace golden {

namespace {

constexpr wchar_t line_end = L'\n';
constexpr wchar_t cell_start = L'\t';

bool is_blank(wchar_t c) { return c == L' '; }

// The tag starting at `at` ('<'): its lower-case name, whether it closes, and
// where it ends. Quoted attribute values may hold '>'.
struct tag {
    std::wstring name;
    bool closing = false;
    std::size_t end = std::wstring::npos;  // past the '>'
};

tag read_tag(const std::wstring& html, std::size_t at) {
    tag t;
    std::size_t i = at + 1;
    if (i < html.size() && html[i] == L'/') {
        t.closing = true;
        ++i;
    }
    while (i < html.size() &&
           (engine::is_alpha_char(html[i]) || (html[i] >= L'0' && html[i] <= L'9')))
        t.name += engine::to_lower_char(html[i++]);
    wchar_t quote = 0;
    for (; i < html.size(); ++i) {
        if (quote) {
            if (html[i] == quote) quote = 0;
        } else if (html[i] == L'"' || html[i] == L'\'') {
            quote = html[i];
        } else if (html[i] == L'>') {
            t.end = i + 1;
            break;
        }
    }
    return t;
}

bool one_of(const std::wstring& name, std::initializer_list<std::wstring_view> names) {
    for (std::wstring_view n : names)
        if (name == n) return true;
    return false;
}

// Elements whose content is never shown.
bool is_hidden_element(const std::wstring& name) {
    return one_of(name, {L"head", L"style", L"script", L"title"});
}

bool is_block(const std::wstring& name) {
    return one_of(name, {L"div", L"p", L"br", L"tr", L"table", L"li", L"h1", L"h2", L"h3", L"h4",
                         L"h5", L"h6"});
}

struct named_character {
    std::wstring_view name;
    wchar_t character;
};

// clang-format off
constexpr std::array<named_character, 12> named_characters = {{
    {L"nbsp", L'\u00A0'},  {L"thinsp", L'\u2009'}, {L"ensp", L'\u2002'},  {L"emsp", L'\u2003'},
    {L"lt", L'<'},         {L"gt", L'>'},          {L"amp", L'&'},        {L"quot", L'"'},
    {L"apos", L'\''},      {L"laquo", L'\u00AB'},  {L"raquo", L'\u00BB'}, {L"mdash", L'\u2014'},
}};
// clang-format on

// The character of the reference at `at` ('&') and its length; 0 when the
// text there is no reference the engine writes, and the '&' then stands.
std::size_t read_reference(const std::wstring& html, std::size_t at, wchar_t& character) {
    const std::size_t semicolon = html.find(L';', at);
    if (semicolon == std::wstring::npos || semicolon - at > 10) return 0;
    const std::wstring_view body = std::wstring_view(html).substr(at + 1, semicolon - at - 1);
    if (body.size() >= 2 && body[0] == L'#') {
        const bool hex = body[1] == L'x' || body[1] == L'X';
        try {
            character =
                wchar_t(std::stoul(std::wstring(body.substr(hex ? 2 : 1)), nullptr, hex ? 16 : 10));
        } catch (const std::exception&) {
            return 0;
        }
        return semicolon + 1 - at;
    }
    for (const named_character& named : named_characters)
        if (body == named.name) {
            character = named.character;
            return semicolon + 1 - at;
        }
    return 0;
}

// Calls `visit` with each cell's text, between the line and cell marks.
template <class Visit>
void each_piece(const std::wstring& text, Visit&& visit) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != line_end && text[i] != cell_start) continue;
        visit(std::wstring_view(text).substr(start, i - start),
              i < text.size() ? text[i] : line_end);
        start = i + 1;
    }
}

// A cell of nothing but spaces of any kind shows nothing.
bool shows_nothing(std::wstring_view piece) {
    for (wchar_t c : piece)
        if (!is_blank(c) && c != L'\u00A0' && c != L'\u2009') return false;
    return true;
}

std::wstring_view trim_blanks(std::wstring_view piece) {
    while (!piece.empty() && is_blank(piece.front())) piece.remove_prefix(1);
    while (!piece.empty() && is_blank(piece.back())) piece.remove_suffix(1);
    return piece;
}

// Blanks of any width, as the checks of punctuation see them.
bool is_space(wchar_t c) {
    return is_blank(c) || c == L'\u00A0' || c == L'\u2009' || c == L'\u2002' || c == L'\u2003';
}

bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Marks that close or part a sentence; the gap "______" is no punctuation.
bool is_punctuation(wchar_t c) {
    return std::wstring_view(L".,;:!?)]\u00BB\"'\u2014\u2013-\u2026").find(c) !=
           std::wstring_view::npos;
}

std::size_t skip_spaces(std::wstring_view piece, std::size_t i) {
    while (i < piece.size() && is_space(piece[i])) ++i;
    return i;
}

bool starts_word(std::wstring_view piece, std::size_t i) {
    return i == 0 || !engine::is_alpha_char(piece[i - 1]);
}

// A count of days follows at `i`: the word, or a number in words in
// parentheses first ("(thirty) days", «(пяти) календарных дней»).
bool day_count_follows(std::wstring_view piece, std::size_t i) {
    i = skip_spaces(piece, i);
    if (i < piece.size() && piece[i] == L'(') {
        const std::size_t close = piece.find(L')', i);
        if (close == std::wstring_view::npos) return false;
        i = skip_spaces(piece, close + 1);
    }
    std::wstring word;
    while (i < piece.size() && engine::is_alpha_char(piece[i]))
        word += engine::to_lower_char(piece[i++]);
    for (std::wstring_view day : {L"day", L"дн", L"ден", L"календарн", L"банковск", L"рабоч"})
        if (word.starts_with(day)) return true;
    return false;
}

// The sentence faults of one cell or line: what a field left empty leaves
// behind when the text around it does not give it a gap.
std::vector<std::wstring_view> sentence_faults(std::wstring_view piece) {
    std::vector<std::wstring_view> faults;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const wchar_t c = piece[i];
        if (i > 0 && is_space(piece[i - 1]) &&
            std::wstring_view(L",.;:").find(c) != std::wstring_view::npos)
            faults.push_back(L"a blank before a punctuation mark");
        const bool number_sign =
            c == L'\u2116' || (piece.substr(i).starts_with(L"No.") && starts_word(piece, i));
        if (number_sign) {
            const std::size_t next = skip_spaces(piece, i + (c == L'\u2116' ? 1 : 3));
            if (next == piece.size() || is_punctuation(piece[next]) ||
                (engine::is_alpha_char(piece[next]) && !engine::is_upper_char(piece[next])))
                faults.push_back(L"a number sign with no number");
        }
        if (c == L':') {
            const std::size_t next = skip_spaces(piece, i + 1);
            if (next < piece.size() &&
                std::wstring_view(L".,;:!?)\u00BB").find(piece[next]) != std::wstring_view::npos)
                faults.push_back(L"a colon before a punctuation mark");
        }
        if (c == L'(' && skip_spaces(piece, i + 1) < piece.size() &&
            piece[skip_spaces(piece, i + 1)] == L')')
            faults.push_back(L"empty parentheses");
        if ((c == L'-' || c == L'\u2212') && i + 1 < piece.size() && is_digit(piece[i + 1]) &&
            (i == 0 || is_space(piece[i - 1]) || piece[i - 1] == L'(')) {
            std::size_t end = i + 1;
            while (end < piece.size() &&
                   (is_digit(piece[end]) || piece[end] == L',' || piece[end] == L'.'))
                ++end;
            if (day_count_follows(piece, end)) faults.push_back(L"a day count below zero");
        }
    }
    return faults;
}

// A doubled blank, of whatever kind (a blank beside a no-break space), or a
// no-break or thin space that starts a cell: a reader sees a gap where none
// belongs. Runs of three or more with no two ordinary blanks in them are the
// spacing a form writes on purpose: between a name and its signature line, a
// place and its date.
std::wstring_view blank_fault(std::wstring_view piece) {
    if (shows_nothing(piece)) return {};
    if (is_space(piece.front())) return L"a blank at the start of a cell";
    for (std::size_t i = 0; i < piece.size();) {
        std::size_t end = i;
        bool two_ordinary = false;
        for (; end < piece.size() && is_space(piece[end]); ++end)
            two_ordinary =
                two_ordinary || (end > i && is_blank(piece[end - 1]) && is_blank(piece[end]));
        if (end - i == 2 || two_ordinary) return L"two blanks in a row";
        i = end == i ? i + 1 : end;
    }
    return {};
}

// Whole cells or lines a form legitimately prints that the sentence checks
// would take for a fault.
constexpr std::wstring_view allowed_pieces[] = {
    L"\u2116",  // a table column headed "No."
    // The formats pages list what each part of a date that is no date gives:
    // nothing.
    L"-\u00A0day: ; dayth or day th: , ; month: ; month in words: ; year:",
    L"-\u00A0день: ; месяц: ; месяц прописью: ; год:",
    L"-\u00A0короткая или краткая: ,",
};

bool allowed(std::wstring_view piece) {
    return std::find(std::begin(allowed_pieces), std::end(allowed_pieces), piece) !=
           std::end(allowed_pieces);
}

// A table cell as the signature check reads it.
struct cell {
    bool line_below = false;  // a bottom border: a line to sign on
    std::wstring markup;
};

// What a cell shows, on one line.
std::wstring cell_text(const std::wstring& markup) {
    std::wstring text = collapse_blanks(visible_text(markup));
    while (!text.empty() && text.back() == line_end) text.pop_back();
    std::replace(text.begin(), text.end(), line_end, L'/');
    return text;
}

bool draws_bottom_border(const std::wstring& tag_markup) {
    const std::size_t border = engine::to_lower(tag_markup).find(L"border-bottom:");
    if (border == std::wstring::npos) return false;
    const std::size_t width = skip_spaces(tag_markup, border + 14);
    return width < tag_markup.size() && tag_markup[width] >= L'1' && tag_markup[width] <= L'9';
}

// In a signature table a row of empty cells draws the lines to sign on; the
// row below it (above it when it is the last) names who signs on each line,
// and a name cell that shows nothing leaves a party unnamed.
void check_signature_table(const std::vector<std::vector<cell>>& rows,
                           std::vector<std::wstring>& faults) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        bool lines = false, empty = true;
        for (const cell& c : rows[r]) {
            lines = lines || c.line_below;
            empty = empty && cell_text(c.markup).empty();
        }
        if (!lines || !empty || rows.size() < 2) continue;
        const std::vector<cell>& names = rows[r + 1 < rows.size() ? r + 1 : r - 1];
        std::wstring row_text;
        for (const cell& c : names)
            row_text += (row_text.empty() ? L" " : L" | ") + cell_text(c.markup);
        for (std::size_t i = 0; i < rows[r].size(); ++i)
            if (rows[r][i].line_below && (i >= names.size() || cell_text(names[i].markup).empty()))
                faults.push_back(L"a signature line with no name under it, in the row:" + row_text);
    }
}

void check_signature_tables(const std::wstring& html, std::vector<std::wstring>& faults) {
    std::vector<std::vector<std::vector<cell>>> tables;  // open tables, innermost last
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t open = html.find(L'<', i);
        if (!tables.empty() && !tables.back().empty() && !tables.back().back().empty())
            tables.back().back().back().markup += html.substr(i, open - i);
        if (open == std::wstring::npos) break;
        const tag t = read_tag(html, open);
        if (t.end == std::wstring::npos) break;
        const std::wstring markup = html.substr(open, t.end - open);
        i = t.end;
        if (!t.closing && is_hidden_element(t.name)) {
            const std::size_t close = html.find(L"</" + t.name, i);
            i = close == std::wstring::npos ? html.size() : close;
        } else if (t.name == L"table" && !t.closing) {
            tables.emplace_back();
        } else if (t.name == L"table" && !tables.empty()) {
            check_signature_table(tables.back(), faults);
            tables.pop_back();
        } else if (!tables.empty() && t.name == L"tr" && !t.closing) {
            tables.back().emplace_back();
        } else if (!tables.empty() && !tables.back().empty() &&
                   (t.name == L"td" || t.name == L"th") && !t.closing) {
            tables.back().back().push_back({draws_bottom_border(markup), {}});
        } else if (!tables.empty() && !tables.back().empty() && !tables.back().back().empty()) {
            tables.back().back().back().markup += markup;
        }
    }
}

}  // namespace

std::wstring visible_text(const std::wstring& html) {
    std::wstring text;
    std::size_t i = 0;
    while (i < html.size()) {
        const wchar_t c = html[i];
        if (c == L'<') {
            tag t = read_tag(html, i);
            if (t.end == std::wstring::npos) break;
            i = t.end;
            if (!t.closing && is_hidden_element(t.name)) {
                const std::size_t close = html.find(L"</" + t.name, i);
                const std::size_t end =
                    close == std::wstring::npos ? close : html.find(L'>', close);
                i = end == std::wstring::npos ? html.size() : end + 1;
            } else if (is_block(t.name)) {
                text += line_end;
            } else if (!t.closing && (t.name == L"td" || t.name == L"th")) {
                text += cell_start;
            }
            continue;
        }
        if (c == L'&') {
            wchar_t character = 0;
            if (std::size_t length = read_reference(html, i, character)) {
                text += character;
                i += length;
                continue;
            }
        }
        text += (c == L'\t' || c == L'\n' || c == L'\r') ? L' ' : c;
        ++i;
    }
    return text;
}

std::wstring collapse_blanks(const std::wstring& text) {
    std::wstring out;
    std::wstring line;
    each_piece(text, [&](std::wstring_view piece, wchar_t mark) {
        piece = trim_blanks(piece);
        if (!shows_nothing(piece)) {
            if (!line.empty()) line += L" | ";
            for (wchar_t c : piece)
                if (!is_blank(c) || !is_blank(line.back())) line += c;
        }
        if (mark == line_end && !line.empty()) {
            out += line;
            out += L'\n';
            line.clear();
        }
    });
    return out;
}

namespace {

// Whether each "{" of `piece` starts a brace a value was typed with.
bool braces_typed(std::wstring_view piece, const std::vector<std::wstring>& typed_braces) {
    for (std::size_t i = piece.find(L'{'); i != std::wstring_view::npos;
         i = piece.find(L'{', i + 1)) {
        const auto typed = [&](const std::wstring& brace) {
            return piece.substr(i).starts_with(brace);
        };
        if (std::none_of(typed_braces.begin(), typed_braces.end(), typed)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::wstring> rendering_faults(const std::wstring& html, const std::wstring& text,
                                           const std::vector<std::wstring>& typed_braces) {
    std::vector<std::wstring> faults;
    const std::wstring markup = engine::to_lower(html);
    for (std::wstring_view red : {L"color=red", L"color:red", L"color: red"})
        if (markup.find(red) != std::wstring::npos) faults.push_back(L"a red marker in the markup");
    each_piece(text, [&](std::wstring_view piece, wchar_t) {
        const std::wstring_view trimmed = trim_blanks(piece);
        for (std::wstring_view bad : {L"{", L"}", L"undefined"})
            if (trimmed.find(bad) != std::wstring_view::npos &&
                (bad != L"{" || !braces_typed(trimmed, typed_braces)))
                faults.push_back(L"\"" + std::wstring(bad) + L"\" in: " + std::wstring(trimmed));
        if (const std::wstring_view fault = blank_fault(trimmed); !fault.empty())
            faults.push_back(std::wstring(fault) + L" in: " + std::wstring(trimmed));
        if (!allowed(trimmed))
            for (std::wstring_view fault : sentence_faults(trimmed))
                faults.push_back(std::wstring(fault) + L" in: " + std::wstring(trimmed));
    });
    check_signature_tables(html, faults);
    return faults;
}

}  // namespace golden
