#include "engine/render/table_repair.h"

#include <gtest/gtest.h>

#include <chrono>

#include "render_tree.h"

using namespace engine;

namespace {

// What one unit's script output becomes.
// clang-format off
const std::pair<const wchar_t*, const wchar_t*> examples[] = {
    {L"<b>Plain</b> words&nbsp;here", L"<b>Plain</b> words&nbsp;here"},
    // Every closer before the first table goes, also those that form when others are removed.
    {L"a</td></tr></table>b</td></tr></table><table x><tr><td>1</td></tr></table>",
     L"ab<table x><tr><td>1</td></tr></table>"},
    {L"</td></tr></ta</td></tr></table>ble>z", L"z"},
    // Loose cells after a table get their own table; closers in the tail are dropped first.
    {L"<table x><tr><td>1</td></tr></table><td>2</td>",
     L"<table x><tr><td>1</td></tr></table><table width=100%><td>2</td></td></tr></table>"},
    {L"<table x><td>1</td></tr></table>q</td></tr></table>r", L"<table x><td>1</td></tr></table>qr"},
    {L"<table a><tr><td>1</td></tr></table>mid<table b><tr><td>2</td></tr></table>end",
     L"<table a><tr><td>1</td></tr></table>mid<table b><tr><td>2</td></tr></table>end"},
    // Before any table: a table end gets a row and a cell; a row or a cell is wrapped and closed.
    {L"a</table>b", L"<table width=100%><tr><td>a</table>b"},
    {L"<tr><td>a", L"<table width=100%><tr><td>a</td></tr></table>"},
    {L"<td >x</td>text", L"<table width=100%><td >x</td>text</td></tr></table>"},
    {L"<table a><tr><td><table b><tr><td>x",
     L"<table a><tr><td><table b><tr><td>x</td></tr></table></td></tr></table>"},
    {L"", L""},
};
// clang-format on

std::wstring repeat(const std::wstring& piece, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

}  // namespace

TEST(BalanceTables, ExamplesAndTheirRepairIsStable) {
    for (const auto& [input, expected] : examples) {
        std::wstring once = balance_tables(input);
        EXPECT_EQ(once, expected) << input;
        EXPECT_EQ(balance_tables(once), once) << input;
    }
}

TEST(BalanceTables, ManyStrayClosersOrOpenTablesAreRepairedQuickly) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(balance_tables(repeat(L"x</td></tr></table>", 50000) + L"<table y><td>1"),
              repeat(L"x", 50000) + L"<table y><td>1</td></tr></table>");
    std::wstring result = balance_tables(repeat(L"<table a><tr><td>", 20000));
    EXPECT_EQ(render_test::count_of(result, L"<table"), render_test::count_of(result, L"</table>"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
