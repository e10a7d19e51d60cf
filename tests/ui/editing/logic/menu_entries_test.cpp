#include "ui/editing/menu_entries.h"

#include <gtest/gtest.h>

#include "engine/document/process_state.h"
#include "support/process_state_fixture.h"

namespace {

std::vector<std::wstring> texts(const std::vector<ui::menu_entry>& entries) {
    std::vector<std::wstring> result;
    for (const auto& entry : entries) result.push_back(entry.text);
    return result;
}

class MenuEntries : public fixture::process_state_test {
protected:
    MenuEntries() {
        for (const wchar_t* name : {L"Parties", L"", L"Price"}) {
            data.parameters.groups.emplace_back().record.s1 = name;
        }
        data.parameters.group_count = 3;
    }
    void add_page(std::uint16_t kind, std::vector<std::wstring> blocks) {
        engine::doc_group& page = data.pages.groups.emplace_back();
        page.record.a = kind;
        for (auto& name : blocks) page.elements.emplace_back().record.s1 = std::move(name);
        page.element_count = std::int32_t(page.elements.size());
        data.pages.group_count = std::int32_t(data.pages.groups.size());
    }

    engine::document_data data{L""};
};

using Texts = std::vector<std::wstring>;

TEST_F(MenuEntries, SectionsAreListedByNameEvenWhenEmptyAndPagesFollowTheLanguage) {
    const auto entries = ui::menu_entries(0, &data);
    EXPECT_EQ(texts(entries), (Texts{L"Parties", L"", L"Price"}));
    EXPECT_FALSE(entries[0].page_label);
    EXPECT_TRUE(ui::menu_entries(1, &data)[0].page_label);
    engine::current_language = 1;
    EXPECT_EQ(texts(ui::menu_entries(3, &data)), (Texts{L"Печать", L"Сохранить"}));
}

TEST_F(MenuEntries, TextEditingListsTheSetupThenTheBlocksOfTheFirstStandardPage) {
    add_page(1, {L"Preamble", L"Terms"});
    // Entry k is block k - 1, as the panel expects.
    EXPECT_EQ(texts(ui::menu_entries(2, &data)), (Texts{L"[Setup paragraphs]", L"Preamble", L"Terms"}));
    data.pages.groups.clear();
    add_page(3, {L"ignored"});
    add_page(1, {L"Second page"});
    add_page(1, {L"Third page"});
    EXPECT_EQ(texts(ui::menu_entries(2, &data)), (Texts{L"[Setup paragraphs]", L"Second page"}));
}

TEST_F(MenuEntries, NoTreeOrAnUnknownModeGivesNoEntries) {
    EXPECT_TRUE(ui::menu_entries(0, nullptr).empty());
    for (int mode : {4, -1}) EXPECT_TRUE(ui::menu_entries(mode, &data).empty()) << mode;
    data.parameters.group_count = 0;
    EXPECT_TRUE(ui::menu_entries(0, &data).empty());
}

}  // namespace
