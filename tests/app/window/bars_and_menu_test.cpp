// The main menu, the bar switches, the pane sliders and the captions.
#include <gtest/gtest.h>

#include "platform/menu_flyout.h"
#include "window/window_fixture.h"

namespace {

using core::SavePrintPage;
using core::ViewMode;
using platform::Visibility;

class BarsAndMenu : public app_test::WindowTest {
protected:
    std::shared_ptr<platform::MenuFlyoutItem> item_of_open_menu(app::MainWindow& window,
                                                                std::size_t position) {
        platform::Element& button = *window.elements().menu_button;
        button.events().tapped.raise(button, {});
        auto menu = platform::MenuFlyout::open_menu();
        if (!menu) return nullptr;
        auto item = std::dynamic_pointer_cast<platform::MenuFlyoutItem>(menu->items().at(position));
        menu->hide();
        pump();
        return item;
    }
    void close(app::MainWindow& window) { window.elements().window->close(); }
};

TEST_F(BarsAndMenu, HidingTheToolBarNamesTheDocumentInTheTitleAndLastsAcrossARestart) {
    {
        auto window = make_window();
        window->ToggleLibrary();  // the last document: Sales Agreement
        choose(*window, 6);
        const auto& e = window->elements();
        EXPECT_EQ(e.toolbar_panel->visibility(), Visibility::collapsed);
        EXPECT_EQ(e.title_bar_grid->height(), 32);
        EXPECT_EQ(e.logo_short->visibility(), Visibility::visible);
        EXPECT_EQ(e.title_text->text(), L"Paperwright  \u2022  Sales Agreement");
        EXPECT_EQ(e.window->title(), e.title_text->text());
        EXPECT_EQ(window->session().config().ToolBarShow, 0.0);
        EXPECT_TRUE(item_of_open_menu(*window, 6)->icon.empty());  // no check mark now
        // Opening another document renames it.
        window->ToggleLibrary();
        EXPECT_EQ(e.title_text->text(), L"Paperwright  \u2022  Library");
        close(*window);
    }
    EXPECT_TRUE(core_test::file_contains(data_file(L"tembrick.ini"), u"ToolBarShow:\t\t0.000000"));
    auto window = make_window();
    EXPECT_FALSE(window->toolbar_shown());
    EXPECT_EQ(window->elements().title_text->text(), L"Paperwright  \u2022  Library");
    choose(*window, 6);
    EXPECT_EQ(window->elements().title_text->text(), L"Paperwright");
    EXPECT_EQ(window->elements().title_bar_grid->height(), 48);
    EXPECT_EQ(window->session().config().ToolBarShow, 1.0);
}

TEST_F(BarsAndMenu, TheStatusBarSwitchTouchesOnlyTheStatusBarAndLastsAcrossARestart) {
    {
        auto window = make_window();
        ASSERT_EQ(window->elements().status_bar_grid->visibility(), Visibility::visible);
        EXPECT_EQ(window->elements().status_text->text(), L"Library");  // the page has no sections
        choose(*window, 7);
        EXPECT_EQ(window->elements().status_bar_grid->visibility(), Visibility::collapsed);
        EXPECT_EQ(window->session().config().StatusBarShow, 0.0);
        EXPECT_EQ(window->elements().title_text->text(), L"Paperwright");
        EXPECT_TRUE(window->toolbar_shown());
        close(*window);
    }
    auto window = make_window();
    EXPECT_EQ(window->elements().status_bar_grid->visibility(), Visibility::collapsed);
    EXPECT_TRUE(item_of_open_menu(*window, 7)->icon.empty());
}

TEST_F(BarsAndMenu, TheMenuReachesEveryModeAndItsPrintAndSaveSwitchPagesInsideTheOpenPanel) {
    auto window = make_window();
    choose(*window, 0);  // Library: from the library page, the last document
    EXPECT_EQ(window->session().document()->path,
              data_text(L"briks/Agreements/Sales Agreement.brik"));
    EXPECT_EQ(window->elements().status_text->text(), L"Agreements  \u2022  Sales Agreement");
    choose(*window, 1);
    EXPECT_EQ(window->session().mode(), ViewMode::settings);
    choose(*window, 3);
    EXPECT_EQ(window->session().mode(), ViewMode::save_print);
    EXPECT_EQ(window->session().save_print_page(), SavePrintPage::print);
    choose(*window, 4);  // the other page: the panel stays open
    EXPECT_EQ(window->session().mode(), ViewMode::save_print);
    EXPECT_EQ(window->session().save_print_page(), SavePrintPage::save);
    choose(*window, 4);
    EXPECT_EQ(window->session().mode(), ViewMode::data);
    EXPECT_TRUE(failures.messages.empty());

    // The pointer went from the button into the menu: the button shows no
    // hover once the menu closed, whether an item was chosen or not.
    platform::Element& button = *window->elements().menu_button;
    const platform::Brush away = button.background();
    button.events().pointer_entered.raise(button, {});
    ASSERT_NE(button.background(), away);
    button.events().tapped.raise(button, {});
    platform::MenuFlyout::open_menu()->hide();
    pump();
    EXPECT_EQ(button.background(), away);
}

TEST_F(BarsAndMenu, SliderWidthsAreKeptAndStoredOnesOutsideTheirRangeAreHeldToIt) {
    constexpr auto menu_pane = platform::PaneRow::Place::start_pane;
    constexpr auto data_pane = platform::PaneRow::Place::end_pane;
    {
        auto window = make_window();
        window->elements().data_pane_slider->set_value(600);
        EXPECT_EQ(window->elements().pane_row->open_width(data_pane), 600);
        close(*window);
    }
    EXPECT_TRUE(
        core_test::file_contains(data_file(L"tembrick.ini"), u"DataPanelWidth:\t\t600.000000"));
    write_settings({u"MenuPanelWidth:\t\t100.000000", u"DataPanelWidth:\t\t0.000000"});
    auto window = make_window();
    EXPECT_EQ(window->elements().pane_row->open_width(menu_pane), 150);
    EXPECT_EQ(window->session().config().MenuPanelWidth, 150);
    // A width of 0 would hide the pane: the default stands, and the setting
    // takes it for the next write.
    EXPECT_EQ(window->elements().pane_row->open_width(data_pane), 480);
    EXPECT_EQ(window->elements().data_pane_slider->value(), 480);
    EXPECT_EQ(window->session().config().DataPanelWidth, 480);
    window->elements().menu_pane_slider->set_value(9999);
    EXPECT_EQ(window->session().config().MenuPanelWidth, 450);
}

}  // namespace
