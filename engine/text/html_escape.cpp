#include "engine/text/html_escape.h"

#include "engine/text/plain_text.h"

namespace engine {

std::wstring html_escape(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
            case L'&': out += L"&amp;"; break;
            case L'<': out += L"&lt;"; break;
            case L'>': out += L"&gt;"; break;
            case L'"': out += L"&quot;"; break;
            case L'\'': out += L"&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::wstring escape_field_value(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    bool in_blanks = false;
    for (wchar_t c : text) {
        if (is_blank(c)) {
            if (!in_blanks) out += L' ';
            in_blanks = true;
            continue;
        }
        in_blanks = false;
        if (c == L'\'')
            out += L"&apos;";
        else if (c == L'&')
            out += L"&amp;";
        else if (c == L'<')
            out += L"&lt;";
        else if (c == L'>')
            out += L"&gt;";
        else
            out += c;
    }
    return out;
}

std::wstring html_unescape(std::wstring_view text) {
    // clang-format off
    constexpr std::pair<std::wstring_view, wchar_t> entities[] = {
        {L"&amp;", L'&'},  {L"&lt;", L'<'},   {L"&gt;", L'>'},
        {L"&quot;", L'"'}, {L"&#39;", L'\''}, {L"&apos;", L'\''},
    };
    // clang-format on
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        if (text[i] == L'&') {
            for (const auto& [entity, c] : entities) {
                if (text.substr(i, entity.size()) == entity) {
                    out += c;
                    i += entity.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched) out += text[i++];
    }
    return out;
}

std::wstring clean_font_face(std::wstring_view face) {
    std::wstring out;
    out.reserve(face.size());
    for (wchar_t c : face) {
        switch (c) {
            case L'"':
            case L'\'':
            case L'<':
            case L'>':
            case L'&':
            case L';':
            case L'{':
            case L'}': continue;
            default:
                if (c < 0x20 || (c >= 0x7F && c < 0xA0)) continue;
                out += c;
        }
    }
    return out;
}

}  // namespace engine
