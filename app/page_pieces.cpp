#include "app/page_pieces.h"

#include <algorithm>
#include <array>

namespace app {

namespace {

constexpr std::wstring_view page_start = L"<table class=\"mpage\"";
constexpr std::wstring_view closing = L"</body></html>";

bool is_ascii_letter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool is_ascii_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool is_html_space(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\f' || c == L'\r';
}
wchar_t lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c + 32) : c; }

// What the browser's tokenizer takes for the start of a tag, comment or
// declaration; any other "<" is text.
bool opens_tag(std::wstring_view text, std::size_t at) {
    if (at + 1 >= text.size()) return false;
    const wchar_t next = text[at + 1];
    return is_ascii_letter(next) || next == L'/' || next == L'!' || next == L'?';
}

// One past the end of the tag starting at `at`; the text's end when it is
// never closed.
std::size_t tag_end(std::wstring_view text, std::size_t at) {
    auto after = [&](std::wstring_view what, std::size_t from) {
        const std::size_t found = text.find(what, from);
        return found == std::wstring_view::npos ? text.size() : found + what.size();
    };
    if (text.substr(at, 4) == L"<!--") return after(L"-->", at + 2);
    if (text[at + 1] != L'/' && !is_ascii_letter(text[at + 1])) return after(L">", at + 1);
    // A quote opens an attribute value only right after "=".
    bool after_equals = false;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'>') return i + 1;
        if ((c == L'"' || c == L'\'') && after_equals) {
            const std::size_t quote = text.find(c, i + 1);
            if (quote == std::wstring_view::npos) return text.size();
            i = quote;
            after_equals = false;
        } else if (c == L'=') {
            after_equals = true;
        } else if (!is_html_space(c)) {
            after_equals = false;
        }
    }
    return text.size();
}

// The lower-case name of a start tag; empty for end tags and the others.
std::wstring start_tag_name(std::wstring_view tag) {
    std::wstring name;
    for (std::size_t i = 1;
         i < tag.size() && !is_html_space(tag[i]) && tag[i] != L'/' && tag[i] != L'>'; ++i)
        name += lower(tag[i]);
    if (name.empty() || !is_ascii_letter(name[0])) return {};
    return name;
}

// Elements whose content the browser reads as raw text, up to their end tag.
bool holds_raw_text(const std::wstring& name) {
    static constexpr std::array<std::wstring_view, 10> names = {
        L"script", L"style",   L"textarea", L"title",    L"xmp",
        L"iframe", L"noembed", L"noframes", L"noscript", L"plaintext"};
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Where the end tag of the raw-text element `name` starts, from `from` on.
std::size_t raw_text_end(std::wstring_view text, std::size_t from, const std::wstring& name) {
    if (name == L"plaintext") return text.size();
    for (std::size_t at = text.find(L"</", from); at != std::wstring_view::npos;
         at = text.find(L"</", at + 1)) {
        const std::size_t after = at + 2 + name.size();
        if (after > text.size()) break;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i)
            same = lower(text[at + 2 + i]) == name[i];
        if (same && (after == text.size() || is_html_space(text[after]) || text[after] == L'/' ||
                     text[after] == L'>'))
            return at;
    }
    return text.size();
}

struct named_reference {
    std::wstring_view name;
    wchar_t character;
};

// The references the engine writes and a few more of everyday text.
// clang-format off
constexpr named_reference named_references[] = {
    {L"amp", L'&'},       {L"lt", L'<'},        {L"gt", L'>'},        {L"quot", L'"'},
    {L"apos", L'\''},     {L"nbsp", 0xA0},      {L"thinsp", 0x2009},  {L"ensp", 0x2002},
    {L"emsp", 0x2003},    {L"ndash", 0x2013},   {L"mdash", 0x2014},   {L"laquo", 0xAB},
    {L"raquo", 0xBB},     {L"hellip", 0x2026},  {L"copy", 0xA9},      {L"reg", 0xAE},
    {L"sect", 0xA7},      {L"deg", 0xB0},       {L"times", 0xD7},     {L"shy", 0xAD},
    {L"zwnj", 0x200C},    {L"zwj", 0x200D},     {L"lsquo", 0x2018},   {L"rsquo", 0x2019},
    {L"ldquo", 0x201C},   {L"rdquo", 0x201D},   {L"bdquo", 0x201E},   {L"numero", 0x2116},
};
// clang-format on

// The code point of the reference at `at` ("&...;") and its length; nothing
// when it is not one this reader resolves exactly as the browser would.
std::optional<std::pair<char32_t, std::size_t>> reference_at(std::wstring_view text,
                                                             std::size_t at) {
    const std::size_t end = text.find(L';', at);
    if (end == std::wstring_view::npos || end - at > 12) return std::nullopt;
    const std::wstring_view body = text.substr(at + 1, end - at - 1);
    if (body.empty()) return std::nullopt;
    if (body[0] != L'#') {
        for (const named_reference& r : named_references) {
            if (r.name == body) return std::pair{char32_t(r.character), body.size() + 2};
        }
        return std::nullopt;
    }
    const bool hex = body.size() > 1 && (body[1] == L'x' || body[1] == L'X');
    const std::wstring_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 7) return std::nullopt;
    char32_t value = 0;
    for (wchar_t d : digits) {
        int digit = -1;
        if (is_ascii_digit(d))
            digit = d - L'0';
        else if (hex && lower(d) >= L'a' && lower(d) <= L'f')
            digit = lower(d) - L'a' + 10;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + char32_t(digit);
    }
    // Zero, the C1 range the browser maps to other characters, surrogates
    // and what lies beyond Unicode are not taken as written.
    if (value == 0 || (value >= 0x80 && value <= 0x9F) || (value >= 0xD800 && value <= 0xDFFF) ||
        value > 0x10FFFF)
        return std::nullopt;
    return std::pair{value, body.size() + 2};
}

