#include "engine/text/markup_position.h"

#include <utility>

#include "engine/text/link_address.h"

namespace engine {

namespace {

bool is_html_blank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\f' || c == L'\r';
}

bool opens_tag(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'/' || c == L'!' ||
           c == L'?';
}

bool is_ascii_alnum(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool is_hex_digit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

// The length of the character reference at the start of `text` («&amp;»,
// «&#39;», «&#x2F;»), 0 when the "&" there begins none.
std::size_t reference_length(std::wstring_view text) {
    std::size_t i = 1;
    if (i < text.size() && text[i] == L'#') {
        ++i;
        bool hex = i < text.size() && (text[i] == L'x' || text[i] == L'X');
        if (hex) ++i;
        std::size_t first = i;
        while (i < text.size() &&
               (hex ? is_hex_digit(text[i]) : text[i] >= L'0' && text[i] <= L'9'))
            ++i;
        if (i == first) return 0;
    } else {
        std::size_t first = i;
        while (i < text.size() && is_ascii_alnum(text[i])) ++i;
        if (i == first) return 0;
    }
    return i < text.size() && text[i] == L';' ? i + 1 : 0;
}

struct escaped_character {
    wchar_t character;
    const wchar_t* reference;
    bool in_quoted_value;  // escaped inside a quoted value too, not only elsewhere in a tag
};

// clang-format off
constexpr escaped_character escaped_characters[] = {
    {L'"',  L"&quot;", true},
    {L'\'', L"&#39;",  true},
    {L'<',  L"&lt;",   true},
    {L'>',  L"&gt;",   true},
    {L' ',  L"&#32;",  false},
    {L'\t', L"&#9;",   false},
    {L'\n', L"&#10;",  false},
    {L'\f', L"&#12;",  false},
    {L'\r', L"&#13;",  false},
    {L'=',  L"&#61;",  false},
    {L'`',  L"&#96;",  false},
    {L'/',  L"&#47;",  false},
};
// clang-format on

const wchar_t* reference_for(wchar_t c, bool quoted) {
    for (const escaped_character& row : escaped_characters)
        if (row.character == c) return quoted && !row.in_quoted_value ? nullptr : row.reference;
    return nullptr;
}

wchar_t lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

// Enough for every tag name the position tells apart (animateTransform).
constexpr std::size_t longest_kept_tag_name = 16;

// The field values' own escapes, undone before an address is escaped as a
// whole: "&lt;" from a typed "<" is then written as one.
std::wstring without_value_escapes(std::wstring_view text) {
    constexpr std::pair<std::wstring_view, wchar_t> escapes[] = {
        {L"&apos;", L'\''}, {L"&amp;", L'&'}, {L"&lt;", L'<'}, {L"&gt;", L'>'}};
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [escape, c] : escapes) {
            if (text.substr(i, escape.size()) == escape) {
                out += c;
                i += escape.size();
                matched = true;
                break;
            }
        }
        if (!matched) out += text[i++];
    }
    return out;
}

}  // namespace

void markup_position::start_name(wchar_t c) {
    place_ = place::name;
    name_.assign(1, lower(c));
    address_.clear();
    address_settled_ = false;
}

void markup_position::start_value() {
    place_ = place::value_start;
    const bool animated = is_animation_value_attribute(tag_, name_);
    keeps_address_ = animated || is_address_attribute(name_);
    address_list_ = animated && name_ == L"values";
}

void markup_position::add_to_value(wchar_t c) {
    if (!keeps_address_) return;
    // Each item of a list is an address of its own.
    if (address_list_ && c == L';') {
        address_.clear();
        address_settled_ = false;
        return;
    }
    if (address_settled_) return;
    address_ += c;
    // A large image's data address is settled by its first characters.
    if (address_.size() >= 64 && (address_.size() & (address_.size() - 1)) == 0)
        address_settled_ = scheme_is_settled(address_);
}

