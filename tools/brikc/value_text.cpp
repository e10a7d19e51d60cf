#include "tools/brikc/value_text.h"

#include <bit>
#include <charconv>
#include <cmath>

#include "tools/brikc/source_error.h"
#include "tools/brikc/source_text.h"

namespace brikc {

namespace {

bool is_hex(wchar_t ch) {
    return (ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'f') || (ch >= L'A' && ch <= L'F');
}

unsigned hex_value(wchar_t ch) {
    if (ch <= L'9') return unsigned(ch - L'0');
    if (ch >= L'a') return unsigned(ch - L'a' + 10);
    return unsigned(ch - L'A' + 10);
}

std::string narrow(std::wstring_view text) { return encode_utf8(text); }

}  // namespace

bool needs_escape(wchar_t ch) {
    return ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0) || (ch >= 0xD800 && ch <= 0xDFFF) ||
           ch == 0x2028 || ch == 0x2029 || ch == 0xFEFF;
}

namespace {

void append_hex(std::wstring& out, unsigned value, int digits) {
    static constexpr wchar_t hex[] = L"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(hex[(value >> shift) & 0xF]);
}

}  // namespace

std::wstring read_quoted(std::wstring_view text, std::size_t& end, int line) {
    std::wstring out;
    std::size_t i = 1;
    while (true) {
        if (i >= text.size()) throw source_error(line, "unterminated quoted value");
        const wchar_t ch = text[i++];
        if (ch == L'"') break;
        if (ch != L'\\') {
            out.push_back(ch);
            continue;
        }
        if (i >= text.size()) throw source_error(line, "unterminated quoted value");
        const wchar_t escape = text[i++];
        switch (escape) {
            case L'\\': out.push_back(L'\\'); break;
            case L'"': out.push_back(L'"'); break;
            case L'n': out.push_back(L'\n'); break;
            case L'r': out.push_back(L'\r'); break;
            case L't': out.push_back(L'\t'); break;
            case L'u':
            case L'U': {
                const std::size_t digits = escape == L'u' ? 4 : 8;
                unsigned value = 0;
                for (std::size_t k = 0; k < digits; ++k) {
                    if (i >= text.size() || !is_hex(text[i]))
                        throw source_error(line, "bad \\" + narrow(std::wstring(1, escape)) +
                                                     " escape: expected " + std::to_string(digits) +
                                                     " hex digits");
                    value = value * 16 + hex_value(text[i++]);
                }
                if (value > 0x10FFFF) throw source_error(line, "escape beyond U+10FFFF");
                out.push_back(wchar_t(value));
                break;
            }
            default:
                throw source_error(line, "unknown escape \\" + narrow(std::wstring(1, escape)));
        }
    }
    end = i;
    return out;
}

std::wstring write_quoted(std::wstring_view text) {
    std::wstring out = L"\"";
    for (wchar_t ch : text) {
        switch (ch) {
            case L'\\': out += L"\\\\"; break;
            case L'"': out += L"\\\""; break;
            case L'\n': out += L"\\n"; break;
            case L'\r': out += L"\\r"; break;
            case L'\t': out += L"\\t"; break;
            default:
                if (needs_escape(ch)) {
                    out += L"\\u";
                    append_hex(out, unsigned(ch), 4);
                } else {
                    out.push_back(ch);
                }
        }
    }
    out.push_back(L'"');
    return out;
}

bool plain_safe(std::wstring_view text) {
    if (text.empty() || text.front() == L' ' || text.back() == L' ' || text.front() == L'"')
        return false;
    if (text == L"|" || text == L">") return false;
    // Plain and block values take shared texts.
    if (text.find(L"<<") != std::wstring_view::npos) return false;
    for (wchar_t ch : text)
        if (needs_escape(ch)) return false;
    return true;
}

std::uint16_t read_u16(std::wstring_view text, int line) {
    if (text.empty()) throw source_error(line, "a number is required");
    unsigned long value = 0;
    for (wchar_t ch : text) {
        if (ch < L'0' || ch > L'9') throw source_error(line, "bad number '" + narrow(text) + "'");
        value = value * 10 + unsigned(ch - L'0');
        if (value > 65535)
            throw source_error(line, "number " + narrow(text) + " is out of range 0-65535");
    }
    return std::uint16_t(value);
}

double read_real(std::wstring_view text, int line) {
    if (text.size() == 18 && text.substr(0, 2) == L"#x") {
        std::uint64_t bits = 0;
        for (wchar_t ch : text.substr(2)) {
            if (!is_hex(ch)) throw source_error(line, "bad number '" + narrow(text) + "'");
            bits = bits * 16 + hex_value(ch);
        }
        return std::bit_cast<double>(bits);
    }
    const std::string ascii = narrow(text);
    double value = 0.0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (ascii.empty() || error == std::errc::invalid_argument || end != last ||
        ascii.find_first_not_of("0123456789+-.eE") != std::string::npos)
        throw source_error(line, "bad number '" + ascii + "'");
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        throw source_error(line, "number " + ascii + " is out of range");
    return value;
}

std::wstring write_real(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view decimal(buffer, std::size_t(result.ptr - buffer));
    double back = 0.0;
    const auto parsed = std::from_chars(decimal.data(), decimal.data() + decimal.size(), back);
    if (std::isfinite(value) && parsed.ec == std::errc() &&
        std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(value))
        return std::wstring(decimal.begin(), decimal.end());
    std::wstring out = L"#x";
    const auto bits = std::bit_cast<std::uint64_t>(value);
    append_hex(out, unsigned(bits >> 32), 8);
    append_hex(out, unsigned(bits & 0xFFFFFFFFu), 8);
    return out;
}

}  // namespace brikc
