// The print preview: the print HTML goes into the print view, which prints
// it to PDF; the chosen pages with their footer are shown in the document
// view. Each run remembers the document it started on and shows its result
// only while it is the newest run, that document is still open and the
// save/print panel is still showing.
#include <stdexcept>

#include "app/main_window.h"
#include "platform/js_string_literal.h"
#include "ui/output/document_names.h"
#include "ui/output/page_selection.h"
#include "ui/output/preview_page.h"
#include "ui/output/print_view.h"

namespace ui {

std::wstring replace_page_script(const std::wstring& html) {
    return L"document.documentElement.innerHTML='" + platform::js_string_literal(html) + L"';";
}

}  // namespace ui

namespace app {

namespace {

// Image loads are given this long before the print goes ahead without them.
constexpr int image_wait_rounds = 100;
constexpr int image_wait_ms = 50;
constexpr int page_wait_rounds = 200;

}  // namespace

platform::DocumentOutput& MainWindow::Output() {
    if (!output) output = platform::make_document_output();
    return *output;
}

platform::Task<bool> MainWindow::LoadPrintViewAsync(std::uint64_t started_on) {
    // A view answers its pending scripts when it goes, which may be after the
    // window went: nothing of the window is touched then.
    const std::weak_ptr<int> alive = output_alive;
    if (!session_.is_same_document(started_on)) co_return false;
    pending_html = session_.print_html();
    // Until the print view has its first page there is no document to fill;
    // the script answers true once it is filled.
    const std::wstring fill = ui::replace_page_script(pending_html) + L"true";
    for (int round = 0;; ++round) {
        const std::wstring filled = co_await preview_webview->execute_script_async(fill);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
        if (filled == L"true") break;
        if (round == page_wait_rounds) throw std::runtime_error("the print view has no page");
        co_await platform::delay(image_wait_ms);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
    }
    for (int round = 0; round < image_wait_rounds; ++round) {
        const std::wstring settled = co_await preview_webview->execute_script_async(ui::images_settled_script);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
        if (settled != L"false") break;
        co_await platform::delay(image_wait_ms);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
    }
    co_return true;
}

platform::Task<std::optional<MainWindow::PrintedView>> MainWindow::PrintViewPdfAsync(std::uint64_t started_on) {
    const std::weak_ptr<int> alive = output_alive;
    const bool loaded = co_await LoadPrintViewAsync(started_on);
    if (alive.expired() || !loaded) co_return std::nullopt;
    PrintedView printed{{},
                        ui::print_layout(session_.data(), ui::margins_of(session_.formatting()))};
    printed.pdf = co_await Output().print_to_pdf(*preview_webview, printed.layout);
    if (alive.expired() || !session_.is_same_document(started_on)) co_return std::nullopt;
    co_return printed;
}

platform::Task<> MainWindow::ShowPrintPreviewAsync() {
    const std::weak_ptr<int> alive = output_alive;
    const std::uint64_t run = ++preview_runs;
    if (!session_.document()) co_return;
    const std::uint64_t started_on = session_.document_serial();
    auto still_wanted = [this, run, started_on] {
        return run == preview_runs && session_.is_same_document(started_on) &&
               session_.mode() == core::ViewMode::save_print;
    };
    std::wstring page;
    try {
        const bool loaded = co_await LoadPrintViewAsync(started_on);
        if (alive.expired() || !loaded || !still_wanted()) co_return;
        const platform::PageLayout layout =
            ui::print_layout(session_.data(), ui::margins_of(session_.formatting()));
        const platform::PdfBytes all_pages = co_await Output().print_to_pdf(*preview_webview, layout);
        if (alive.expired() || !still_wanted()) co_return;
        if (all_pages.empty()) throw std::runtime_error("the print view made no PDF");
        const int page_count = Output().page_count(all_pages);
        const core::output_choices& choices = session_.output();
        const auto pages =
            ui::chosen_pages(choices.print_pages, choices.selected_pages, page_count);
        platform::PdfBytes shown =
            Output().compose(all_pages, pages, layout, {IsPageNumberInFooter(), GetFooterText()},
                             ui::pdf_info(GetDocumentTitle(true)));
        page = ui::preview_page(Output().publish_pdf(std::move(shown)));
    } catch (...) {
        if (alive.expired()) co_return;
        page = ui::preview_error_page();
    }
    if (!still_wanted()) co_return;
    main_webview->execute_script(ui::replace_page_script(page));
}

}  // namespace app
