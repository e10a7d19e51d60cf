// Text placed inside a JavaScript string literal.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The body of a quoted JavaScript literal (either quote) that evaluates to
// `text`: backslash and both quotes escaped, CR, LF, U+2028 and U+2029 and
// every other control character written as escapes, and "</" broken so the
// text can never close a script element.
std::wstring js_string_literal(std::wstring_view text);

}  // namespace platform
