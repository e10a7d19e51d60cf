// The pages of the save/print panel: their children in order and what each
// control changes.

#include "app/engine_services.h"
#include "engine/document/process_state.h"
#include "platform/button.h"
#include "window/output_fixture.h"

namespace {

using platform::Visibility;

template <class T>
T& child(platform::Panel& panel, std::size_t index) {
    auto* typed = dynamic_cast<T*>(panel.children().at(index).get());
    if (!typed) throw std::runtime_error("child " + std::to_string(index) + " is of another kind");
    return *typed;
}

std::wstring caption_of(platform::Panel& page, std::size_t header) {
    return child<platform::TextBlock>(child<platform::Panel>(page, header), 1).text();
}

class SavePrintPanel : public output_test::OutputWindowTest {
protected:
    std::unique_ptr<app::MainWindow> panel_window(std::int32_t page) {
        auto window = template_window();
        // A footer element, as the library's documents have.
        auto& setup = window->doc_data->page_setup.groups[0];
        setup.elements.resize(4);
        setup.element_count = 4;
        setup.elements[3].record.s1 = L"Sales agreement";
        window->save_print_page = page;
        window->BuildSavePrintPanel(*window->data_panel, page);
        return window;
    }
    std::size_t preview_starts() const { return views.at(1)->scripts.size(); }
};

TEST_F(SavePrintPanel, PrintPageCopiesAndPagesWithoutAPreviewForCopies) {
    auto window = panel_window(0);
    platform::Panel& page = *window->data_panel;
    ASSERT_EQ(page.children().size(), 7u);
    EXPECT_EQ(caption_of(page, 1), L"1 copy");
    const std::size_t starts = preview_starts();
    child<platform::Slider>(child<platform::Panel>(page, 2), 0).set_value(3);
    EXPECT_EQ(window->copies, 3);
    EXPECT_EQ(caption_of(page, 1), L"3 copies");
    EXPECT_EQ(preview_starts(), starts);

    auto& options = child<platform::Panel>(page, 3);
    EXPECT_TRUE(child<platform::RadioButton>(options, 0).is_checked());
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::collapsed);
    child<platform::RadioButton>(options, 3).click();
    EXPECT_EQ(window->print_pages, 3);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::visible);
    EXPECT_GT(preview_starts(), starts);  // the preview follows the choice
    child<platform::RadioButton>(options, 1).click();
    EXPECT_EQ(window->print_pages, 1);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::collapsed);

    // Built again with "selected pages" chosen, the list shows at once.
    window->print_pages = 3;
    window->BuildSavePrintPanel(page, 0);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::visible);

    // The page list is cleaned in its box; clearing it refreshes the preview.
    auto& box = child<platform::TextBox>(child<platform::Panel>(page, 4), 0);
    box.set_text(L"1 2, 1000");
    EXPECT_EQ(window->selected_pages, L"1,2,100");
    EXPECT_EQ(box.text(), L"1,2,100");
    const std::size_t before_clearing = preview_starts();
    box.set_text(L"");
    EXPECT_GT(preview_starts(), before_clearing);
}

TEST_F(SavePrintPanel, TheFooterBoxWritesTheDocumentAndRefreshesThePreview) {
    auto window = panel_window(0);
    auto& footer = child<platform::CheckBox>(*window->data_panel, 5);
    EXPECT_FALSE(footer.is_checked());
    const std::size_t starts = preview_starts();
    footer.click();
    EXPECT_EQ(app::footer_element(window->doc_data)->record.b, 1);
    EXPECT_TRUE(window->IsPageNumberInFooter());
    EXPECT_GT(preview_starts(), starts);
}

TEST_F(SavePrintPanel, SavePageFormatFolderNameAndOpening) {
    auto window = panel_window(1);
    platform::Panel& page = *window->data_panel;
    ASSERT_EQ(page.children().size(), 8u);
    const std::size_t starts = preview_starts();
    child<platform::RadioButton>(child<platform::Panel>(page, 1), 2).click();
    EXPECT_EQ(window->save_format, 2);
    EXPECT_EQ(preview_starts(), starts);  // a format causes no render

    auto& folder_row = child<platform::Panel>(page, 3);
    auto& folder_box = child<platform::TextBox>(folder_row, 0);
    child<platform::Button>(folder_row, 1).click();
    output->answer_folder(L"/home/user/Contracts");
    pump();
    EXPECT_EQ(window->save_folder, L"/home/user/Contracts");
    EXPECT_EQ(folder_box.text(), L"/home/user/Contracts");
    child<platform::Button>(folder_row, 1).click();
    output->answer_folder(std::nullopt);
    pump();
    EXPECT_EQ(window->save_folder, L"");
    EXPECT_EQ(folder_box.text(), L"");

    auto& name_box = child<platform::TextBox>(child<platform::Panel>(page, 5), 0);
    EXPECT_EQ(name_box.text(), L"Sales");
    name_box.set_text(L"Deal: final.PDF ");
    EXPECT_EQ(window->GetDocumentTitle(false), L"Deal final");

    child<platform::CheckBox>(page, 6).click();
    EXPECT_EQ(window->config.OpenDocAfterSaving, 0.0);
}

TEST_F(SavePrintPanel, LayoutPageRowsInOrderAndTheFontSizeWaitsForApply) {
    auto window = panel_window(2);
    window->formatting.margin_left = 0;
    window->formatting.body_top_padding = 20;
    window->BuildSavePrintPanel(*window->data_panel, 2);
    platform::Panel& page = *window->data_panel;
    ASSERT_EQ(page.children().size(), 21u);
    // A zero margin shows as its caption says but its slider stays within range.
    EXPECT_EQ(caption_of(page, 1), L"0 mm");
    EXPECT_EQ(child<platform::Slider>(child<platform::Panel>(page, 2), 0).value(), 1);

    const std::size_t main_scripts = main_view().scripts.size(), starts = preview_starts();
    child<platform::Slider>(child<platform::Panel>(page, 11), 0).set_value(14);
    EXPECT_EQ(caption_of(page, 10), L"14 pt");
    EXPECT_EQ(window->formatting.body_font_size, 14.0f);
    EXPECT_EQ(window->doc_data->pages.groups[0].elements[0].items[0].v[0], 14);
    EXPECT_EQ(main_view().scripts.size(), main_scripts);
    EXPECT_EQ(preview_starts(), starts);

    child<platform::AppBarButton>(child<platform::Panel>(page, 20), 1).click();
    EXPECT_GT(preview_starts(), starts);
}

TEST_F(SavePrintPanel, WithoutADocumentEveryPageIsEmpty) {
    auto window = started_window();
    window->OnWebMessageReceived(main_view(), L"No|Such|Document");
    for (std::int32_t page = 0; page < 3; ++page) {
        window->BuildSavePrintPanel(*window->data_panel, page);
        EXPECT_EQ(window->data_panel->children().size(), 0u);
    }
}

}  // namespace
