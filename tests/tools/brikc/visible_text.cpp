#include "tools/brikc/visible_text.h"

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

std::vector<std::wstring> rendering_faults(const std::wstring& html, const std::wstring& text) {
    std::vector<std::wstring> faults;
    const std::wstring markup = engine::to_lower(html);
    for (std::wstring_view red : {L"color=red", L"color:red", L"color: red"})
        if (markup.find(red) != std::wstring::npos) faults.push_back(L"a red marker in the markup");
    each_piece(text, [&](std::wstring_view piece, wchar_t) {
        const std::wstring_view trimmed = trim_blanks(piece);
        for (std::wstring_view bad : {L"{", L"}", L"undefined", L"  "})
            if (trimmed.find(bad) != std::wstring_view::npos)
                faults.push_back(L"\"" + std::wstring(bad) + L"\" in: " + std::wstring(trimmed));
    });
    return faults;
}

}  // namespace golden
