#include "tools/brikc/source_text.h"

#include "tools/brikc/source_error.h"

namespace brikc {

namespace {

// Number of continuation bytes and the smallest value a lead byte allows,
// so overlong forms are refused.
bool lead_byte(unsigned char byte, int& continuation, char32_t& value, char32_t& minimum) {
    if (byte < 0x80) {
        continuation = 0, value = byte, minimum = 0;
    } else if ((byte & 0xE0) == 0xC0) {
        continuation = 1, value = byte & 0x1F, minimum = 0x80;
    } else if ((byte & 0xF0) == 0xE0) {
        continuation = 2, value = byte & 0x0F, minimum = 0x800;
    } else if ((byte & 0xF8) == 0xF0) {
        continuation = 3, value = byte & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::wstring> decode_source_lines(std::string_view bytes) {
    std::vector<std::wstring> lines(1);
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    while (i < bytes.size()) {
        const int line = int(lines.size());
        int continuation = 0;
        char32_t value = 0, minimum = 0;
        if (!lead_byte(static_cast<unsigned char>(bytes[i]), continuation, value, minimum))
            throw source_error(line, "invalid UTF-8 byte sequence");
        if (std::size_t(continuation) >= bytes.size() - i)
            throw source_error(line, "invalid UTF-8 byte sequence");
        for (int k = 1; k <= continuation; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) throw source_error(line, "invalid UTF-8 byte sequence");
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            throw source_error(line, "invalid UTF-8 byte sequence");
        i += std::size_t(continuation) + 1;
        if (value == U'\n') {
            if (!lines.back().empty() && lines.back().back() == L'\r') lines.back().pop_back();
            lines.emplace_back();
        } else {
            lines.back().push_back(wchar_t(value));
        }
    }
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

std::string encode_utf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        const auto c = static_cast<char32_t>(ch);
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace brikc
