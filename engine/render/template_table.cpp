#include "engine/render/template_table.h"

#include <algorithm>
#include <vector>

#include "engine/render/paragraph_style.h"
#include "engine/text/attribute_value.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::uint32_t table_start_kind = 14;
constexpr std::uint32_t row_kind = 16;
constexpr std::uint32_t cell_kind = 17;

bool has(std::wstring_view text, std::wstring_view word) {
    return text.find(word) != std::wstring_view::npos;
}

bool has_any(std::wstring_view text, std::wstring_view a, std::wstring_view b) {
    return has(text, a) || has(text, b);
}

void remove_all(std::wstring& text, std::wstring_view word) {
    for (std::size_t at = text.find(word); at != std::wstring::npos; at = text.find(word, at))
        text.erase(at, word.size());
}

// The parameters after the first ":", or nothing when there is no ":".
std::wstring after_colon(const std::wstring& text) {
    std::size_t colon = text.find(L':');
    return colon == std::wstring::npos ? std::wstring() : text.substr(colon + 1);
}

// A parameter that is not what its place takes counts as not given.
std::wstring checked(std::wstring text, bool (*fits)(std::wstring_view)) {
    return fits(text) ? text : std::wstring();
}

struct colours {
    std::wstring border = L"black;";
    std::wstring style;  // background and text colour declarations
};

// «#border#background#text», the word from the first "#" to the next space.
colours cell_colours(const std::wstring& text) {
    colours out;
    std::size_t hash = text.find(L'#');
    if (hash == std::wstring::npos) return out;
    std::size_t end = text.find(L' ', hash);
    std::wstring word =
        text.substr(hash, end == std::wstring::npos ? std::wstring::npos : end - hash);
    std::vector<std::wstring> parts = split(word, L'#');
    auto part = [&](std::size_t i) { return i < parts.size() ? parts[i] : std::wstring(); };
    if (is_hex_digits(part(1))) out.border = L"#" + part(1) + L";";
    if (is_hex_digits(part(2))) out.style += L"background-color:#" + part(2) + L";";
    if (is_hex_digits(part(3))) out.style += L"color:#" + part(3) + L";";
    return out;
}

void split_cell_params(table_line& line, std::wstring params) {
    erase_char(params, L' ');
    std::vector<std::wstring> fields = split(params, L',');
    for (std::size_t i = 0; i < line.params.size() && i < fields.size(); ++i)
        line.params[i] = fields[i];
}

// "rowspan=" or "colspan=" with the count; empty when the count is no number.
std::wstring span(std::wstring value) {
    const bool rows = value.find(L'-') != std::wstring::npos;
    erase_char(value, L'-');
    if (value.empty() || value.find_first_not_of(L"0123456789") != std::wstring::npos) return {};
    return (rows ? L"rowspan=" : L"colspan=") + value;
}

int size_step(const table_line& line) {
    const std::wstring& t = line.text;
    int step = 0;
    // clang-format off
    constexpr std::pair<std::wstring_view, int> size_words[] = {
        {L"XX-SMALL", -3}, {L"X-SMALL", -2}, {L"SMALL", -1},
        {L"XX-LARGE", 3},  {L"X-LARGE", 2},  {L"LARGE", 1},
    };
    // clang-format on
    for (const auto& [word, value] : size_words) {
        if (has(t, word)) {
            step = value;
            break;
        }
    }
    // The numbered steps follow the interface language.
    const std::wstring word = line.language == 1 ? L"ШРИФТ" : L"SIZE";
    if (has(t, word)) {
        for (wchar_t sign : {L'-', L'+'}) {
            for (int n = 1; n <= 5; ++n) {
                if (has(t, word + sign + wchar_t(L'0' + n))) return step + (sign == L'-' ? -n : n);
            }
        }
    }
    return step;
}

std::wstring horizontal_alignment(const table_line& line, std::wstring_view paragraph_alignment) {
    const std::wstring& t = line.text;
    if (has_any(t, L"ПРАВ", L"RIGHT")) return L"text-align:right;";
    if (has_any(t, L"ЦЕНТР", L"CENTER")) return L"text-align:center;";
    if (line.language == 1) {
        if (has_any(t, L"ЛЕВ", L"LEFT")) return L"text-align:left;";
        if (has_any(t, L"ШИРИН", L"JUSTIFY")) return L"text-align:justify;";
    } else {
        if (has_any(t, L"ШИРИН", L"JUSTIFY")) return L"text-align:justify;";
        if (has_any(t, L"ЛЕВ", L"LEFT")) return L"text-align:left;";
    }
    // Without an alignment word a cell follows its paragraph, whatever the
    // interface language.
    return std::wstring(paragraph_alignment);
}

void close_nothing(render_context& context) {
    context.table_row_open = false;
    context.table_cell_open = false;
}

}  // namespace

table_line parse_table_line(const render_context& context, std::uint32_t kind,
                            std::wstring_view marker_text) {
    table_line line;
    line.language = context.language;
    line.style = &context.style;
    line.kind = kind;
    std::size_t first = marker_text.find_first_not_of(L'{');
    std::wstring_view body =
        first == std::wstring_view::npos ? std::wstring_view() : marker_text.substr(first);
    while (!body.empty() && body.back() == L'}') body.remove_suffix(1);
    line.text = to_upper(std::wstring(body));
    return line;
}

