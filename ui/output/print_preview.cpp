#include "ui/output/print_preview.h"

#include <stdexcept>

#include "platform/js_string_literal.h"
#include "platform/timer.h"
#include "ui/output/open_document_names.h"
#include "ui/output/page_selection.h"
#include "ui/output/preview_page.h"
#include "ui/output/print_view.h"

namespace ui {

std::wstring replace_page_script(const std::wstring& html) {
    return L"document.documentElement.innerHTML='" + platform::js_string_literal(html) + L"';";
}

namespace {

// Image loads are given this long before the print goes ahead without them.
constexpr int image_wait_rounds = 100;
constexpr int image_wait_ms = 50;
constexpr int page_wait_rounds = 200;

}  // namespace

PrintPreview::PrintPreview(core::session& session, std::shared_ptr<platform::WebView> main_view,
                           std::shared_ptr<platform::WebView> print_view)
    : session_(session), main_view_(std::move(main_view)), print_view_(std::move(print_view)) {}

platform::DocumentOutput& PrintPreview::Output() {
    if (!output_) output_ = platform::make_document_output();
    return *output_;
}

platform::Task<bool> PrintPreview::LoadPrintViewAsync(std::uint64_t started_on) {
    // A view answers its pending scripts when it goes, which may be after the
    // preview went: nothing of it is touched then.
    const std::weak_ptr<int> alive = alive_;
    if (!session_.is_same_document(started_on)) co_return false;
    // Until the print view has its first page there is no document to fill;
    // the script answers true once it is filled.
    const std::wstring fill = replace_page_script(session_.paper_html()) + L"true";
    for (int round = 0;; ++round) {
        const std::wstring filled = co_await print_view_->execute_script_async(fill);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
        if (filled == L"true") break;
        if (round == page_wait_rounds) throw std::runtime_error("the print view has no page");
        co_await platform::delay(image_wait_ms);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
    }
    for (int round = 0; round < image_wait_rounds; ++round) {
        const std::wstring settled =
            co_await print_view_->execute_script_async(images_settled_script);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
        if (settled != L"false") break;
        co_await platform::delay(image_wait_ms);
        if (alive.expired() || !session_.is_same_document(started_on)) co_return false;
    }
    co_return true;
}

platform::Task<std::optional<PrintPreview::PrintedView>> PrintPreview::PrintViewPdfAsync(
    std::uint64_t started_on) {
    const std::weak_ptr<int> alive = alive_;
    const PrintViewTurns::Turn turn = co_await turns_.next();
    if (alive.expired()) co_return std::nullopt;
    const bool loaded = co_await LoadPrintViewAsync(started_on);
    if (alive.expired() || !loaded) co_return std::nullopt;
    PrintedView printed{{}, print_layout(session_.data(), margins_of(session_.formatting()))};
    printed.pdf = co_await Output().print_to_pdf(*print_view_, printed.layout);
    if (alive.expired() || !session_.is_same_document(started_on)) co_return std::nullopt;
    co_return printed;
}

platform::Task<> PrintPreview::ShowPrintPreviewAsync() {
    const std::weak_ptr<int> alive = alive_;
    const std::uint64_t run = ++preview_runs_;
    if (!session_.document()) co_return;
    const std::uint64_t started_on = session_.document_serial();
    auto still_wanted = [this, run, started_on] {
        return run == preview_runs_ && session_.is_same_document(started_on) &&
               session_.mode() == core::ViewMode::save_print;
    };
    std::wstring page;
    try {
        const PrintViewTurns::Turn turn = co_await turns_.next();
        // A run overtaken while it waited for the view is dropped.
        if (alive.expired() || !still_wanted()) co_return;
        const bool loaded = co_await LoadPrintViewAsync(started_on);
        if (alive.expired() || !loaded || !still_wanted()) co_return;
        const platform::PageLayout layout =
            print_layout(session_.data(), margins_of(session_.formatting()));
        const platform::PdfBytes all_pages = co_await Output().print_to_pdf(*print_view_, layout);
        if (alive.expired() || !still_wanted()) co_return;
        if (all_pages.empty()) throw std::runtime_error("the print view made no PDF");
        const int page_count = Output().page_count(all_pages);
        const core::output_choices& choices = session_.output();
        const auto pages = chosen_pages(choices.print_pages, choices.selected_pages, page_count);
        if (pages.empty()) {
            page = preview_no_pages_page();
        } else {
            platform::PdfBytes shown = Output().compose(
                all_pages, pages, layout, {IsPageNumberInFooter(session_), GetFooterText(session_)},
                pdf_info(GetDocumentTitle(session_, true)));
            page = preview_page(Output().publish_pdf(std::move(shown)));
        }
    } catch (...) {
        if (alive.expired()) co_return;
        page = preview_error_page();
    }
    if (!still_wanted()) co_return;
    main_view_->execute_script(replace_page_script(page));
}

}  // namespace ui
