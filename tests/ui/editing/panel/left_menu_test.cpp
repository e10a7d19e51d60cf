// The left menu: entries per mode, one stored selection per mode, and the
// data panel rebuilt for a selection.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "editing/panel/panel_fixture.h"
#include "platform/qt/native_widget.h"

namespace {

class LeftMenu : public panel_test::PanelTest {
protected:
    LeftMenu() {
        for (const wchar_t* name : {L"Parties", L"Price", L"Terms"}) {
            const auto s = add_section(name);
            for (int f = 0; f < 30; ++f) add_field(s, 4, name + std::to_wstring(f), L"Caption");
        }
        show_section(0);
    }
    platform::ListBox& list() { return *window->left_menu().list(); }
    void show_mode(core::ViewMode mode) {
        window->session().set_mode(mode);
        window->left_menu().RefreshMenuPanel();
    }
};

TEST_F(LeftMenu, ChoosingASectionStoresItScrollsUpAndRebuildsThePanel) {
    EXPECT_EQ(list().selected_index(), 0);
    EXPECT_EQ(panel().children().size(), 60u);
    field(1, 0).record.s2 = L"price value";
    window->activate();
    pump();
    window->data_panel().scroller()->scroll_to_vertical_offset(300);
    ASSERT_GT(window->data_panel().scroller()->vertical_offset(), 0);
    const std::size_t before = renders();

    // A user's click on the entry.
    auto* widget = static_cast<QListWidget*>(platform::widget_of(list()));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    EXPECT_EQ(window->session().section(), 1);
    EXPECT_EQ(window->data_panel().scroller()->vertical_offset(), 0);
    EXPECT_EQ(inside<platform::TextBox>(1, 0)->text(), L"price value");
    EXPECT_EQ(renders(), before);  // a template is not rendered again for a section

    // A section of the library page is rendered from the top.
    window->ToggleLibrary();
    ASSERT_TRUE(window->session().library_shown());
    for (const wchar_t* name : {L"Agreements", L"Letters", L"Forms"}) add_section(name);
    window->left_menu().RefreshMenuPanel();
    const std::size_t library_renders = renders();
    list().set_selected_index(2);
    EXPECT_EQ(renders(), library_renders + 1);
    EXPECT_TRUE(last_render_reset_scroll());
}

TEST_F(LeftMenu, EachModeKeepsItsOwnSelection) {
    list().set_selected_index(2);
    show_mode(core::ViewMode::settings);
    ASSERT_EQ(list().entries().size(), 4u);
    EXPECT_EQ(list().selected_index(), 0);
    list().set_selected_index(3);
    EXPECT_EQ(window->session().settings_page(), 3);

    show_mode(core::ViewMode::data);
    EXPECT_EQ(list().selected_index(), 2);
    EXPECT_EQ(window->session().section(), 2);
    EXPECT_EQ(window->session().settings_page(), 3);
}

TEST_F(LeftMenu, AStoredSectionPastTheEndIsKeptAndShowsNothing) {
    window->session().set_section(7);
    window->left_menu().RefreshMenuPanel();
    EXPECT_EQ(window->session().section(), 7);
    EXPECT_EQ(list().selected_index(), -1);
    EXPECT_EQ(panel().children().size(), 0u);
    window->session().set_section(-1);
    window->left_menu().RefreshMenuPanel();
    EXPECT_EQ(window->session().section(), 0);
    EXPECT_EQ(list().selected_index(), 0);
    EXPECT_TRUE(failures.messages.empty());
}

TEST(ListBox, SelectionEventsOnlyForChanges) {
    auto box = platform::ListBox::create();
    std::vector<int> raised;
    box->selection_changed.add(
        [&](platform::ListBox&, const int& index) { raised.push_back(index); });
    box->set_entries({{L"a"}, {L"b"}});
    box->set_selected_index(1);
    box->set_selected_index(1);  // no change, no event
    box->set_entries({{L"c"}});
    box->set_selected_index(5);  // out of range: no selection, nothing raised
    box->set_selected_index(0);
    box->set_selected_index(-7);
    EXPECT_EQ(raised, (std::vector<int>{1, -1, 0, -1}));
    EXPECT_EQ(box->selected_index(), -1);
}

}  // namespace
