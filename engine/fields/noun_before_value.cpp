#include "engine/fields/noun_before_value.h"

#include <iterator>
#include <span>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

// The words are in small letters with «е» for «ё», a blank for any run of
// blanks, the longer before the shorter that begins it.
struct noun_format {
    std::wstring_view keyword;
    std::wstring_view noun;
    std::span<const std::wstring_view> typed_nouns;
    // Documents of another kind, printed in place of the noun.
    std::span<const std::wstring_view> other_nouns = {};
    // "No.", "#" after the typed noun ("Passport No. 548213907").
    bool sign_after = false;
    // "the laws of": " law" after the value says it again, and "State of"
    // takes its "the".
    bool law = false;
};

namespace {

// clang-format off
constexpr std::wstring_view passport_ru[] = {L"паспортные данные", L"паспорт", L"пасп."};
constexpr std::wstring_view other_documents_ru[] = {
    L"вид на жительство", L"загранпаспорт", L"заграничный паспорт", L"удостоверение",
    L"военный билет"};
constexpr std::wstring_view basis_ru[] = {
    L"действующего на основании", L"действующей на основании", L"действующий на основании",
    L"действующая на основании", L"на основании", L"на осн.", L"на осн", L"основании"};
constexpr std::wstring_view passport_en[] = {L"u.s. passport", L"us passport", L"passport"};
constexpr std::wstring_view account_en[] = {
    L"bank account", L"account", L"acct.", L"acct", L"acc.", L"acc", L"a/c"};
constexpr std::wstring_view laws_en[] = {L"the laws of", L"the law of", L"laws of", L"law of"};
constexpr std::wstring_view number_signs[] = {L"number", L"no.", L"no", L"nr.", L"#", L"№"};

constexpr noun_format formats[] = {
    {.keyword = L"паспорт", .noun = L"паспорт", .typed_nouns = passport_ru,
     .other_nouns = other_documents_ru},
    {.keyword = L"на|основании", .noun = L"на основании", .typed_nouns = basis_ru},
    {.keyword = L"passport", .noun = L"passport", .typed_nouns = passport_en, .sign_after = true},
    {.keyword = L"account", .noun = L"account", .typed_nouns = account_en, .sign_after = true},
    {.keyword = L"the|laws|of", .noun = L"the laws of", .typed_nouns = laws_en, .law = true},
};
// clang-format on

std::size_t skip_spaces(std::wstring_view value, std::size_t at) {
    while (at < value.size() && is_typed_space(value[at])) ++at;
    return at;
}

// The length of `words` at the start of `value` as a whole word, else 0.
std::size_t words_length(std::wstring_view value, std::wstring_view words) {
    std::size_t at = 0;
    for (const wchar_t c : words) {
        if (c == L' ') {
            const std::size_t after = skip_spaces(value, at);
            if (after == at) return 0;
            at = after;
        } else if (at < value.size() && folded_letter(value[at]) == c) {
            ++at;
        } else {
            return 0;
        }
    }
    if (is_alpha_char(words.back()) && at < value.size() && is_alpha_char(value[at])) return 0;
    return at;
}

std::size_t one_of_length(std::wstring_view value, std::span<const std::wstring_view> words) {
    for (std::wstring_view word : words)
        if (const std::size_t length = words_length(value, word)) return length;
    return 0;
}

// The value after its typed noun, the colon and the blanks after it.
std::wstring_view after(std::wstring_view value, std::size_t length) {
    value.remove_prefix(length);
    value.remove_prefix(skip_spaces(value, 0));
    if (value.starts_with(L':')) value.remove_prefix(skip_spaces(value, 1));
    return value;
}

// Words that say whose law it is rather than where: "English law",
// "federal law" keep their " law", since "the laws of English" says nothing.
constexpr std::wstring_view law_adjectives[] = {
    L"federal", L"common", L"applicable", L"international", L"american", L"mexican",
    L"french",  L"dutch",  L"swiss",      L"greek",         L"german"};
constexpr std::wstring_view adjective_endings[] = {L"ish", L"ian", L"ese"};

bool names_whose_law(std::wstring_view before_law) {
    std::size_t start = before_law.size();
    while (start > 0 && is_alpha_char(before_law[start - 1])) --start;
    const std::wstring_view word = before_law.substr(start);
    if (word.empty() || !is_upper_char(word[0])) return true;
    const std::wstring folded = to_lower(std::wstring(word));
    for (const std::wstring_view adjective : law_adjectives)
        if (folded == adjective) return true;
    for (const std::wstring_view ending : adjective_endings)
        if (folded.size() > ending.size() + 2 && folded.ends_with(ending)) return true;
    return false;
}

// Whether the text opens with a word and a colon: a label of its own.
bool opens_with_label(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && is_alpha_char(text[at])) ++at;
    return at > 0 && at < text.size() && text[at] == L':';
}

std::wstring law_named(std::wstring_view rest) {
    for (std::wstring_view tail : {L" laws", L" law"}) {
        if (rest.size() <= tail.size()) continue;
        const std::wstring_view end = rest.substr(rest.size() - tail.size());
        if (words_length(end, tail) == tail.size()) {
            const std::wstring_view before_law = rest.substr(0, rest.size() - tail.size());
            if (!names_whose_law(before_law)) rest = before_law;
            break;
        }
    }
    if (words_length(rest, L"state of")) return L"the " + std::wstring(rest);
    return std::wstring(rest);
}

}  // namespace

const noun_format* asked_noun_format(const std::vector<expr_token>& format_words) {
    if (format_words.size() != 1) return nullptr;
    const std::wstring key = make_word_key(format_words[0].text);
    for (const noun_format& format : formats)
        if (format.keyword == key) return &format;
    return nullptr;
}

std::wstring render_after_noun(const noun_format& format, std::wstring_view value) {
    std::wstring_view rest = trimmed_typed(value);
    if (rest.empty()) return {};
    if (one_of_length(rest, format.other_nouns)) {
        std::wstring own(rest);
        own[0] = to_lower_char(own[0]);
        return own;
    }
    const std::wstring_view typed = rest;
    rest = after(rest, one_of_length(rest, format.typed_nouns));
    // "Account Holder: …" names another thing after the noun: as typed.
    if (rest != typed && opens_with_label(rest))
        return std::wstring(format.noun) + L' ' + std::wstring(typed);
    if (format.sign_after) rest = after(rest, one_of_length(rest, number_signs));
    if (rest.empty()) return std::wstring(format.noun) + L" ______";
    return std::wstring(format.noun) + L' ' + (format.law ? law_named(rest) : std::wstring(rest));
}

std::vector<std::wstring_view> noun_format_keywords() {
    std::vector<std::wstring_view> keywords;
    for (const noun_format& format : formats) keywords.push_back(format.keyword);
    return keywords;
}

}  // namespace engine