// Text that one text node may take in place of another without the page
// reading differently.
std::optional<std::wstring> editable_text(std::wstring_view text) {
    std::optional<std::wstring> node = node_text(text);
    if (!node || node->empty() || (*node)[0] == L'\n') return std::nullopt;
    if (std::all_of(node->begin(), node->end(), is_html_space)) return std::nullopt;
    return node;
}

}  // namespace

PagedHtml split_pages(std::wstring_view html) {
    PagedHtml result;
    std::wstring_view body = html;
    if (html.ends_with(closing)) {
        result.tail = html.substr(html.size() - closing.size());
        body = html.substr(0, html.size() - closing.size());
    }
    std::size_t at = body.find(page_start);
    result.head = body.substr(0, at);
    while (at != std::wstring_view::npos) {
        const std::size_t next = body.find(page_start, at + 1);
        result.pages.push_back(
            body.substr(at, next == std::wstring_view::npos ? std::wstring_view::npos : next - at));
        at = next;
    }
    return result;
}

PageMarkup read_markup(std::wstring_view page) {
    PageMarkup markup;
    std::size_t text_start = 0;
    for (std::size_t at = 0; at < page.size();) {
        if (page[at] != L'<' || !opens_tag(page, at)) {
            ++at;
            continue;
        }
        const std::size_t end = tag_end(page, at);
        markup.texts.push_back(page.substr(text_start, at - text_start));
        markup.tags.push_back(page.substr(at, end - at));
        text_start = end;
        const std::wstring name = start_tag_name(markup.tags.back());
        at = holds_raw_text(name) ? raw_text_end(page, end, name) : end;
    }
    markup.texts.push_back(page.substr(text_start));
    return markup;
}

std::optional<std::wstring> node_text(std::wstring_view text) {
    std::wstring node;
    node.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (c == 0 || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        if (c == L'\r') {
            node += L'\n';
            if (at + 1 < text.size() && text[at + 1] == L'\n') ++at;
        } else if (c == L'&' && at + 1 < text.size() &&
                   (is_ascii_letter(text[at + 1]) || is_ascii_digit(text[at + 1]) ||
                    text[at + 1] == L'#')) {
            const auto reference = reference_at(text, at);
            if (!reference) return std::nullopt;
            node += wchar_t(reference->first);
            at += reference->second - 1;
        } else {
            node += c;
        }
    }
    return node;
}

std::uint32_t text_signature(const std::vector<std::wstring>& nodes) {
    std::uint32_t hash = 2166136261u;
    auto mix = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16777619u; };
    for (const std::wstring& node : nodes) {
        std::uint32_t units = 0;
        for (wchar_t c : node) units += std::uint32_t(c) > 0xFFFF ? 2 : 1;
        mix(units);
        for (wchar_t c : node) {
            const auto point = std::uint32_t(c);
            if (point > 0xFFFF) {
                mix(0xD800 + ((point - 0x10000) >> 10));
                mix(0xDC00 + ((point - 0x10000) & 0x3FF));
            } else {
                mix(point);
            }
        }
    }
    return hash;
}

std::optional<std::uint32_t> expected_signature(std::wstring_view page) {
    std::vector<std::wstring> nodes;
    for (std::wstring_view text : read_markup(page).texts) {
        if (text.empty()) continue;
        std::optional<std::wstring> node = node_text(text);
        if (!node) return std::nullopt;
        nodes.push_back(std::move(*node));
    }
    return text_signature(nodes);
}

std::optional<std::vector<TextEdit>> text_edits(std::wstring_view before, std::wstring_view after) {
    const PageMarkup old_markup = read_markup(before), new_markup = read_markup(after);
    if (old_markup.tags != new_markup.tags) return std::nullopt;
    std::vector<TextEdit> edits;
    std::size_t node = 0;
    for (std::size_t i = 0; i < old_markup.texts.size(); ++i) {
        const std::wstring_view old_text = old_markup.texts[i], new_text = new_markup.texts[i];
        if (old_text == new_text) {
            if (!old_text.empty()) ++node;
            continue;
        }
        if (i > 0 && holds_raw_text(start_tag_name(old_markup.tags[i - 1]))) return std::nullopt;
        std::optional<std::wstring> text = editable_text(new_text);
        if (!text || !editable_text(old_text)) return std::nullopt;
        edits.push_back({node++, std::move(*text)});
    }
    return edits;
}

}  // namespace app
