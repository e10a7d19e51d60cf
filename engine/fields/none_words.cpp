#include "engine/fields/none_words.h"

#include <array>
#include <span>

#include "engine/fields/reading/reading_words.h"
#include "engine/fields/reading/text_marks.h"

namespace engine {

namespace {

// The words of a short text in lower case with ё as е, without the
// punctuation, quotes and brackets around each; "/" stays («н/а»).
class folded_words {
public:
    explicit folded_words(std::wstring_view text) {
        if (text.size() > letters_.size()) return;
        std::size_t length = 0;
        for (std::size_t at = 0; at < text.size();) {
            while (at < text.size() && reading::is_any_blank(text[at])) ++at;
            std::size_t end = at;
            while (end < text.size() && !reading::is_any_blank(text[end])) ++end;
            std::size_t first = at;
            std::size_t last = end;
            while (first < last && !is_word_char(text[first])) ++first;
            while (last > first && !is_word_char(text[last - 1])) --last;
            if (first < last && count_ < words_.size()) {
                const std::size_t start = length;
                for (std::size_t i = first; i < last; ++i)
                    letters_[length++] = reading::folded_letter(text[i]);
                words_[count_++] = {letters_.data() + start, length - start};
            } else if (first < last) {
                ++count_;  // past the array: too many words for any none
            }
            at = end;
        }
    }
    // Empty when the text is too long or has too many words to say none.
    std::span<const std::wstring_view> words() const {
        if (count_ > words_.size()) return {};
        return {words_.data(), count_};
    }

private:
    static bool is_word_char(wchar_t c) { return is_alpha_char(c) || c == L'/' || is_digit(c); }

    std::array<wchar_t, 96> letters_{};
    std::array<std::wstring_view, 12> words_{};
    std::size_t count_ = 0;
};

// A word of a number written out, whole («три», «двадцати», "half").
bool is_whole_number_word(std::wstring_view word) {
    if (word.empty()) return false;
    for (const auto& [stem, endings] : reading::number_word_forms)
        if (stem[0] == word[0] && reading::begins_with(word, stem) &&
            reading::has_ending(endings, word.substr(stem.size())))
            return true;
    return false;
}

// "twenty-one" is two number words.
bool holds_number_word(std::wstring_view word) {
    for (;;) {
        const std::size_t hyphen = word.find(L'-');
        if (is_whole_number_word(word.substr(0, hyphen))) return true;
        if (hyphen == std::wstring_view::npos) return false;
        word.remove_prefix(hyphen + 1);
    }
}

bool only_dashes(std::wstring_view text) {
    for (wchar_t c : text)
        if (!reading::is_dash(c)) return false;
    return !text.empty();
}

bool is_whole_none_text(std::span<const std::wstring_view> words) {
    if (words.size() == 2 && reading::in_list(words[0], reading::none_before_one_word)) return true;
    for (std::wstring_view listed : reading::whole_none_texts) {
        // The listed text's words, one blank between them.
        std::size_t at = 0;
        std::size_t i = 0;
        for (; i < words.size() && at <= listed.size(); ++i) {
            const std::size_t blank = listed.find(L' ', at);
            if (listed.substr(at, blank - at) != words[i]) break;
            at = blank == std::wstring_view::npos ? listed.size() + 1 : blank + 1;
        }
        if (i == words.size() && at == listed.size() + 1) return true;
    }
    return false;
}

bool says_none_in_words(std::span<const std::wstring_view> words) {
    bool negated = false;
    bool provided = false;
    for (std::wstring_view word : words) {
        if (negated && reading::in_list(word, reading::providing_words)) provided = true;
        if (reading::in_list(word, reading::negations)) negated = true;
    }
    if (!provided && !reading::in_list(words[0], reading::first_none_words)) return false;
    // A term in words or a bound on it says there is one.
    for (std::wstring_view word : words)
        if (holds_number_word(word) || reading::in_list(word, reading::bounding_words))
            return false;
    return true;
}

}  // namespace

bool is_none_word(std::wstring_view text, number_unit unit) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && reading::is_any_blank(text[first])) ++first;
    while (last > first && reading::is_any_blank(text[last - 1])) --last;
    text = text.substr(first, last - first);
    if (only_dashes(text)) return true;
    const folded_words folded(text);
    const std::span<const std::wstring_view> words = folded.words();
    if (words.empty()) return false;
    for (std::wstring_view word : words)
        for (wchar_t c : word)
            if (is_digit(c)) return false;
    if (unit == number_unit::unknown) return is_whole_none_text(words);
    return says_none_in_words(words);
}

}  // namespace engine
