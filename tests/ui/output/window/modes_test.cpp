// The view-mode switches and the tool bar that marks the open mode.
#include "engine/document/process_state.h"
#include "window/output_fixture.h"

namespace {

using platform::Visibility;

class ViewModes : public output_test::OutputWindowTest {
protected:
    // Opens a template: nothing on the tool bar is marked.
    std::unique_ptr<app::MainWindow> template_window() {
        auto window = started_window();
        window->OnWebMessageReceived(main_view(), L"Agreements/Sales|Agreement");
        return window;
    }
};

TEST_F(ViewModes, PrintButtonOpensThePanelWithAPreviewAndClosesItToTheDocument) {
    auto window = template_window();
    EXPECT_FALSE(window->library_button->marked());
    window->print_button->click();
    EXPECT_EQ(window->mode, 3);
    EXPECT_TRUE(window->print_button->marked());
    EXPECT_EQ(window->save_button->visibility(), Visibility::collapsed);
    ASSERT_FALSE(preview_view().scripts.empty());  // the preview started

    const std::size_t before = main_view().scripts.size();
    window->print_button->click();
    EXPECT_EQ(window->mode, 0);
    EXPECT_FALSE(window->print_button->marked());
    // The document, scrolled to the top.
    ASSERT_EQ(main_view().scripts.size(), before + 2);
    EXPECT_NE(main_view().scripts.back().find(L"scrollTop=0"), std::wstring::npos);
}

TEST_F(ViewModes, MenuItemsSwitchPagesInsideTheOpenPanel) {
    auto window = template_window();
    window->OnPrintSaveMenuClick(0);
    EXPECT_EQ(window->mode, 3);
    const std::size_t previews = output->pdf_layouts.size() + preview_view().scripts.size();

    window->OnPrintSaveMenuClick(1);
    EXPECT_EQ(window->mode, 3);
    EXPECT_EQ(window->save_print_page, 1);
    EXPECT_EQ(window->print_button->visibility(), Visibility::collapsed);
    EXPECT_EQ(window->save_button->visibility(), Visibility::visible);
    EXPECT_TRUE(window->save_button->marked());
    EXPECT_EQ(output->pdf_layouts.size() + preview_view().scripts.size(), previews);  // no new preview

    window->OnPrintSaveMenuClick(1);  // the same page again closes the panel
    EXPECT_EQ(window->mode, 0);
    EXPECT_FALSE(window->save_button->marked());
    // Reopened from the visible Save button, on the save page.
    window->save_button->click();
    EXPECT_EQ(window->mode, 3);
    EXPECT_EQ(window->save_print_page, 1);
}

TEST_F(ViewModes, SettingsFromThePanelShowsTheDocumentKeepingTheScroll) {
    auto window = template_window();
    window->print_button->click();
    const std::size_t before = main_view().scripts.size();
    window->settings_button->click();
    EXPECT_EQ(window->mode, 1);
    EXPECT_TRUE(window->settings_button->marked());
    EXPECT_FALSE(window->print_button->marked());
    ASSERT_EQ(main_view().scripts.size(), before + 1);
    EXPECT_EQ(main_view().scripts.back().find(L"scrollTop=0"), std::wstring::npos);
    window->settings_button->click();
    EXPECT_EQ(window->mode, 0);
    EXPECT_FALSE(window->settings_button->marked());
}

TEST_F(ViewModes, TheLibraryIsMarkedInTheDataMode) {
    auto window = started_window();
    ASSERT_TRUE(engine::library_shown);
    window->UpdateToolbarState();
    EXPECT_TRUE(window->library_button->marked());
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->mode, 2);
    EXPECT_FALSE(window->library_button->marked());
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->mode, 0);
}

TEST_F(ViewModes, LeavingThePreviewForTextEditingShowsTheDocument) {
    auto window = template_window();
    window->print_button->click();
    const std::size_t before = main_view().scripts.size();
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->mode, 2);
    EXPECT_EQ(main_view().scripts.size(), before + 2);
}

TEST_F(ViewModes, ADocumentThatDidNotLoadHasNoSettingsAndNoPrint) {
    auto window = started_window();
    window->OnWebMessageReceived(main_view(), L"No|Such|Document");
    ASSERT_FALSE(window->HasLoadedDocument());
    window->settings_button->click();
    window->print_button->click();
    window->OnPrintSaveMenuClick(1);
    EXPECT_EQ(window->mode, 0);
    EXPECT_EQ(window->save_print_page, 0);
    window->ToggleTextEditAsync();
    EXPECT_EQ(window->mode, 2);
}

}  // namespace
