#include "engine/fields/base64.h"

namespace engine {

std::wstring base64_encode(std::string_view bytes) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::wstring out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        unsigned group = unsigned(static_cast<unsigned char>(bytes[i])) << 16 |
                         unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                         unsigned(static_cast<unsigned char>(bytes[i + 2]));
        out += wchar_t(alphabet[group >> 18 & 63]);
        out += wchar_t(alphabet[group >> 12 & 63]);
        out += wchar_t(alphabet[group >> 6 & 63]);
        out += wchar_t(alphabet[group & 63]);
    }
    std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned group = unsigned(static_cast<unsigned char>(bytes[i])) << 16;
        if (rest == 2) group |= unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8;
        out += wchar_t(alphabet[group >> 18 & 63]);
        out += wchar_t(alphabet[group >> 12 & 63]);
        out += rest == 2 ? wchar_t(alphabet[group >> 6 & 63]) : L'=';
        out += L'=';
    }
    return out;
}

}  // namespace engine
