#include "engine/fields/date_field.h"

#include "engine/fields/date_parse.h"
#include "fields_test_support.h"

namespace engine {
namespace {

using testing::language_test;

std::vector<expr_token> words(std::initializer_list<const wchar_t*> texts) {
    std::vector<expr_token> tokens;
    for (const wchar_t* text : texts) tokens.emplace_back(text, expr_kind::format_words);
    return tokens;
}

class DateField : public language_test {};

TEST_F(DateField, WithoutAMatchingModifierTheDateShowsAsTyped) {
    russian();
    date_value d = parse_date_value(L"5 янв 2024");
    EXPECT_EQ(render_date_field(d, {}), L"5 янв 2024");
    EXPECT_EQ(render_date_field(d, words({L"жирным", L"курсив"})), L"5 янв 2024");
}

TEST_F(DateField, EveryKeywordOfBothLanguagesReachesItsRendering) {
    russian();
    date_value ru = parse_date_value(L"5 янв 2024");
    EXPECT_EQ(render_date_field(ru, words({L"день"})), L"05");
    EXPECT_EQ(render_date_field(ru, words({L"dayth"})), L"5th");
    EXPECT_EQ(render_date_field(ru, words({L"Day  th"})), L"5th");
    EXPECT_EQ(render_date_field(ru, words({L"месяц"})), L"01");
    EXPECT_EQ(render_date_field(ru, words({L"Месяц прописью"})), L"января");
    EXPECT_EQ(render_date_field(ru, words({L"краткая"})), L"05.01.2024");
    EXPECT_EQ(render_date_field(ru, words({L"short"})), L"05.01.2024");
    EXPECT_EQ(render_date_field(ru, words({L"формат"})), L"«05»&thinsp;января 2024&thinsp;г.");
    EXPECT_EQ(render_date_field(ru, words({L"YEAR"})), L"2024");
    english();
    date_value en = parse_date_value(L"January 5 2024");
    EXPECT_EQ(render_date_field(en, words({L"day"})), L"5");
    EXPECT_EQ(render_date_field(en, words({L"month"})), L"1");
    EXPECT_EQ(render_date_field(en, words({L"month in words"})), L"January");
    EXPECT_EQ(render_date_field(en, words({L"формат"})), L"5th day of January, 2024");
    EXPECT_EQ(render_date_field(en, words({L"длинная"})), L"January 5, 2024");
    EXPECT_EQ(render_date_field(en, words({L"in words"})), L"January/5th 2024");
    EXPECT_EQ(render_date_field(en, words({L"год"})), L"2024");
}

TEST_F(DateField, TheLastMatchingModifierWins) {
    russian();
    date_value d = parse_date_value(L"05.01.2024");
    EXPECT_EQ(render_date_field(d, words({L"длинная", L"год"})), L"2024");
    EXPECT_EQ(render_date_field(d, words({L"год", L"длинная"})),
              L"05&thinsp;января <span style=\"white-space:nowrap\">2024&thinsp;г.</span>");
    EXPECT_EQ(render_date_field(d, words({L"год", L"жирным"})), L"2024");
}

}  // namespace
}  // namespace engine
