// Every page choice against documents of 1, 2 and 23 pages: the print and
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

class PageChoice : public output_test::OutputWindowTest {
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

TEST_F(PageChoice, PrintAndPreviewKeepTheChosenPagesOrSayNoneIsInTheDocument) {
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

}  // namespace
