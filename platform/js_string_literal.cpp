#include "platform/js_string_literal.h"

namespace platform {

namespace {

void append_hex4(std::wstring& out, unsigned value) {
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    out += L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(value >> shift) & 0xF];
}

}  // namespace

std::wstring js_string_literal(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16 + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        switch (c) {
            case L'\\': out += L"\\\\"; break;
            case L'\'': out += L"\\'"; break;
            case L'"': out += L"\\\""; break;
            case L'\n': out += L"\\n"; break;
            case L'\r': out += L"\\r"; break;
            case L'\t': out += L"\\t"; break;
            case L'<': out += (i + 1 < text.size() && text[i + 1] == L'/') ? L"<\\" : L"<"; break;
            default:
                if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029) {
                    append_hex4(out, unsigned(c));
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace platform
