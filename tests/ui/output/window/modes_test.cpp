// The view-mode switches and the tool bar that marks the open mode.
#include "window/output_fixture.h"

namespace {

using platform::Visibility;

using ViewModes = output_test::OutputWindowTest;

TEST_F(ViewModes, PrintButtonAndMenuItemsOpenSwitchAndCloseThePanel) {
    auto window = template_window(false);
    EXPECT_FALSE(window->elements().library_button->marked());
    window->elements().print_button->click();
    EXPECT_EQ(window->session().mode(), core::ViewMode::save_print);
    EXPECT_TRUE(window->elements().print_button->marked());
    EXPECT_EQ(window->elements().save_button->visibility(), Visibility::collapsed);
    ASSERT_FALSE(preview_view().scripts.empty());  // the preview started
    const std::size_t previews = preview_view().scripts.size();

    window->OnPrintSaveMenuClick(core::SavePrintPage::save);
    EXPECT_EQ(window->session().mode(), core::ViewMode::save_print);
    EXPECT_EQ(window->elements().print_button->visibility(), Visibility::collapsed);
    EXPECT_TRUE(window->elements().save_button->marked());
    EXPECT_EQ(preview_view().scripts.size(), previews);  // no new preview

    const std::size_t before = main_view().scripts.size();
    window->OnPrintSaveMenuClick(
        core::SavePrintPage::save);  // the same page again closes the panel
    EXPECT_EQ(window->session().mode(), core::ViewMode::data);
    EXPECT_FALSE(window->elements().save_button->marked());
    // The document, scrolled to the top.
    ASSERT_EQ(main_view().scripts.size(), before + 2);
    EXPECT_NE(main_view().scripts.back().find(L"scrollTop=0"), std::wstring::npos);
    // Reopened from the visible Save button, on the save page.
    window->elements().save_button->click();
    EXPECT_EQ(window->session().mode(), core::ViewMode::save_print);
    EXPECT_EQ(window->session().save_print_page(), core::SavePrintPage::save);
}

TEST_F(ViewModes, SettingsOrTextEditingFromThePanelShowTheDocument) {
    auto window = template_window(false);
    window->elements().print_button->click();
    std::size_t before = main_view().scripts.size();
    window->elements().settings_button->click();
    EXPECT_EQ(window->session().mode(), core::ViewMode::settings);
    EXPECT_TRUE(window->elements().settings_button->marked());
    EXPECT_FALSE(window->elements().print_button->marked());
    // Keeping the scroll.
    ASSERT_EQ(main_view().scripts.size(), before + 1);
    window->elements().settings_button->click();
    EXPECT_EQ(window->session().mode(), core::ViewMode::data);

    window->elements().print_button->click();
    before = main_view().scripts.size();
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->session().mode(), core::ViewMode::text_edit);
    EXPECT_EQ(main_view().scripts.size(), before + 2);
}

TEST_F(ViewModes, ADocumentThatDidNotLoadHasNoSettingsAndNoPrint) {
    auto window = started_window();
    window->OnWebMessageReceived(main_view(), L"No|Such|Document");
    ASSERT_FALSE(window->HasLoadedDocument());
    window->elements().settings_button->click();
    window->elements().print_button->click();
    window->OnPrintSaveMenuClick(core::SavePrintPage::save);
    EXPECT_EQ(window->session().mode(), core::ViewMode::data);
    EXPECT_EQ(window->session().save_print_page(), core::SavePrintPage::print);
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->session().mode(), core::ViewMode::text_edit);
}

}  // namespace
