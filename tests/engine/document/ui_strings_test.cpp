// The interface-text table as compiled into the engine.
#include "engine/document/ui_strings.h"

#include <gtest/gtest.h>

#include <limits>

using namespace engine;

TEST(UiStrings, NamedRowsHaveTextInBothLanguagesAndNothingElseHasAny) {
    const std::pair<int, int> named[] = {{0, 22},    {26, 39},   {42, 82},   {84, 104},
                                         {114, 114}, {118, 119}, {123, 126}, {128, 129}};
    ASSERT_EQ(ui_string_rows, 130);
    for (int row = 0; row < ui_string_rows; ++row) {
        bool is_named = false;
        for (auto [first, last] : named) is_named |= first <= row && row <= last;
        EXPECT_EQ(ui_string(row, 0).empty(), !is_named) << "row " << row;
        EXPECT_EQ(ui_string(row, 1).empty(), !is_named) << "row " << row;
    }
    for (int row : {-1, 130, std::numeric_limits<int>::min()}) EXPECT_EQ(ui_string(row, 0), L"");
    EXPECT_EQ(ui_string(1, 2), L"");
    EXPECT_EQ(ui_string(1, -1), L"");
}

TEST(UiStrings, AddressesUseTheReservedExampleDomain) {
    for (int row : {85, 87, 88, 124, 126}) {
        for (int language : {0, 1})
            EXPECT_NE(ui_string(row, language).find(L"example.org"), std::wstring::npos) << row;
    }
    EXPECT_EQ(ui_string(88, 0).rfind(L"mailto:", 0), 0u);
}
