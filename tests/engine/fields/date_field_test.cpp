#include "engine/fields/date_field.h"

#include <tuple>

#include "engine/fields/date_parse.h"
#include "fields_test_support.h"

namespace engine {
namespace {

std::vector<expr_token> words(std::initializer_list<const wchar_t*> texts) {
    std::vector<expr_token> tokens;
    for (const wchar_t* text : texts) tokens.emplace_back(text, expr_kind::format_words);
    return tokens;
}

class DateField : public testing::language_test {};

TEST_F(DateField, EveryKeywordOfBothLanguagesReachesItsRendering) {
    const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
        {1, L"жирным", L"5 янв 2024"},  // no matching keyword: the text as typed
        {1, L"день", L"05"},
        {1, L"Day  th", L"5th"},
        {1, L"месяц", L"01"},
        {1, L"Месяц прописью", L"января"},
        {1, L"short", L"05.01.2024"},
        {1, L"формат", L"«05»&thinsp;января 2024&thinsp;г."},
        {1, L"YEAR", L"2024"},
        {0, L"day", L"5"},
        {0, L"month", L"1"},
        {0, L"month in words", L"January"},
        {0, L"формат", L"5th day of January, 2024"},
        {0, L"длинная", L"January 5, 2024"},
        {0, L"in words", L"January/5th 2024"},
    };
    for (auto [language, keyword, expected] : cases) {
        current_language = language;
        date_value d = parse_date_value(language ? L"5 янв 2024" : L"Jan 5, 2024");
        EXPECT_EQ(render_date_field(d, words({keyword})), expected) << keyword;
    }
}

TEST_F(DateField, TheLastMatchingModifierWins) {
    russian();
    date_value d = parse_date_value(L"05.01.2024");
    EXPECT_EQ(render_date_field(d, words({L"длинная", L"год", L"жирным"})), L"2024");
    EXPECT_EQ(render_date_field(d, words({L"год", L"длинная"})),
              L"05&thinsp;января <span style=\"white-space:nowrap\">2024&thinsp;г.</span>");
}

}  // namespace
}  // namespace engine
