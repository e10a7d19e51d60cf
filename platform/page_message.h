// What the page may post to the program: the name of a library document, as
// a file link row posts it (words joined by "|"). The page is not trusted to
// post anything else, so the view drops every other message.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// Far longer than any path in the library.
inline constexpr std::size_t max_page_message_length = 4096;

// True for a text that can name a document: not over the length above, free
// of control characters and of halves of surrogate pairs.
bool is_page_message(std::wstring_view message);

}  // namespace platform
