// Job titles headed by a participle that governs the words after it
// (заведующий складом, исполняющий обязанности директора): the title
// declines up to the participle and keeps the rest as typed.
//
// Any thread; reads only its arguments.
#pragma once

#include <string_view>

namespace engine {

// заведующий, управляющий, исполняющий, замещающий, and their -ая and -ие
// forms (lower case).
bool is_governing_participle(std::wstring_view word);

// Whether the participle `word` heads the title, with `next` the word typed
// after it (empty when none). заведующий and управляющий govern the
// instrumental, so before a word in another form they are adjectives of the
// noun that follows («управляющий директор»); the other two govern the
// accusative, which looks like the nominative, and always head.
bool participle_heads_title(std::wstring_view word, std::wstring_view next);

}  // namespace engine
