// Inputs built to make a naive repair slow or unbalanced.
#include <gtest/gtest.h>

#include <chrono>

#include "engine/document/table_repair.h"

using namespace engine;

namespace {

std::size_t count_of(const std::wstring& text, const std::wstring& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::wstring::npos;
         at = text.find(what, at + what.size()))
        ++n;
    return n;
}

std::wstring repeat(const std::wstring& piece, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

}  // namespace

TEST(BalanceTablesPathological, ManyStrayClosersAreDroppedQuickly) {
    auto start = std::chrono::steady_clock::now();
    std::wstring text = repeat(L"x</td></tr></table>", 50000) + L"<table y><td>1";
    std::wstring result = balance_tables(text);
    EXPECT_EQ(result, repeat(L"x", 50000) + L"<table y><td>1</td></tr></table>");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(BalanceTablesPathological, ClosersThatFormWhenOthersAreRemovedAreDroppedToo) {
    EXPECT_EQ(balance_tables(L"</td></tr></ta</td></tr></table>ble>z"), L"z");
}

TEST(BalanceTablesPathological, ManyOpenTablesAllGetClosed) {
    auto start = std::chrono::steady_clock::now();
    std::wstring result = balance_tables(repeat(L"<table a><tr><td>", 20000));
    EXPECT_EQ(count_of(result, L"<table"), count_of(result, L"</table>"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
