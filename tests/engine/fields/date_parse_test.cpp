#include "engine/fields/date_parse.h"

#include "fields_test_support.h"

namespace engine {
namespace {

using testing::language_test;

class DateParsing : public language_test {};

struct ymd {
    int year;
    int month;
    int day;
};

::testing::AssertionResult reads_as(const std::wstring& text, ymd expected) {
    date_value d = parse_date_value(text);
    if (!d.valid) return ::testing::AssertionFailure() << "not a date";
    ymd got{d.broken_down.tm_year + 1900, d.broken_down.tm_mon + 1, d.broken_down.tm_mday};
    if (got.year != expected.year || got.month != expected.month || got.day != expected.day)
        return ::testing::AssertionFailure() << got.year << "-" << got.month << "-" << got.day;
    return ::testing::AssertionSuccess();
}

TEST_F(DateParsing, RussianReadsDayMonthYearWithEverySeparatorAndCyrillicNames) {
    russian();
    for (const wchar_t* text : {L"5 января 2024", L"05.01.2024", L"5/1/24", L"5-янв-2024", L"5\\01\\2024",
                                L"5..01..2024", L"5 ЯНВАРЯ 2024", L"5\t.01.\r\n2024"})
        EXPECT_TRUE(reads_as(text, {2024, 1, 5})) << std::wstring(text).size();
    EXPECT_TRUE(reads_as(L"5 мая 2024", {2024, 5, 5}));
    EXPECT_TRUE(reads_as(L"5 май 2024", {2024, 5, 5}));
    EXPECT_TRUE(reads_as(L"5 марта 2024", {2024, 3, 5}));
    EXPECT_TRUE(reads_as(L"5 январь 2024", {2024, 1, 5}));
    EXPECT_TRUE(reads_as(L"5 янвв 2024", {2024, 1, 5}));
    // The comma is no Russian separator: it is skipped and the blanks separate.
    EXPECT_TRUE(reads_as(L"5, 01, 2024", {2024, 1, 5}));
}

TEST_F(DateParsing, EnglishReadsMonthDayYearWithLatinNames) {
    english();
    EXPECT_TRUE(reads_as(L"Jan 5, 2024", {2024, 1, 5}));
    EXPECT_TRUE(reads_as(L"January 5 2024", {2024, 1, 5}));
    EXPECT_TRUE(reads_as(L"1/5/2024", {2024, 1, 5}));
    EXPECT_TRUE(reads_as(L"5/1,2024", {2024, 5, 1}));
    EXPECT_TRUE(reads_as(L"dec 31 2024", {2024, 12, 31}));
    // Letters outside the month field are dropped, leaving no day.
    EXPECT_FALSE(parse_date_value(L"31 Dec 2024").valid);
    // The alphabets do not mix.
    EXPECT_FALSE(parse_date_value(L"янв 5 2024").valid);
}

TEST_F(DateParsing, MonthNamesNeedThreeKnownLetters) {
    russian();
    EXPECT_FALSE(parse_date_value(L"5 ян 2024").valid);
    EXPECT_FALSE(parse_date_value(L"5 яна 2024").valid);
    english();
    EXPECT_FALSE(parse_date_value(L"Ja 5 2024").valid);
}

TEST_F(DateParsing, YearsOfTwoDigitsAreThisCenturyAndLongerOnesCountInFull) {
    russian();
    EXPECT_TRUE(reads_as(L"05.01.24", {2024, 1, 5}));
    EXPECT_TRUE(reads_as(L"05.01.99", {2099, 1, 5}));
    EXPECT_TRUE(reads_as(L"05.01.024", {24, 1, 5}));
    EXPECT_TRUE(reads_as(L"05.01.12024", {12024, 1, 5}));
    EXPECT_FALSE(parse_date_value(L"5.01").valid);
    EXPECT_FALSE(parse_date_value(L"5.01.2").valid);
    EXPECT_FALSE(parse_date_value(L"5.01.99999999999999999999999").valid);
}

TEST_F(DateParsing, ImpossibleDatesAreRefused) {
    russian();
    EXPECT_TRUE(parse_date_value(L"29.02.2024").valid);
    EXPECT_TRUE(parse_date_value(L"29.02.2000").valid);
    EXPECT_FALSE(parse_date_value(L"29.02.2023").valid);
    EXPECT_FALSE(parse_date_value(L"30.02.2024").valid);
    EXPECT_FALSE(parse_date_value(L"29.02.2100").valid);
    EXPECT_FALSE(parse_date_value(L"31.04.2024").valid);
    EXPECT_FALSE(parse_date_value(L"5.13.2024").valid);
    EXPECT_FALSE(parse_date_value(L"5.00.2024").valid);
    EXPECT_FALSE(parse_date_value(L"00.01.2024").valid);
    EXPECT_FALSE(parse_date_value(L"123.01.2024").valid);
}

TEST_F(DateParsing, AnInvalidDateKeepsItsTextAndCarriesNoCalendar) {
    russian();
    date_value d = parse_date_value(L"не дата");
    EXPECT_FALSE(d.valid);
    EXPECT_EQ(d.text, L"не дата");
    EXPECT_EQ(d.seconds, 0);
    EXPECT_EQ(d.broken_down.tm_mday, 0);
    EXPECT_EQ(d.broken_down.tm_year, 0);
    EXPECT_EQ(d.language, 1);
}

TEST_F(DateParsing, BlankTextGivesTodayButIsNoDate) {
    russian();
    for (const wchar_t* text : {L"", L"  \t\r\n"}) {
        date_value d = parse_date_value(text);
        EXPECT_FALSE(d.valid);
        EXPECT_TRUE(d.text.empty());
        EXPECT_EQ(d.broken_down.tm_year + 1900, 2024);
    }
}

TEST_F(DateParsing, SecondsCountWholeDaysFrom1970BothWays) {
    russian();
    date_value d = parse_date_value(L"15.03.2024");
    EXPECT_EQ(d.seconds, 1710460800);
    EXPECT_EQ(d.text, L"15.03.2024");
    EXPECT_EQ(d.clock, testing::pinned_noon);
    EXPECT_EQ(parse_date_value(L"01.01.1970").seconds, 0);
    EXPECT_EQ(parse_date_value(L"31.12.1969").seconds, -86400);
    EXPECT_EQ(parse_date_value(L"01.01.1900").seconds, -2208988800);
    EXPECT_EQ(parse_date_value(L"01.01.024").seconds % 86400, 0);
}

}  // namespace
}  // namespace engine