void markup_position::follow(std::wstring_view html) {
    for (std::size_t i = 0; i < html.size(); ++i) {
        // Text runs long between tags: only a "<" can change the place there.
        if (place_ == place::text && !after_open_bracket_) {
            i = html.find(L'<', i);
            if (i == std::wstring_view::npos) return;
        }
        const wchar_t c = html[i];
        switch (place_) {
            case place::text:
                if (after_open_bracket_ && opens_tag(c)) {
                    place_ = place::tag_name;
                    tag_.assign(1, lower(c));
                    name_.clear();
                }
                after_open_bracket_ = c == L'<';
                break;
            case place::tag_name:
                if (c == L'>')
                    place_ = place::text;
                else if (is_html_blank(c) || c == L'/')
                    place_ = place::before_name;
                else if (tag_.size() < longest_kept_tag_name)
                    tag_ += lower(c);
                break;
            case place::before_name:
                if (c == L'>')
                    place_ = place::text;
                else if (!is_html_blank(c) && c != L'/')
                    start_name(c);
                break;
            case place::name:
                if (c == L'>')
                    place_ = place::text;
                else if (c == L'=')
                    start_value();
                else if (c == L'/')
                    place_ = place::before_name;
                else if (is_html_blank(c))
                    place_ = place::after_name;
                else
                    name_ += lower(c);
                break;
            case place::after_name:
                if (c == L'>')
                    place_ = place::text;
                else if (c == L'=')
                    start_value();
                else if (c == L'/')
                    place_ = place::before_name;
                else if (!is_html_blank(c))
                    start_name(c);
                break;
            case place::value_start:
                if (c == L'"') {
                    place_ = place::double_quoted;
                } else if (c == L'\'') {
                    place_ = place::single_quoted;
                } else if (c == L'>') {
                    place_ = place::text;
                } else if (!is_html_blank(c)) {
                    place_ = place::unquoted;
                    add_to_value(c);
                }
                break;
            case place::unquoted:
                if (c == L'>')
                    place_ = place::text;
                else if (is_html_blank(c))
                    place_ = place::before_name;
                else
                    add_to_value(c);
                break;
            case place::double_quoted:
                if (c == L'"')
                    place_ = place::before_name;
                else
                    add_to_value(c);
                break;
            case place::single_quoted:
                if (c == L'\'')
                    place_ = place::before_name;
                else
                    add_to_value(c);
                break;
        }
        if (place_ != place::text) after_open_bracket_ = false;
    }
}

std::wstring escape_for_position(std::wstring_view text, const markup_position& position) {
    if (!position.in_tag()) return std::wstring(text);
    if (position.at_tag_opening()) {
        // Right after a "<" in text: the value is text, and its first
        // character must not open a tag there.
        if (text.empty() || !opens_tag(text.front())) return std::wstring(text);
        return L"&#" + std::to_wstring(unsigned(text.front())) + L";" +
               std::wstring(text.substr(1));
    }
    const bool in_value = position.in_value();
    if (in_value && is_script_attribute(position.attribute_name())) return {};
    const bool address = position.in_address();
    std::wstring unescaped;
    if (address) {
        unescaped = without_value_escapes(text);
        text = unescaped;
    }
    const bool quoted = position.in_quoted_value();
    std::wstring out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'&') {
            std::size_t length = address ? 0 : reference_length(text.substr(i));
            if (length) {
                out.append(text.substr(i, length));
                i += length - 1;
            } else {
                out += L"&amp;";
            }
        } else if (const wchar_t* reference = reference_for(c, quoted)) {
            out += reference;
        } else {
            out += c;
        }
    }
    if (address) {
        const std::wstring whole = position.address_so_far() + out;
        if (position.in_address_list() ? has_refused_scheme_in_list(whole)
                                       : has_refused_scheme(whole))
            return {};
    }
    return out;
}

}  // namespace engine
