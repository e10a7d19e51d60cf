#include "ui/editing/menu_entries.h"

#include <gtest/gtest.h>

#include "core/interface_language_fixture.h"

namespace {

using core::ViewMode;
using Texts = std::vector<std::wstring>;

class MenuEntries : public core_test::interface_language_test {
protected:
    MenuEntries() {
        for (const wchar_t* name : {L"Parties", L"", L"Price"})
            data.parameters.groups.emplace_back().record.s1 = name;
        data.parameters.group_count = 3;
    }
    void add_page(std::uint16_t kind, const wchar_t* block) {
        engine::doc_group& page = data.pages.groups.emplace_back();
        page.record.a = kind;
        page.elements.emplace_back().record.s1 = block;
        page.element_count = 1;
        data.pages.group_count = std::int32_t(data.pages.groups.size());
    }
    Texts texts(ViewMode mode) {
        Texts result;
        for (const auto& entry : ui::menu_entries(mode, &data)) result.push_back(entry.text);
        return result;
    }

    engine::document_data data{L""};
};

TEST_F(MenuEntries, SectionsAreListedByNameEvenWhenEmptyAndPagesFollowTheLanguage) {
    EXPECT_EQ(texts(ViewMode::data), (Texts{L"Parties", L"", L"Price"}));
    EXPECT_FALSE(ui::menu_entries(ViewMode::data, &data)[0].page_label);
    EXPECT_TRUE(ui::menu_entries(ViewMode::settings, &data)[0].page_label);
    core::current_language = 1;
    EXPECT_EQ(texts(ViewMode::save_print), (Texts{L"Печать", L"Сохранить"}));
}

TEST_F(MenuEntries, TextEditingListsTheSetupThenTheBlocksOfTheFirstStandardPage) {
    add_page(3, L"ignored");
    add_page(1, L"Preamble");
    data.pages.groups[1].elements.emplace_back().record.s1 = L"Terms";
    data.pages.groups[1].element_count = 2;
    add_page(1, L"Third page");
    // Entry k is block k - 1, as the panel expects.
    EXPECT_EQ(texts(ViewMode::text_edit), (Texts{L"[Setup paragraphs]", L"Preamble", L"Terms"}));
}

TEST_F(MenuEntries, NoTreeOrAnUnknownModeGivesNoEntries) {
    EXPECT_TRUE(ui::menu_entries(ViewMode::data, nullptr).empty());
    for (int mode : {4, -1}) EXPECT_TRUE(texts(ViewMode(mode)).empty()) << mode;
    data.parameters.group_count = 0;
    EXPECT_TRUE(texts(ViewMode::data).empty());
}

}  // namespace
