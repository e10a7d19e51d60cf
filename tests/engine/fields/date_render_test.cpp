#include "engine/fields/date_render.h"

#include "engine/fields/date_arithmetic.h"
#include "engine/fields/date_parse.h"
#include "fields_test_support.h"

namespace engine {
namespace {

using testing::language_test;

class DateRendering : public language_test {};

TEST_F(DateRendering, RussianPartsArePaddedAndEnglishOnesAreNot) {
    russian();
    date_value ru = parse_date_value(L"5 янв 2024");
    EXPECT_EQ(render_day(ru, day_number), L"05");
    EXPECT_EQ(render_day(ru, day_with_suffix), L"5th");
    EXPECT_EQ(render_day(ru, day_in_words), L"пятое");
    EXPECT_EQ(render_month(ru, false), L"01");
    EXPECT_EQ(render_month(ru, true), L"января");
    EXPECT_EQ(render_year(ru), L"2024");
    english();
    date_value en = parse_date_value(L"Jan 5, 2024");
    EXPECT_EQ(render_day(en, day_number), L"5");
    EXPECT_EQ(render_day(en, day_in_words), L"fifth");
    EXPECT_EQ(render_month(en, false), L"1");
    EXPECT_EQ(render_month(en, true), L"January");
}

TEST_F(DateRendering, OrdinalSuffixesFollowTheLastDigitsOfTheDay) {
    english();
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"1/1/2024", L"1st"},   {L"1/2/2024", L"2nd"},   {L"1/3/2024", L"3rd"},   {L"1/4/2024", L"4th"},
        {L"1/11/2024", L"11th"}, {L"1/12/2024", L"12th"}, {L"1/13/2024", L"13th"}, {L"1/21/2024", L"21st"},
        {L"1/22/2024", L"22nd"}, {L"1/23/2024", L"23rd"}, {L"1/31/2024", L"31st"}, {L"1/30/2024", L"30th"}};
    for (auto [text, expected] : cases) EXPECT_EQ(render_day(parse_date_value(text), day_with_suffix), expected);
}

TEST_F(DateRendering, DaysInWordsCoverTheWholeMonth) {
    russian();
    EXPECT_EQ(render_day(parse_date_value(L"23.01.2024"), day_in_words), L"двадцать третье");
    EXPECT_EQ(render_day(parse_date_value(L"31.01.2024"), day_in_words), L"тридцать первое");
    english();
    EXPECT_EQ(render_day(parse_date_value(L"1/12/2024"), day_in_words), L"twelfth");
    EXPECT_EQ(render_day(parse_date_value(L"1/29/2024"), day_in_words), L"twenty-ninth");
    date_value outside;
    outside.broken_down.tm_mday = 0;
    EXPECT_EQ(render_day(outside, day_in_words), L"0");
}

TEST_F(DateRendering, WholeDatesInBothLanguages) {
    russian();
    date_value ru = parse_date_value(L"05.01.2024");
    EXPECT_EQ(render_short_date(ru), L"05.01.2024");
    EXPECT_EQ(render_long_date(ru, true),
              L"05&thinsp;января <span style=\"white-space:nowrap\">2024&thinsp;г.</span>");
    EXPECT_EQ(render_long_date(ru, false), L"05 января 2024 г.");
    EXPECT_EQ(render_formal_date(ru), L"«05»&thinsp;января 2024&thinsp;г.");
    english();
    date_value en = parse_date_value(L"1/5/2024");
    EXPECT_EQ(render_short_date(en), L"1/5/2024");
    EXPECT_EQ(render_long_date(en, true), L"January 5, 2024");
    EXPECT_EQ(render_long_date(en, false), L"January 5, 2024");
    EXPECT_EQ(render_formal_date(en), L"5th day of January, 2024");
    EXPECT_EQ(render_date_in_words(en), L"January/5th 2024");
}

TEST_F(DateRendering, TheDateKeepsTheLanguageItWasMadeIn) {
    russian();
    date_value ru = parse_date_value(L"05.01.2024");
    english();
    EXPECT_EQ(render_short_date(ru), L"05.01.2024");
}

TEST_F(DateRendering, RussianCenturyYearsInWordsAreFixedWords) {
    EXPECT_EQ(russian_year_in_words(L"2000"), L"двухтысячного");
    EXPECT_EQ(russian_year_in_words(L"1900"), L"одна тысяча девятисотого");
    EXPECT_EQ(russian_year_in_words(L"1800"), L"1800");
    EXPECT_EQ(russian_year_in_words(L"824"), L"824");
    russian();
    EXPECT_EQ(render_date_in_words(parse_date_value(L"05.01.2000")), L"пятое января двухтысячного года");
    EXPECT_EQ(render_date_in_words(parse_date_value(L"01.01.1800")), L"первое января 1800 года");
}

