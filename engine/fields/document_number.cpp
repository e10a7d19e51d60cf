#include "engine/fields/document_number.h"

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::wstring_view keyword = L"номер";

bool is_without_number(std::wstring_view value) {
    const std::wstring key = make_word_key(value);
    return key == L"б/н" || key == L"б/н." || key == L"бн" || key == L"без|номера";
}

// The length of a Latin number sign («N», «No», «Nr», its point or not) that
// a blank or a figure follows, else 0: «Nova», «NO-5» and «N/A» are no sign.
std::size_t latin_sign_length(std::wstring_view value) {
    if (value.empty() || to_lower_char(value[0]) != L'n') return 0;
    std::size_t end = 1;
    const wchar_t second = end < value.size() ? to_lower_char(value[end]) : 0;
    if (second == L'o' || second == L'r') ++end;
    if (end < value.size() && value[end] == L'.') ++end;
    if (end == value.size()) return 0;
    return is_typed_space(value[end]) || is_digit(value[end]) ? end : 0;
}

}  // namespace

bool asks_document_number(const std::vector<expr_token>& format_words) {
    return format_words.size() == 1 && make_word_key(format_words[0].text) == keyword;
}

std::wstring render_document_number(std::wstring_view value) {
    std::wstring_view number = trimmed(value);
    if (number.empty()) return {};
    if (is_without_number(number)) return L"б/н";
    if (number.starts_with(L'№')) return std::wstring(number);
    if (const std::size_t sign = latin_sign_length(number)) {
        const std::wstring_view rest = trimmed(number.substr(sign));
        if (!rest.empty()) number = rest;
    }
    return L"№&nbsp;" + std::wstring(number);
}

std::vector<std::wstring_view> document_number_keywords() { return {keyword}; }

}  // namespace engine
