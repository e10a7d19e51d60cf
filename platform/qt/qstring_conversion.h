// The one crossing between the program's texts (one code point per wchar_t)
// and QString (UTF-16). Lone surrogates keep their value both ways.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString to_qstring(std::wstring_view text);
std::wstring from_qstring(const QString& text);

}  // namespace platform