TEST_F(DateRendering, RussianYearsInWordsPutTheOrdinalIntoTheGenitive) {
    EXPECT_EQ(russian_year_in_words(L"2024"), L"две тысячи двадцать четвертого");
    EXPECT_EQ(russian_year_in_words(L"2010"), L"две тысячи десятого");
    EXPECT_EQ(russian_year_in_words(L"2030"), L"две тысячи тридцатого");
    EXPECT_EQ(russian_year_in_words(L"1999"), L"одна тысяча девятьсот девяносто девятого");
    russian();
    EXPECT_EQ(render_date_in_words(parse_date_value(L"05.01.2024")),
              L"пятое января две тысячи двадцать четвертого года");
}

TEST_F(DateRendering, LongAndShortDatesReadBackForEveryDayOfASpan) {
    for (int language : {0, 1}) {
        current_language = language;
        date_value day = date_value_from_filetime(parse_date_value(language ? L"01.01.1998" : L"1/1/1998").seconds);
        const std::int64_t last = parse_date_value(language ? L"31.12.2005" : L"12/31/2005").seconds;
        for (; day.seconds <= last; day = date_value_from_filetime(day.seconds + 86400)) {
            ASSERT_EQ(parse_date_value(render_long_date(day, false)).seconds, day.seconds)
                << language << " " << render_short_date(day);
            ASSERT_EQ(parse_date_value(render_short_date(day)).seconds, day.seconds);
        }
    }
}

TEST_F(DateRendering, DatesFromSecondsWorkBefore1970) {
    russian();
    date_value d = date_value_from_filetime(-86400 + 3600);
    EXPECT_EQ(render_short_date(d), L"31.12.1969");
    EXPECT_EQ(d.broken_down.tm_hour, 1);
    EXPECT_EQ(d.seconds, -86400 + 3600);
    EXPECT_TRUE(d.text.empty());
}

class DateArithmetic : public language_test {
protected:
    std::wstring run(const std::wstring& expression, bool expect_date) {
        bool is_date = !expect_date;
        std::wstring result = date_arithmetic(expression, is_date);
        EXPECT_EQ(is_date, expect_date) << "for the result " << result.size();
        return result;
    }
};

TEST_F(DateArithmetic, DaysAddAcrossMonthAndYearEnds) {
    russian();
    EXPECT_EQ(run(L"05.01.2024 + 30", true), L"04.02.2024");
    EXPECT_EQ(run(L"05.01.2024 - 5", true), L"31.12.2023");
    EXPECT_EQ(run(L"28.02.2024 + 1", true), L"29.02.2024");
    EXPECT_EQ(run(L"28.02.2023+1", true), L"01.03.2023");
    EXPECT_EQ(run(L"05.01.2024 + (-5)", true), L"31.12.2023");
    EXPECT_EQ(run(L"05.01.2024 - (-5)", true), L"10.01.2024");
    EXPECT_EQ(run(L"05.01.2024 + дней", true), L"05.01.2024");
    english();
    EXPECT_EQ(run(L"12/31/2024 + 1", true), L"1/1/2025");
}

TEST_F(DateArithmetic, TwoDatesGiveTheDaysFromTheSecondToTheFirst) {
    russian();
    EXPECT_EQ(run(L"10.01.2024 - 05.01.2024", false), L"5");
    EXPECT_EQ(run(L"05.01.2024 - 10.01.2024", false), L"-5");
    EXPECT_EQ(run(L"05.01.2024 + 10.01.2024", false), L"-5");
}

TEST_F(DateArithmetic, SpansLongerThan68YearsStayExact) {
    russian();
    EXPECT_EQ(run(L"15.03.2024 - 15.03.1950", false), L"27029");
    EXPECT_EQ(run(L"15.03.1950 + 27029", true), L"15.03.2024");
    EXPECT_EQ(run(L"01.01.1900 - 36524", true), L"01.01.1800");
}

TEST_F(DateArithmetic, WhatIsNoDateArithmeticIsLeftUnchanged) {
    russian();
    EXPECT_EQ(run(L"05-01-2024 + 5", false), L"05-01-2024 + 5");
    EXPECT_EQ(run(L"сегодня + 5", false), L"сегодня + 5");
    EXPECT_EQ(run(L"05.01.2024", false), L"05.01.2024");
    EXPECT_EQ(run(L"05.01.2024 - 1000000", false), L"05.01.2024 - 1000000");
    EXPECT_EQ(run(L"05.01.2024 + 99999999999999999", false), L"05.01.2024 + 99999999999999999");
    EXPECT_EQ(run(L"01.01.0001 - 1", false), L"01.01.0001 - 1");
}

TEST_F(DateArithmetic, TodayFollowsThePinnedClock) {
    russian();
    EXPECT_EQ(render_short_date(date_value::today()), L"15.03.2024");
    english();
    date_value today = date_value::today();
    EXPECT_TRUE(today.valid);
    EXPECT_TRUE(today.text.empty());
    EXPECT_EQ(today.clock, testing::pinned_noon);
    EXPECT_EQ(render_short_date(today), L"3/15/2024");
    EXPECT_EQ(today.seconds, parse_date_value(L"3/15/2024").seconds);
}

}  // namespace
}  // namespace engine
