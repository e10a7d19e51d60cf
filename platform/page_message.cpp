#include "platform/page_message.h"

#include <algorithm>

namespace platform {

bool is_page_message(std::wstring_view message) {
    if (message.size() > max_page_message_length) return false;
    return std::none_of(message.begin(), message.end(), [](wchar_t c) {
        return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0xD800 && c <= 0xDFFF);
    });
}

}  // namespace platform
