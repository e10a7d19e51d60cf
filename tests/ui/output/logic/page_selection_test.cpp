#include "ui/output/page_selection.h"

#include <gtest/gtest.h>

namespace {

using core::PrintPages;
using Pages = std::vector<int>;

TEST(PageList, TheTypedListKeepsNumbersOfUpToThreeDigitsAndSingleSeparators) {
    // clang-format off
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"1234", L"123"}, {L"1,,2--5", L"1,2-5"}, {L",1", L",1"},  {L"1a;2", L"12"},
        {L"1 2", L"1,2"},  {L"1, 3 - 5 ", L"1,3-5"}, {L"  7", L"7"}, {L"12 345 6", L"12,345,6"},
    };
    // clang-format on
    for (const auto& [typed, kept] : cases) EXPECT_EQ(ui::clean_page_list(typed), kept);
}

TEST(PageList, PartsNamePagesWithinTheDocumentAndAListWithoutNumbersMeansAllPages) {
    const struct {
        std::wstring list;
        int count;
        Pages pages;
    } cases[] = {
        {L"1,3,5-7", 10, {1, 3, 5, 6, 7}},
        {L"8-", 10, {8, 9, 10}},
        {L"-3", 10, {1, 2, 3}},
        {L"4,2,4", 10, {2, 4}},
        {L"9-20", 10, {9, 10}},
        {L"5-3,2", 6, {2}},
        {L"0,3", 6, {3}},
        {L"", 3, {1, 2, 3}},
        {L",-", 3, {1, 2, 3}},
        {L"40", 3, {}},
        {L"0", 3, {}},
        {L"3-2", 3, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::parse_page_list(c.list, c.count), c.pages) << &c - cases;
}

TEST(PageChoice, OddAndEvenGoToTheLastPage) {
    EXPECT_EQ(ui::chosen_pages(PrintPages::all, L"2", 3), (Pages{1, 2, 3}));
    EXPECT_EQ(ui::chosen_pages(PrintPages::odd, L"", 5), (Pages{1, 3, 5}));
    EXPECT_EQ(ui::chosen_pages(PrintPages::even, L"", 5), (Pages{2, 4}));
    EXPECT_EQ(ui::chosen_pages(PrintPages::odd, L"", 30).back(), 29);  // past page 22 as well
    EXPECT_EQ(ui::chosen_pages(PrintPages::even, L"", 30).size(), 15u);
    EXPECT_EQ(ui::chosen_pages(PrintPages::selected, L"2-3", 5), (Pages{2, 3}));
    EXPECT_EQ(ui::chosen_pages(PrintPages::selected, L"1 3;x", 5), (Pages{1, 3}));  // as typed
}

}  // namespace
