#include "ui/output/page_selection.h"

#include <gtest/gtest.h>

namespace {

using Pages = std::vector<int>;

TEST(PageList, TheBoxKeepsNumbersOfUpToThreeDigitsAndSingleSeparators) {
    EXPECT_EQ(ui::clean_page_list(L"100"), L"100");
    EXPECT_EQ(ui::clean_page_list(L"1234"), L"123");
    EXPECT_EQ(ui::clean_page_list(L"1,,2--5"), L"1,2-5");
    EXPECT_EQ(ui::clean_page_list(L",1"), L",1");
    EXPECT_EQ(ui::clean_page_list(L"1a;2"), L"12");
}

TEST(PageList, ABlankBetweenNumbersSeparatesThem) {
    EXPECT_EQ(ui::clean_page_list(L"1 2"), L"1,2");
    EXPECT_EQ(ui::clean_page_list(L"1, 3 - 5 "), L"1,3-5");
    EXPECT_EQ(ui::clean_page_list(L"  7"), L"7");
    EXPECT_EQ(ui::clean_page_list(L"12 345 6"), L"12,345,6");
}

TEST(PageList, PartsNamePagesWithinTheDocument) {
    EXPECT_EQ(ui::parse_page_list(L"1,3,5-7", 10), (Pages{1, 3, 5, 6, 7}));
    EXPECT_EQ(ui::parse_page_list(L"8-", 10), (Pages{8, 9, 10}));
    EXPECT_EQ(ui::parse_page_list(L"-3", 10), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::parse_page_list(L"4,2,4", 10), (Pages{2, 4}));
    EXPECT_EQ(ui::parse_page_list(L"9-20", 10), (Pages{9, 10}));
    EXPECT_EQ(ui::parse_page_list(L"100", 120), (Pages{100}));
}

TEST(PageList, ReversedAndZeroPartsAreSkippedAndNothingValidMeansAllPages) {
    EXPECT_EQ(ui::parse_page_list(L"5-3,2", 6), (Pages{2}));
    EXPECT_EQ(ui::parse_page_list(L"0,3", 6), (Pages{3}));
    EXPECT_EQ(ui::parse_page_list(L"0-2,4", 6), (Pages{4}));
    EXPECT_EQ(ui::parse_page_list(L"", 3), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::parse_page_list(L"-", 3), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::parse_page_list(L"5-2", 3), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::parse_page_list(L"40", 3), (Pages{1, 2, 3}));
}

TEST(PageChoice, OddAndEvenGoToTheLastPage) {
    EXPECT_EQ(ui::chosen_pages(0, L"2", 3), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::chosen_pages(1, L"", 5), (Pages{1, 3, 5}));
    EXPECT_EQ(ui::chosen_pages(2, L"", 5), (Pages{2, 4}));
    const Pages odd = ui::chosen_pages(1, L"", 30);
    EXPECT_EQ(odd.size(), 15u);
    EXPECT_EQ(odd.back(), 29);
    EXPECT_EQ(ui::chosen_pages(2, L"", 30).back(), 30);
    EXPECT_EQ(ui::chosen_pages(3, L"2-3", 5), (Pages{2, 3}));
    EXPECT_EQ(ui::chosen_pages(3, L"", 2), (Pages{1, 2}));
}

}  // namespace
