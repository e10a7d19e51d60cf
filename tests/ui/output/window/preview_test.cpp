// The preview in the document view: what it prints, and which run may show.
#include "window/output_fixture.h"

namespace {

class Preview : public output_test::OutputWindowTest {
protected:
    bool view_shows(const std::wstring& text) {
        return main_view().scripts.back().find(text) != std::wstring::npos;
    }
};

TEST_F(Preview, ShowsTheChosenPagesWithTheFooterInAFrameOnThePaperOfThePageSetup) {
    auto window = template_window();
    window->session().output().print_pages = core::PrintPages::odd;
    window->session().formatting().margin_right = 10;
    output->pages = 5;
    window->print_preview().ShowPrintPreviewAsync();
    finish_pdf();
    ASSERT_EQ(output->composed.size(), 1u);
    EXPECT_EQ(output->composed[0].pages, (std::vector<int>{1, 3, 5}));
    EXPECT_FALSE(output->composed[0].footer.shown);
    ASSERT_EQ(output->published.size(), 1u);
    EXPECT_TRUE(view_shows(L"tembrick:preview/1.pdf#toolbar=0"));
    // The print view got the print HTML as an escaped literal.
    const auto& printed = preview_view().scripts;
    EXPECT_TRUE(
        printed.at(printed.size() - 2).starts_with(L"document.documentElement.innerHTML='"));
    ASSERT_EQ(output->pdf_layouts.size(), 1u);
    EXPECT_DOUBLE_EQ(output->pdf_layouts[0].right_in, 9 * 0.03935);
    EXPECT_DOUBLE_EQ(output->pdf_layouts[0].width_in, 210 * 0.03935);
}

TEST_F(Preview, AnOlderRunGivesWayToTheNewest) {
    auto window = template_window();
    window->print_preview().ShowPrintPreviewAsync();
    window->print_preview().ShowPrintPreviewAsync();
    const std::size_t before = main_view().scripts.size();
    // Both load the print view; only the newer one goes on to print.
    load_print_view();
    load_print_view();
    EXPECT_EQ(output->pdfs_waiting(), 1u);
    output->answer_pdf();
    pump();
    EXPECT_EQ(output->published.size(), 1u);
    EXPECT_EQ(main_view().scripts.size(), before + 1);
}

TEST_F(Preview, ARunWhoseDocumentWasReplacedOrWhosePanelClosedShowsNothing) {
    auto window = template_window();
    window->print_preview().ShowPrintPreviewAsync();
    load_print_view();
    window->session().set_mode(core::ViewMode::data);
    const std::size_t before = main_view().scripts.size();
    output->answer_pdf();
    pump();
    EXPECT_TRUE(output->published.empty());
    EXPECT_EQ(main_view().scripts.size(), before);

    window->session().set_mode(core::ViewMode::save_print);
    window->print_preview().ShowPrintPreviewAsync();
    window->OnWebMessageReceived(main_view(), L"Folder/Two|Words");
    window->session().set_mode(core::ViewMode::save_print);
    const std::size_t after_switch = main_view().scripts.size();
    preview_view().answer_next(L"true");
    pump();
    EXPECT_EQ(output->pdfs_waiting(), 0u);
    EXPECT_EQ(main_view().scripts.size(), after_switch);
}

TEST_F(Preview, AFailedPreviewSaysSoInTheView) {
    auto window = template_window();
    window->print_preview().ShowPrintPreviewAsync();
    finish_pdf({});  // the view made no PDF
    EXPECT_TRUE(view_shows(L"Preview unavailable"));

    output->compose_fails = true;
    window->print_preview().ShowPrintPreviewAsync();
    finish_pdf();
    EXPECT_TRUE(view_shows(L"Preview unavailable"));

    preview_view().fail_with = "view gone";
    const std::size_t before = main_view().scripts.size();
    window->print_preview().ShowPrintPreviewAsync();
    pump();
    ASSERT_EQ(main_view().scripts.size(), before + 1);
    EXPECT_TRUE(view_shows(L"Preview unavailable"));
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(Preview, ARunResumedAfterTheWindowWentTouchesNothing) {
    auto window = template_window();
    window->print_preview().ShowPrintPreviewAsync();
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print,
                                                platform::Panel::create());
    window.reset();
    preview_view().answer_next(L"true");
    preview_view().answer_next(L"true");
    pump();
    EXPECT_EQ(output->pdfs_waiting(), 0u);
}

}  // namespace
