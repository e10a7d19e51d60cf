#include "engine/fields/document_number.h"

#include "engine/fields/empty_value_words.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::wstring_view keyword = L"номер";

// Whole values that say the document has no number, beside the words that
// say a field holds nothing; "no" here is no number sign.
constexpr std::wstring_view no_number_values[] = {L"no number",         L"unnumbered",
                                                  L"not numbered",      L"нет номера",
                                                  L"номер не присвоен", L"не присвоен"};

bool says_no_number(std::wstring_view number) {
    if (means_empty_value(number)) return true;
    const std::wstring folded = folded_phrase(number);
    for (const std::wstring_view phrase : no_number_values)
        if (folded == phrase) return true;
    return false;
}

std::size_t skip_spaces(std::wstring_view value, std::size_t at) {
    while (at < value.size() && is_typed_space(value[at])) ++at;
    return at;
}

// Whether a word that began before `at` ends there: «БН-015» and «Бн15» are
// numbers, «б/н от …» is none.
bool word_ends_at(std::wstring_view value, std::size_t at) {
    return at == value.size() || is_typed_space(value[at]) || value[at] == L',';
}

bool folded_starts_with(std::wstring_view value, std::wstring_view lower) {
    if (value.size() < lower.size()) return false;
    for (std::size_t i = 0; i < lower.size(); ++i)
        if (to_lower_char(value[i]) != lower[i]) return false;
    return true;
}

// The length of «б/н» however typed («б.н.», «б\н», «б / н», «бн», «без №»,
// «без номера») when it is a whole word, else 0.
std::size_t without_number_length(std::wstring_view value) {
    for (std::wstring_view words : {L"без номера", L"без №"})
        if (folded_starts_with(value, words) && word_ends_at(value, words.size()))
            return words.size();
    if (value.empty() || to_lower_char(value[0]) != L'б') return 0;
    std::size_t at = skip_spaces(value, 1);
    const bool parted =
        at < value.size() && (value[at] == L'/' || value[at] == L'\\' || value[at] == L'.');
    if (parted) at = skip_spaces(value, at + 1);
    if (at == value.size() || to_lower_char(value[at]) != L'н') return 0;
    if (!parted && at != 1) return 0;
    ++at;
    if (at < value.size() && value[at] == L'.') ++at;
    return word_ends_at(value, at) ? at : 0;
}

// The length of a number sign typed before the number, the blanks after it
// included: «№», «#», «N°», «Nº», «номер», or a Latin «N», «No», «Nr» (its
// point or not) that a blank or a figure follows; else 0. «Nova», «NO-5»,
// «N/A» and «PO#1001» have none.
std::size_t sign_length(std::wstring_view value) {
    if (value.empty()) return 0;
    std::size_t end = 0;
    if (value[0] == L'№' || value[0] == L'#') {
        end = 1;
    } else if (folded_starts_with(value, L"номер")) {
        end = 5;
        if (!word_ends_at(value, end) && !is_digit(value[end]) && value[end] != L':') return 0;
    } else if (to_lower_char(value[0]) == L'n') {
        end = 1;
        const wchar_t second = end < value.size() ? to_lower_char(value[end]) : 0;
        if (second == L'o' || second == L'r' || second == L'°' || second == L'º') ++end;
        if (end < value.size() && value[end] == L'.') ++end;
        if (end == value.size() || !(is_typed_space(value[end]) || is_digit(value[end]))) return 0;
    } else {
        return 0;
    }
    if (end < value.size() && (value[end] == L':' || value[end] == L'.')) ++end;
    return skip_spaces(value, end);
}

}  // namespace

bool asks_document_number(const std::vector<expr_token>& format_words) {
    return format_words.size() == 1 && make_word_key(format_words[0].text) == keyword;
}

std::wstring render_document_number(std::wstring_view value, int language) {
    std::wstring_view number = trimmed_typed(value);
    if (number.empty()) return {};
    const bool english = language == 0;
    if (says_no_number(number)) return english ? L"" : L"б/н";
    const std::size_t sign = sign_length(number);
    const std::wstring_view after_sign = sign < number.size() ? number.substr(sign) : number;
    if (const std::size_t none = without_number_length(after_sign))
        return english ? std::wstring(number) : L"б/н" + std::wstring(after_sign.substr(none));
    // A Russian number typed with its «№» prints as typed.
    if (!english && number.starts_with(L'№')) return std::wstring(number);
    return (english ? L"No.&nbsp;" : L"№&nbsp;") + std::wstring(after_sign);
}

std::vector<std::wstring_view> document_number_keywords() { return {keyword}; }

}  // namespace engine
