#include "engine/fields/currency.h"

#include "engine/fields/number_tail_words.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

// The value of the first parameter field whose name has this key; false when
// there is none or it is hidden by its condition.
bool parameter_value(const doc_node* parameters, const std::wstring& key, std::wstring& value) {
    if (!parameters) return false;
    for (std::size_t s = 0; s < group_count_of(*parameters); ++s) {
        const doc_group& section = parameters->groups[s];
        for (std::size_t f = 0; f < element_count_of(section); ++f) {
            const doc_record& field = section.elements[f].record;
            if (make_word_key(field.s1) != key) continue;
            if (field.c != 0) return false;
            value = field.s2;
            return true;
        }
    }
    return false;
}

std::wstring currency_name(const doc_node* parameters) {
    std::wstring name = L"US Dollars";
    parameter_value(parameters, L"currency", name);
    return name;
}

std::wstring currency_name(const number_value& number) { return currency_name(number.parameters); }

}  // namespace

std::wstring currency_sign(const number_value& number) {
    const std::wstring name = currency_name(number);
    if (name == L"Euro") return L"€";
    if (name == L"United Kingdom Pounds") return L"£";
    if (name == L"Other") return {};
    return L"$";
}

std::wstring currency_words_en(const number_value& number, std::wstring& minor,
                               std::wstring& plural) {
    const std::wstring name = currency_name(number);
    if (name == L"Euro") {
        minor = L"cent";
        plural = L"euros";
        return L"euro";
    }
    if (name == L"United Kingdom Pounds") {
        minor = L"penny";
        plural = L"pounds";
        return L"pound";
    }
    std::wstring other;
    if (name == L"Other" && parameter_value(number.parameters, L"other_currency", other)) {
        const std::size_t blank = other.find(L' ');
        minor = blank == std::wstring::npos ? std::wstring() : other.substr(blank + 1);
        plural = other.substr(0, blank);
        return plural;
    }
    minor = L"cent";
    plural = L"dollars";
    return L"dollar";
}

std::wstring other_currency_code(const number_value& number) {
    std::wstring code;
    parameter_value(number.parameters, L"other_currency_abbr", code);
    return code;
}

std::uint32_t document_currency(const doc_node* parameters, int language) {
    if (language == 1) return currency_mark::rouble;
    const std::wstring name = currency_name(parameters);
    if (name == L"Euro") return currency_mark::euro;
    if (name == L"United Kingdom Pounds") return currency_mark::pound;
    if (name == L"Australian Dollars") return currency_mark::australian_dollar;
    if (name == L"Canadian Dollars") return currency_mark::canadian_dollar;
    if (name == L"Other") return 0;
    return currency_mark::us_dollar;
}

}  // namespace engine
