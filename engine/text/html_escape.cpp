#include "engine/text/html_escape.h"

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
            case L'}':
                continue;
            default:
                if (c < 0x20 || (c >= 0x7F && c < 0xA0)) continue;
                out += c;
        }
    }
    return out;
}

}  // namespace engine
