#include "engine/fields/date_render.h"

#include <string>
#include <tuple>

#include "engine/fields/date_arithmetic.h"
#include "engine/fields/date_field.h"
#include "engine/fields/date_parse.h"
#include "fields_test_support.h"

using namespace engine;
using engine::testing::format_words;
using DateRendering = engine::testing::language_test;

TEST_F(DateRendering, OrdinalDaysDaysInWordsAndRussianYearsInWordsWithTheirCenturyForms) {
    std::wstring days;
    for (int day : {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 30, 31}) {
        date_value d = parse(L"1/" + std::to_wstring(day) + L"/2024");
        days += render_day(d, day_with_suffix) + L' ';
    }
    EXPECT_EQ(days, L"1st 2nd 3rd 4th 11th 12th 13th 21st 22nd 23rd 30th 31st ");
    EXPECT_EQ(render_day(parse(L"1/12/2024"), day_in_words), L"twelfth");
    EXPECT_EQ(render_day(parse(L"1/29/2024"), day_in_words), L"twenty-ninth");
    EXPECT_EQ(render_day(date_value(), day_in_words), L"0");
    russian();
    EXPECT_EQ(render_day(parse(L"23.01.2024"), day_in_words), L"двадцать третье");
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> years[] = {
        {L"2024", L"две тысячи двадцать четвертого"}, {L"1999", L"одна тысяча девятьсот девяносто девятого"},
        {L"2000", L"двухтысячного"}, {L"1900", L"одна тысяча девятисотого"}, {L"1800", L"1800"}};
    // clang-format on
    for (auto [year, expected] : years) EXPECT_EQ(russian_year_in_words(year), expected);
    EXPECT_EQ(render_date_in_words(parse(L"01.01.1800")), L"первое января 1800 года");
}

TEST_F(DateRendering, ADateKeepsItsLanguageDatesFromSecondsWorkBefore1970AndTodayFollowsTheClock) {
    date_value now = today();
    EXPECT_TRUE(now.valid && now.text.empty());
    EXPECT_EQ(render_short_date(now), L"3/15/2024");
    EXPECT_EQ(now.seconds, parse(L"3/15/2024").seconds);
    russian();
    date_value ru = parse(L"05.01.2024");
    EXPECT_EQ(render_long_date(ru, false), L"05 января 2024 г.");
    date_value d = from_seconds(-86400 + 3600);
    EXPECT_EQ(d.broken_down.tm_hour, 1);
    EXPECT_EQ(d.seconds, -86400 + 3600);
    EXPECT_TRUE(d.text.empty());
    english();
    EXPECT_EQ(render_short_date(ru), L"05.01.2024");
    EXPECT_EQ(render_short_date(d), L"31.12.1969");
}

TEST_F(DateRendering, LongAndShortDatesReadBackForEveryDayOfASpan) {
    for (int in_language : {0, 1}) {
        language = in_language;
        const std::int64_t first = parse(language ? L"01.01.1998" : L"1/1/1998").seconds;
        date_value day = from_seconds(first);
        const std::int64_t last = parse(language ? L"31.12.2005" : L"12/31/2005").seconds;
        for (; day.seconds <= last; day = from_seconds(day.seconds + 86400)) {
            ASSERT_EQ(parse(render_long_date(day, false)).seconds, day.seconds)
                << language << " " << render_short_date(day);
            ASSERT_EQ(parse(render_short_date(day)).seconds, day.seconds);
        }
    }
}

TEST_F(DateRendering, EveryFieldKeywordOfBothLanguagesAndTheLastMatchingOneWins) {
    // clang-format off
    const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
        {1, L"жирным", L"5 янв 2024"},  // no matching keyword: the text as typed
        {1, L"Day  th", L"5th"}, {1, L"YEAR", L"2024"}, {1, L"short", L"05.01.2024"},
        {0, L"формат", L"5th day of January, 2024"}, {0, L"длинная", L"January 5, 2024"}};
    // clang-format on
    for (auto [in_language, keyword, expected] : cases) {
        language = in_language;
        date_value d = parse(language ? L"5 янв 2024" : L"Jan 5, 2024");
        EXPECT_EQ(render_date_field(d, format_words({keyword})), expected) << keyword;
    }
    russian();
    date_value d = parse(L"05.01.2024");
    EXPECT_EQ(render_date_field(d, format_words({L"длинная", L"год", L"жирным"})), L"2024");
    EXPECT_EQ(render_date_field(d, format_words({L"год", L"длинная"})),
              L"05&thinsp;января <span style=\"white-space:nowrap\">2024&thinsp;г.</span>");
}

TEST_F(DateRendering, ArithmeticAddsDaysAcrossMonthYearAndLongSpansAndCountsTheDaysBetween) {
    russian();
    // clang-format off
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {
        {L"05.01.2024 + 30", L"04.02.2024", true}, {L"05.01.2024 - 5", L"31.12.2023", true},
        {L"28.02.2024 + 1", L"29.02.2024", true}, {L"28.02.2023+1", L"01.03.2023", true},
        {L"05.01.2024 - (-5)", L"10.01.2024", true}, {L"05.01.2024 + дней", L"05.01.2024", true},
        {L"10.01.2024 - 05.01.2024", L"5", false}, {L"05.01.2024 + 10.01.2024", L"-5", false},
        // Spans beyond 68 years stay exact.
        {L"15.03.2024 - 15.03.1950", L"27029", false}, {L"01.01.1900 - 36524", L"01.01.1800", true},
        // What is no date arithmetic, or leaves the years 1-9999, is left unchanged.
        {L"05-01-2024 + 5", L"05-01-2024 + 5", false}, {L"сегодня + 5", L"сегодня + 5", false},
        {L"05.01.2024", L"05.01.2024", false}, {L"01.01.0001 - 1", L"01.01.0001 - 1", false},
        {L"05.01.2024 + 99999999999999999", L"05.01.2024 + 99999999999999999", false}};
    // clang-format on
    for (auto [expression, expected, gives_date] : cases) {
        bool is_date = !gives_date;
        EXPECT_EQ(date_arithmetic(expression, is_date, language, engine::testing::pinned_noon),
                  expected);
        EXPECT_EQ(is_date, gives_date) << expected;
    }
    english();
    bool is_date = false;
    EXPECT_EQ(date_arithmetic(L"12/31/2024 + 1", is_date, language, engine::testing::pinned_noon),
              L"1/1/2025");
}
