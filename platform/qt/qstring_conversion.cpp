#include "platform/qt/qstring_conversion.h"

namespace platform {

QString to_qstring(std::wstring_view text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        if (code > 0x10FFFF) {
            out.append(QChar(0xFFFD));
        } else if (code > 0xFFFF) {
            out.append(QChar(char16_t(0xD800 + ((code - 0x10000) >> 10))));
            out.append(QChar(char16_t(0xDC00 + ((code - 0x10000) & 0x3FF))));
        } else {
            out.append(QChar(char16_t(code)));
        }
    }
    return out;
}

std::wstring from_qstring(const QString& text) {
    std::wstring out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size()) {
            const char16_t low = text.at(i + 1).unicode();
            if (low >= 0xDC00 && low < 0xE000) {
                out += wchar_t(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        out += wchar_t(unit);
    }
    return out;
}

}  // namespace platform
