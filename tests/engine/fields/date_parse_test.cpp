#include "engine/fields/date_parse.h"

#include <tuple>

#include "fields_test_support.h"

using namespace engine;
using DateParsing = engine::testing::language_test;

namespace {

// Year, month (1-12) and day of a valid date; zeros otherwise.
std::tuple<int, int, int> ymd(const date_value& d) {
    if (!d.valid) return {0, 0, 0};
    return {d.broken_down.tm_year + 1900, d.broken_down.tm_mon + 1, d.broken_down.tm_mday};
}

}  // namespace

TEST_F(DateParsing, RussianReadsDayMonthYearEnglishMonthDayYearWithEverySeparatorAndTheirNames) {
    russian();
    for (const wchar_t* text :
         {L"5 января 2024", L"05.01.2024", L"5/1/24", L"5-янв-2024", L"5\\01\\2024", L"5..01..2024",
          L"5 ЯНВАРЯ 2024", L"5\t.01.\r\n2024", L"5 январь 2024", L"5 янвв 2024",
          L"5, 01, 2024"})  // the comma is skipped; blanks separate
        EXPECT_EQ(ymd(parse(text)), std::tuple(2024, 1, 5)) << std::wstring(text).size();
    // clang-format off
    const std::tuple<int, const wchar_t*, std::tuple<int, int, int>> cases[] = {
        {1, L"5 мая 2024", {2024, 5, 5}}, {1, L"5 май 2024", {2024, 5, 5}}, {1, L"5 марта 2024", {2024, 3, 5}},
        // Two-digit years are this century; longer ones count in full.
        {1, L"05.01.99", {2099, 1, 5}}, {1, L"05.01.024", {24, 1, 5}}, {1, L"05.01.2024 г.", {2024, 1, 5}},
        {1, L"29.02.2000", {2000, 2, 29}}, {0, L"Jan 5, 2024", {2024, 1, 5}}, {0, L"1/5/2024", {2024, 1, 5}},
        {0, L"5/1,2024", {2024, 5, 1}}, {0, L"dec 31 2024", {2024, 12, 31}},
        // Year first with dashes in both languages; English day first with the month in words.
        {1, L"2026-12-07", {2026, 12, 7}}, {0, L" 2026-12-07 ", {2026, 12, 7}}, {1, L"2024-2-29", {2024, 2, 29}},
        {0, L"7 December 2026", {2026, 12, 7}}, {0, L"7 Dec 2026", {2026, 12, 7}},
        {0, L"07 dec, 2026", {2026, 12, 7}}, {0, L"31 Dec 2024", {2024, 12, 31}}};
    // clang-format on
    for (const auto& [in_language, text, expected] : cases) {
        language = in_language;
        EXPECT_EQ(ymd(parse(text)), expected) << std::wstring(text).size();
    }
}

TEST_F(DateParsing, ShortNamesMixedAlphabetsMissingPartsAndImpossibleDatesAreRefused) {
    // clang-format off
    const std::pair<int, const wchar_t*> cases[] = {
        {1, L"5 ян 2024"}, {1, L"5 яна 2024"}, {0, L"Ja 5 2024"},
        {0, L"31 De 2024"}, {0, L"31 Dec 2023 5"}, {0, L"30 February 2026"}, {0, L"1 May Street 10"},
        {0, L"2026-02-30"}, {1, L"2026-13-01"}, {1, L"2026-12-07 10"}, {1, L"02026-12-07"}, {0, L"2026-12"},
        {0, L"янв 5 2024"}, {1, L"5.01"}, {1, L"5.01.2"}, {1, L"5.01.99999999999999999999999"}, {1, L"05.01.12024"},
        {1, L"29.02.2023"}, {1, L"29.02.2100"}, {1, L"30.02.2024"}, {1, L"31.04.2024"}, {1, L"5.13.2024"},
        {1, L"5.00.2024"}, {1, L"00.01.2024"}, {1, L"123.01.2024"}};
    // clang-format on
    for (auto [in_language, text] : cases) {
        language = in_language;
        EXPECT_FALSE(parse(text).valid) << std::wstring(text).size();
    }
}

TEST_F(DateParsing, InvalidDatesCarryNoCalendarBlankIsTodayAndSecondsCountDaysBothWays) {
    russian();
    date_value d = parse(L"не дата");
    EXPECT_FALSE(d.valid);
    EXPECT_EQ(d.text, L"не дата");
    EXPECT_EQ(d.seconds, 0);
    EXPECT_EQ(d.broken_down.tm_mday, 0);
    EXPECT_EQ(d.broken_down.tm_year, 0);
    for (const wchar_t* text : {L"", L"  \t\r\n"}) {
        date_value blank = parse(text);
        EXPECT_TRUE(!blank.valid && blank.text.empty() && blank.broken_down.tm_year + 1900 == 2024);
    }
    russian();
    EXPECT_EQ(parse(L"15.03.2024").seconds, 1710460800);
    EXPECT_EQ(parse(L"31.12.1969").seconds, -86400);
    EXPECT_EQ(parse(L"01.01.1900").seconds, -2208988800);
    EXPECT_EQ(parse(L"01.01.024").seconds % 86400, 0);
}
