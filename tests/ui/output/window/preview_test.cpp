// The preview in the document view: what it prints, and which run may show;
// every page choice against documents of 1, 2 and 23 pages: the print and
// the preview keep the same pages, and a choice that leaves none prints and
// previews nothing and says so.
#include <string>
#include <vector>

#include "window/output_fixture.h"

namespace {

using core::PrintPages;
using Pages = std::vector<int>;

Pages from_to(int first, int last, int step = 1) {
    Pages pages;
    for (int page = first; page <= last; page += step) pages.push_back(page);
    return pages;
}

struct Choice {
    int document_pages;
    PrintPages pages;
    std::wstring list;
    Pages kept;  // empty: none of the chosen pages is in the document
};

// clang-format off
const Choice choices[] = {
    {1, PrintPages::all, L"", {1}},
    {1, PrintPages::odd, L"", {1}},
    {1, PrintPages::even, L"", {}},
    {1, PrintPages::selected, L"", {1}},
    {1, PrintPages::selected, L"5", {}},
    {1, PrintPages::selected, L"1-3", {1}},
    {2, PrintPages::even, L"", {2}},
    {2, PrintPages::selected, L"3-4, 0", {}},
    {2, PrintPages::selected, L",", {1, 2}},
    {23, PrintPages::all, L"5", from_to(1, 23)},
    {23, PrintPages::odd, L"", from_to(1, 23, 2)},
    {23, PrintPages::even, L"", from_to(2, 22, 2)},
    {23, PrintPages::selected, L"1, 3 5-6", {1, 3, 5, 6}},
    {23, PrintPages::selected, L"20-", {20, 21, 22, 23}},
    {23, PrintPages::selected, L"9-3", {}},
};
// clang-format on

class Preview : public output_test::OutputWindowTest {
protected:
    void SetUp() override {
        OutputWindowTest::SetUp();
        window = template_window();
    }
    void choose(const Choice& choice) {
        output->pages = choice.document_pages;
        window->session().output().print_pages = choice.pages;
        window->session().output().selected_pages = choice.list;
    }
    std::wstring message() const { return window->status_message().info_bar()->title(); }
    bool view_shows(const std::wstring& text) {
        return main_view().scripts.back().find(text) != std::wstring::npos;
    }

    std::unique_ptr<app::MainWindow> window;
    std::shared_ptr<platform::Panel> page = platform::Panel::create();
};

TEST_F(Preview, PrintAndPreviewKeepTheChosenPagesOrSayNoneIsInTheDocument) {
    for (const Choice& choice : choices) {
        const auto at = testing::Message() << "case " << &choice - choices;
        choose(choice);
        output->printed.clear();
        output->composed.clear();
        output->published.clear();
        window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
        finish_pdf();
        window->print_preview().ShowPrintPreviewAsync();
        finish_pdf();
        if (choice.kept.empty()) {
            EXPECT_TRUE(output->printed.empty()) << at;
            EXPECT_EQ(message(), L"None of the chosen pages is in the document.") << at;
            EXPECT_EQ(window->status_message().info_bar()->severity(), 0) << at;
            EXPECT_TRUE(output->published.empty()) << at;
            EXPECT_TRUE(view_shows(L">None of the chosen pages is in the document.<")) << at;
        } else {
            ASSERT_EQ(output->printed.size(), 1u) << at;
            EXPECT_EQ(output->printed[0].pages, choice.kept) << at;
            EXPECT_EQ(message(), L"Now printing the document") << at;
            ASSERT_EQ(output->composed.size(), 1u) << at;
            EXPECT_EQ(output->composed[0].pages, choice.kept) << at;
            EXPECT_TRUE(view_shows(L"tembrick:preview/1.pdf#toolbar=0")) << at;
        }
    }
    core::current_language = 1;
    choose(choices[2]);
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    finish_pdf();
    EXPECT_EQ(message(), L"В документе нет ни одной из выбранных страниц.");
    window->print_preview().ShowPrintPreviewAsync();
    finish_pdf();
    EXPECT_TRUE(view_shows(L">В документе нет ни одной из выбранных страниц.<"));
}

TEST_F(Preview, ShowsTheChosenPagesWithTheFooterInAFrameOnThePaperOfThePageSetup) {
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
    window->print_preview().ShowPrintPreviewAsync();
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print,
                                                platform::Panel::create());
    window.reset();
    // The print waited for the preview's turn of the print view.
    for (int answer = 0; answer < 2 && preview_view().waiting() > 0; ++answer) {
        preview_view().answer_next(L"true");
        pump();
    }
    EXPECT_EQ(preview_view().waiting(), 0u);
    EXPECT_EQ(output->pdfs_waiting(), 0u);
}

}  // namespace
