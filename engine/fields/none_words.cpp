#include "engine/fields/none_words.h"

#include <string>

#include "engine/fields/reading/reading_words.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

bool is_none_word(std::wstring_view text) {
    text = trimmed(text);
    // No word of the list is this long, however it is spaced.
    if (text.size() > 64) return false;
    const std::wstring folded = folded_phrase(text);
    for (std::wstring_view word : reading::none_words)
        if (folded == word) return true;
    return false;
}

}  // namespace engine
