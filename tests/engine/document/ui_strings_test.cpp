// The interface-text table as compiled into the engine.
#include "engine/document/ui_strings.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "engine/document/process_state.h"
#include "support/process_state_fixture.h"

using namespace engine;

namespace {

// Every row the program names, in both languages.
std::set<int> named_rows() {
    std::set<int> rows;
    auto add = [&](int first, int last) {
        for (int row = first; row <= last; ++row) rows.insert(row);
    };
    add(0, 22), add(26, 39), add(42, 82), add(84, 96), add(100, 104), add(114, 114), add(123, 126);
    return rows;
}

using UiStrings = fixture::process_state_test;

}  // namespace

TEST_F(UiStrings, TheTableHas130RowsAndNothingOutsideThem) {
    EXPECT_EQ(ui_string_rows, 130);
    for (int row : {-1, 130, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_EQ(ui_string(row, 0), L"") << row;
        EXPECT_EQ(ui_string(row, 1), L"") << row;
    }
    EXPECT_EQ(ui_string(1, 2), L"");
    EXPECT_EQ(ui_string(1, -1), L"");
    current_language = 7;
    EXPECT_EQ(ui_string(1), L"");
}

TEST_F(UiStrings, NamedRowsHaveTextInBothLanguagesAndOthersAreEmpty) {
    std::set<int> named = named_rows();
    for (int row = 0; row < ui_string_rows; ++row) {
        if (named.count(row)) {
            EXPECT_FALSE(ui_string(row, 0).empty()) << "row " << row;
            EXPECT_FALSE(ui_string(row, 1).empty()) << "row " << row;
        } else {
            EXPECT_TRUE(ui_string(row, 0).empty()) << "row " << row;
            EXPECT_TRUE(ui_string(row, 1).empty()) << "row " << row;
        }
    }
}

TEST_F(UiStrings, TheEngineMessagesAreExact) {
    EXPECT_EQ(ui_string(89, 0), L"The document is absent in the application workspace.");
    EXPECT_EQ(ui_string(89, 1), L"Документ отсутствует в рабочем окружении программы.");
    EXPECT_EQ(ui_string(90, 0), L"file failed to open.");
    EXPECT_EQ(ui_string(90, 1), L"не удалось открыть.");
}

TEST_F(UiStrings, LeadingBlanksAreKept) {
    EXPECT_EQ(ui_string(19, 0), L" copy");
    EXPECT_EQ(ui_string(21, 1), L" копий");
    EXPECT_EQ(ui_string(48, 1), L" пункта");
    EXPECT_EQ(ui_string(49, 0), L" pt");
    EXPECT_EQ(ui_string(62, 1), L" мм");
}

TEST_F(UiStrings, TheCurrentLanguageSelectsTheColumn) {
    EXPECT_EQ(ui_string(8), L"Library.brik");
    current_language = 1;
    EXPECT_EQ(ui_string(8), L"Библиотека.brik");
    EXPECT_EQ(ui_string(81), L"Бумагодел");
}

TEST_F(UiStrings, AddressesUseTheReservedExampleDomain) {
    for (int row : {85, 87, 88, 124, 126}) {
        for (int language : {0, 1})
            EXPECT_NE(ui_string(row, language).find(L"example.org"), std::wstring::npos) << row;
    }
    EXPECT_EQ(ui_string(88, 0).rfind(L"mailto:", 0), 0u);
    EXPECT_NE(ui_string(88, 0).find(L"?subject="), std::wstring::npos);
}
