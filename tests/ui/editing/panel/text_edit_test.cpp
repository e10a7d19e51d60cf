// The text-editing mode: the template's page, block and paragraph texts,
// edited in place and rendered at every keystroke.
#include <gtest/gtest.h>

#include "editing/panel/panel_fixture.h"

namespace {

using namespace platform;

class TextEditing : public panel_test::PanelTest {
protected:
    // `covers` pages of kind 0, then a standard page of `blocks` blocks with
    // two paragraphs each.
    void make_pages(int covers, int blocks) {
        engine::doc_node& pages = window->session().data()->pages;
        pages.groups.clear();
        for (int p = 0; p < covers; ++p)
            pages.groups.emplace_back().record.s2 = L"cover " + std::to_wstring(p);
        engine::doc_group& standard = pages.groups.emplace_back();
        standard.record.a = 1;
        standard.record.s2 = L"standard page";
        for (int b = 0; b < blocks; ++b) {
            engine::doc_element& block = standard.elements.emplace_back();
            block.record.s2 = L"block " + std::to_wstring(b);
            for (int i = 0; i < 2; ++i)
                block.items.emplace_back().s2 =
                    L"paragraph " + std::to_wstring(b) + L"." + std::to_wstring(i);
            block.item_count = 2;
        }
        standard.element_count = blocks;
        pages.group_count = std::int32_t(pages.groups.size());
    }
    engine::doc_group& page(std::size_t p) { return window->session().data()->pages.groups[p]; }
    void choose(int entry) { window->left_menu().list()->set_selected_index(entry); }
    std::shared_ptr<TextBox> box(std::size_t row_index) { return inside<TextBox>(row_index, 0); }
};

TEST_F(TextEditing, EntryZeroEditsThePagesBeforeTheFirstStandardPage) {
    make_pages(2, 1);
    const std::size_t before = renders();
    window->ToggleTextEditAsync();
    choose(0);
    ASSERT_EQ(panel().children().size(), 2u);
    EXPECT_EQ(box(1)->text(), L"cover 1");
    EXPECT_TRUE(box(1)->multi_line());
    // Showing the mode stores nothing.
    EXPECT_EQ(page(1).record.s2, L"cover 1");
    EXPECT_EQ(renders(), before);

    box(1)->set_text(L"  new cover\nsecond line  ");
    EXPECT_EQ(page(1).record.s2, L"  new cover\nsecond line  ");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(last_render_reset_scroll());
    EXPECT_EQ(page(0).record.s2, L"cover 0");
}

TEST_F(TextEditing, EntryKEditsABlockAndItsParagraphs) {
    make_pages(0, 3);
    window->ToggleTextEditAsync();
    choose(3);
    ASSERT_EQ(panel().children().size(), 3u);
    EXPECT_EQ(box(0)->text(), L"block 2");
    EXPECT_EQ(box(2)->text(), L"paragraph 2.1");
    box(2)->set_text(L"");
    EXPECT_EQ(page(0).elements[2].items[1].s2, L"");
    box(0)->set_text(L"heading");
    EXPECT_EQ(page(0).elements[2].record.s2, L"heading");

    // Without a standard page entry 0 lists every page and no other entry shows.
    window->session().data()->pages.groups[0].record.a = 0;
    choose(0);
    EXPECT_EQ(panel().children().size(), 1u);
}

TEST_F(TextEditing, PagesAndBlocksPast255EditTheirOwnRecords) {
    make_pages(257, 300);
    window->ToggleTextEditAsync();
    choose(0);
    ASSERT_EQ(panel().children().size(), 257u);
    box(256)->set_text(L"last cover");
    EXPECT_EQ(page(256).record.s2, L"last cover");
    EXPECT_EQ(page(0).record.s2, L"cover 0");

    choose(258);  // block 257, which a byte would read as block 1
    EXPECT_EQ(box(0)->text(), L"block 257");
    box(0)->set_text(L"edited");
    EXPECT_EQ(page(257).elements[257].record.s2, L"edited");
    EXPECT_EQ(page(257).elements[1].record.s2, L"block 1");
}

}  // namespace
