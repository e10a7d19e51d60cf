#include "engine/fields/date_field.h"

#include <array>
#include <string_view>

#include "engine/fields/date_render.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

enum class date_form {
    long_form,
    short_form,
    formal,
    day,
    day_th,
    month,
    month_words,
    in_words,
    year
};

struct date_keyword {
    std::wstring_view key;
    date_form form;
};

constexpr std::array<date_keyword, 18> keywords = {{
    {L"длинная", date_form::long_form},
    {L"long", date_form::long_form},
    {L"короткая", date_form::short_form},
    {L"краткая", date_form::short_form},
    {L"short", date_form::short_form},
    {L"формат", date_form::formal},
    {L"день", date_form::day},
    {L"day", date_form::day},
    {L"dayth", date_form::day_th},
    {L"day|th", date_form::day_th},
    {L"месяц", date_form::month},
    {L"month", date_form::month},
    {L"месяц|прописью", date_form::month_words},
    {L"month|in|words", date_form::month_words},
    {L"прописью", date_form::in_words},
    {L"in|words", date_form::in_words},
    {L"год", date_form::year},
    {L"year", date_form::year},
}};

std::wstring render_form(const date_value& date, date_form form) {
    switch (form) {
        case date_form::long_form: return render_long_date(date, true);
        case date_form::short_form: return render_short_date(date);
        case date_form::formal: return render_formal_date(date);
        case date_form::day: return render_day(date, day_number);
        case date_form::day_th: return render_day(date, day_with_suffix);
        case date_form::month: return render_month(date, false);
        case date_form::month_words: return render_month(date, true);
        case date_form::in_words: return render_date_in_words(date);
        case date_form::year: return render_year(date);
    }
    return {};
}

const date_keyword* find_keyword(const std::wstring& key) {
    for (const date_keyword& keyword : keywords)
        if (key == keyword.key) return &keyword;
    return nullptr;
}

}  // namespace

std::vector<std::wstring_view> date_field_keywords() {
    std::vector<std::wstring_view> keys;
    for (const date_keyword& keyword : keywords) keys.push_back(keyword.key);
    return keys;
}

std::wstring render_date_field(const date_value& date, const std::vector<expr_token>& modifiers) {
    const date_keyword* chosen = nullptr;
    for (const expr_token& modifier : modifiers)
        if (const date_keyword* keyword = find_keyword(make_word_key(modifier.text)))
            chosen = keyword;
    if (!chosen) return date.text;
    // A text that is no date has no day, month or year to show.
    return date.valid ? render_form(date, chosen->form) : std::wstring();
}

}  // namespace engine