std::wstring open_table_html(render_context& context, const table_line& line) {
    std::wstring text = line.text;
    bool fixed = false;
    if (has(text, L"FIXED")) {
        remove_all(text, L"FIXED");
        fixed = true;
    } else if (has(text, L"ФИКСИРОВАННАЯ")) {
        remove_all(text, L"ФИКСИРОВАННАЯ");
        fixed = true;
    }
    std::size_t colon = text.find(L':');
    std::wstring width, padding;
    if (colon != std::wstring::npos) {
        std::vector<std::wstring> fields = split(text.substr(colon + 1), L',');
        width = checked(fields[0], is_number_or_percent);
        if (fields.size() > 1) padding = checked(fields[1], is_number_or_percent);
    }
    std::wstring colour =
        left_substring(text, colon == std::wstring::npos ? -1 : std::int32_t(colon));
    remove_all(colour, L"TABLE");
    remove_all(colour, L"ТАБЛИЦА");
    colour = checked(trim_blanks(colour), is_colour);

    close_nothing(context);

    std::wstring out;
    out.reserve(192);
    out += L"<table ";
    out += width.empty() ? L"width=100% " : L"width=" + width;
    out += L" cellspacing=0 ";
    out += padding.empty() ? L"cellpadding=4 " : L"cellpadding=" + padding;
    if (!colour.empty()) out += L" bgcolor=" + colour;
    out += L" style=\"";
    const std::wstring& line_height = line.style->line_height_text;
    if (read_double_prefix(line_height).value_or(0.0) > 0.0)
        out += L"line-height:" + line_height + L"in;";
    out += L"margins:0px;font-family:" + clean_font_face(line.style->font_face) + L";";
    out += fixed ? L"table-layout:fixed;\"" : L"\"";
    out += L">";
    return out;
}

std::wstring table_row_html(render_context& context, const table_line& line) {
    std::wstring out;
    if (context.table_row_open) {
        out += L"</td></tr>";
        context.table_cell_open = false;
    }
    context.table_row_open = true;
    out += L"<tr";
    std::wstring height = after_colon(line.text);
    erase_char(height, L' ');
    if (is_plain_number(height)) out += L" style=\"height:" + height + L"px;\"";
    out += L">";
    return out;
}

std::wstring table_cell_html(render_context& context, table_line& line) {
    const std::wstring& t = line.text;
    if (std::wstring params = after_colon(t); !params.empty())
        split_cell_params(line, std::move(params));
    const colours colour = cell_colours(t);

    std::wstring out;
    out.reserve(384);
    if (context.table_cell_open) out += L"</td>";
    context.table_cell_open = true;
    out += L"<td ";
    if (!line.params[5].empty()) out += span(line.params[5]);
    if (std::wstring second = span(line.params[6]); !second.empty()) out += L" " + second;
    // Some word processors read a cell's width only from its attribute.
    if (context.target == render_target::word && is_number_or_percent(line.params[4]))
        out += L" width=" + line.params[4];
    out += L" style=\"";
    if (is_css_length(line.params[4])) out += L"width:" + line.params[4] + L";";
    constexpr const wchar_t* sides[] = {L"border-top:", L"border-left:", L"border-bottom:",
                                        L"border-right:"};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::wstring& w = line.params[i];
        if (w != L"0" && is_plain_number(w)) out += sides[i] + w + L"px solid " + colour.border;
    }
    out += colour.style;

    std::int64_t base = read_int64_prefix(line.style->font_size_text).value_or(0);
    if (base < INT32_MIN || base > INT32_MAX) base = 0;
    out += L"font-size:" + format_int(base + size_step(line)) + L".0pt;";
    out += has_any(t, L"ЖИР", L"BOLD") ? std::wstring(L"font-weight:700;")
                                       : L"font-weight:" + line.style->font_weight_text + L";";
    out += has_any(t, L"КУРСИВ", L"ITALIC") ? std::wstring(L"font-style:italic;")
                                            : L"font-style:" + line.style->font_style_text + L";";
    out += horizontal_alignment(line, line.style->align_text);
    if (has_any(t, L"ВЕРХ", L"TOP")) {
        out += L"vertical-align:top;";
    } else if (has_any(t, L"НИЗ", L"BOTTOM")) {
        out += L"vertical-align:bottom;";
    } else {
        out += L"vertical-align:middle;";
    }
    out += L"\">";
    return out;
}

std::wstring table_marker_html(render_context& context, std::uint32_t marker_code,
                               std::wstring_view marker_text) {
    switch (marker_code) {
        case 8:
            return open_table_html(context,
                                   parse_table_line(context, table_start_kind, marker_text));
        case 9: close_nothing(context); return L"</td></tr></table>";
        case 10: return table_row_html(context, parse_table_line(context, row_kind, marker_text));
        case 11: {
            table_line line = parse_table_line(context, cell_kind, marker_text);
            return table_cell_html(context, line);
        }
        default: return {};
    }
}

std::wstring left_substring(std::wstring_view text, std::int32_t n) {
    if (n < 0 || std::size_t(n) >= text.size()) return std::wstring(text);
    return std::wstring(text.substr(0, std::size_t(n)));
}

std::wstring& erase_char(std::wstring& text, wchar_t c) {
    std::erase(text, c);
    return text;
}

}  // namespace engine
