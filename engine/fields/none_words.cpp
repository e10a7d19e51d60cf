#include "engine/fields/none_words.h"

#include <algorithm>
#include <array>
#include <span>

#include "engine/fields/reading/reading_words.h"
#include "engine/fields/reading/text_marks.h"

namespace engine {

namespace {

// The words of a short text in lower case with ё as е, without what is in
// brackets and without punctuation; "/" stays («н/а»), and so does a point
// between letters ("n.a.").
class folded_words {
public:
    explicit folded_words(std::wstring_view text) {
        if (text.size() > letters_.size()) return;
        int depth = 0;
        std::size_t length = 0;
        std::size_t start = 0;
        for (std::size_t at = 0; at <= text.size(); ++at) {
            const wchar_t c = at < text.size() ? text[at] : L' ';
            if (c == L'(' || c == L'[') ++depth;
            const bool inside =
                depth == 0 && (is_alpha_char(c) || is_digit(c) || c == L'/' ||
                               (c == L'.' && length > start && at + 1 < text.size() &&
                                is_alpha_char(text[at + 1])));
            if ((c == L')' || c == L']') && depth > 0) --depth;
            if (inside) {
                letters_[length++] = folded_letter(c);
                continue;
            }
            if (length == start) continue;
            if (count_ == words_.size()) {
                too_many_ = true;
                return;
            }
            words_[count_++] = {letters_.data() + start, length - start};
            start = length;
        }
    }
    // Empty when the text is too long or has too many words to say none.
    std::span<const std::wstring_view> words() const {
        if (too_many_) return {};
        return {words_.data(), count_};
    }

private:
    std::array<wchar_t, 96> letters_{};
    std::array<std::wstring_view, 12> words_{};
    std::size_t count_ = 0;
    bool too_many_ = false;
};

bool only_dashes(std::wstring_view text) {
    for (wchar_t c : text)
        if (!reading::is_dash(c)) return false;
    return !text.empty();
}

// The word names the field's own thing: it begins as a word of the field's
// name or caption does («аванса», «Аванс»), or is the library's word for the
// same thing («испытательного» for «Испытание»).
class own_thing {
public:
    explicit own_thing(field_naming naming) : name_(naming.name), caption_(naming.caption) {}

    bool names(std::wstring_view word) const { return names(word, name_) || names(word, caption_); }

private:
    static bool names(std::wstring_view word, const folded_words& own) {
        for (std::wstring_view stem : own.words()) {
            if (stem.size() < 4) continue;
            if (reading::begins_with(word,
                                     stem.substr(0, std::max<std::size_t>(4, stem.size() - 2))))
                return true;
            // «без исп. срока».
            if (word.size() >= 3 && reading::begins_with(stem, word)) return true;
            for (const auto& group : reading::own_thing_groups)
                if (reading::in_list(stem, group) && reading::in_list(word, group)) return true;
        }
        return false;
    }

    folded_words name_;
    folded_words caption_;
};

}  // namespace

bool is_none_word(std::wstring_view text, bool money, field_naming naming) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && reading::is_any_blank(text[first])) ++first;
    while (last > first && reading::is_any_blank(text[last - 1])) --last;
    text = text.substr(first, last - first);
    if (only_dashes(text)) return true;
    // «(Нет)» is no remark in brackets.
    while (text.size() > 2 && text.front() == L'(' && text.back() == L')')
        text = text.substr(1, text.size() - 2);
    const folded_words folded(text);
    const own_thing own(naming);
    bool says_it = false;
    for (std::wstring_view word : folded.words()) {
        for (wchar_t c : word)
            if (is_digit(c)) return false;
        if (reading::in_list(word, reading::denials) ||
            reading::in_list(word, reading::absence_alone) ||
            (money && reading::in_list(word, reading::free_alone)))
            says_it = true;
        else if (!reading::in_list(word, reading::absence_words) &&
                 !(money && reading::in_list(word, reading::free_of_charge)) && !own.names(word))
            return false;
    }
    return says_it;
}

}  // namespace engine
