#include "engine/text/link_address.h"

#include <algorithm>
#include <array>
#include <string>

namespace engine {

namespace {

bool is_ascii_letter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool is_scheme_character(wchar_t c) {
    return is_ascii_letter(c) || (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
}

// Browsers drop these anywhere in an address (tab, line feeds) or at its
// start; dropping them everywhere is the stricter reading.
bool is_blank_or_control(wchar_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xA0 || c == 0xAD || c == 0xFEFF ||
           (c >= 0x2000 && c <= 0x200F) || c == 0x2028 || c == 0x2029 || c == 0x3000;
}

wchar_t lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

bool is_hex_digit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

int hex_value(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    return lower(c) - L'a' + 10;
}

// The named references that can stand for a character of a scheme or for a
// blank a browser drops.
struct named_reference {
    std::wstring_view name;
    wchar_t character;
};
// "&amp;" and "&semi;" matter in a list of addresses, where ";" parts items.
constexpr std::array<named_reference, 7> named_references = {{{L"Tab;", L'\t'},
                                                              {L"NewLine;", L'\n'},
                                                              {L"colon;", L':'},
                                                              {L"period;", L'.'},
                                                              {L"plus;", L'+'},
                                                              {L"amp;", L'&'},
                                                              {L"semi;", L';'}}};

// The character a reference at `text[at]` (an "&") stands for and its
// length; {0, 0} when it is none. Numeric references count without their
// ";" as browsers read them.
std::pair<wchar_t, std::size_t> reference_at(std::wstring_view text, std::size_t at) {
    std::size_t i = at + 1;
    if (i < text.size() && text[i] == L'#') {
        ++i;
        const bool hex = i < text.size() && lower(text[i]) == L'x';
        if (hex) ++i;
        const std::size_t first = i;
        unsigned long code = 0;
        while (i < text.size() &&
               (hex ? is_hex_digit(text[i]) : text[i] >= L'0' && text[i] <= L'9')) {
            if (code < 0x110000) code = code * (hex ? 16 : 10) + unsigned(hex_value(text[i]));
            ++i;
        }
        if (i == first) return {0, 0};
        if (i < text.size() && text[i] == L';') ++i;
        // Out of range, it is read as U+FFFD: no scheme character either way.
        return {code < 0x110000 && code > 0 ? wchar_t(code > 0xFFFF ? 0xFFFD : code) : 0xFFFD,
                i - at};
    }
    for (const named_reference& reference : named_references)
        if (text.substr(at + 1, reference.name.size()) == reference.name)
            return {reference.character, reference.name.size() + 1};
    return {0, 0};
}

// The character at `at` as a browser reads it, a character reference
// decoded, and how many characters of `text` it takes.
std::pair<wchar_t, std::size_t> decoded_at(std::wstring_view text, std::size_t at) {
    if (text[at] == L'&') {
        const auto [character, length] = reference_at(text, at);
        if (length) return {character, length};
    }
    return {text[at], 1};
}

// The start of `text` as a browser reads the address, references decoded and
// blanks and controls dropped, up to and including the first character that
// can end a scheme. `settled` tells whether that character was reached and
// does not belong to a reference that later text could still complete.
std::wstring scheme_part(std::wstring_view text, bool* settled) {
    std::wstring out;
    *settled = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = decoded_at(text, i);
        i += length;
        if (is_blank_or_control(c)) continue;
        out += c;
        if (!is_scheme_character(c)) {
            // An "&" at the end may yet begin a reference.
            *settled = !(c == L'&' && text.size() - i < 16);
            return out;
        }
    }
    return out;
}

}  // namespace

bool is_address_attribute(std::wstring_view name) {
    constexpr std::array<std::wstring_view, 9> names = {L"href",       L"src",        L"action",
                                                        L"formaction", L"xlink:href", L"background",
                                                        L"poster",     L"data",       L"cite"};
    for (std::wstring_view one : names)
        if (name == one) return true;
    return false;
}

bool is_animation_value_attribute(std::wstring_view tag, std::wstring_view name) {
    constexpr std::array<std::wstring_view, 5> animations = {L"set", L"animate", L"animatemotion",
                                                             L"animatetransform", L"animatecolor"};
    constexpr std::array<std::wstring_view, 4> values = {L"to", L"from", L"by", L"values"};
    return std::find(animations.begin(), animations.end(), tag) != animations.end() &&
           std::find(values.begin(), values.end(), name) != values.end();
}

bool is_script_attribute(std::wstring_view name) {
    return name == L"srcdoc" || name.starts_with(L"on");
}

bool has_refused_scheme(std::wstring_view text) {
    bool settled = false;
    const std::wstring start = scheme_part(text, &settled);
    if (start.empty() || start.back() != L':' || !is_ascii_letter(start.front())) return false;
    std::wstring scheme;
    for (std::size_t i = 0; i + 1 < start.size(); ++i) scheme += lower(start[i]);
    constexpr std::array<std::wstring_view, 5> allowed = {L"http", L"https", L"mailto", L"tel",
                                                          L"file"};
    for (std::wstring_view one : allowed)
        if (scheme == one) return false;
    return true;
}

bool has_refused_scheme_in_list(std::wstring_view text) {
    std::size_t item = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = decoded_at(text, i);
        if (c == L';') {
            if (has_refused_scheme(text.substr(item, i - item))) return true;
            item = i + length;
        }
        i += length;
    }
    return has_refused_scheme(text.substr(item));
}

bool scheme_is_settled(std::wstring_view text) {
    bool settled = false;
    scheme_part(text, &settled);
    return settled;
}

}  // namespace engine
