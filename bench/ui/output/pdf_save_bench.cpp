// Saving a ten-page contract with page numbers as PDF through the real web
// engine: the whole save from the click to "Document saved.", and the qpdf
// step alone (chosen pages kept, footers laid over them, written to memory).
// Run offscreen, as root without Chromium's sandbox:
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/test/bench/ui_output_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "app/open_document.h"
#include "bench_document.h"
#include "platform/qt/qt_platform.h"
#include "support/ten_page_contract.h"
#include "ui/output/page_selection.h"
#include "ui/output/print_view.h"

// Made in main, so the window goes before the application object.
app_test::OpenDocument* app_test::bench_document = nullptr;

namespace {

void SaveTenPagePdf(benchmark::State& state) {
    app::MainWindow& window = *app_test::bench_document->window;
    for (auto _ : state) {
        auto page = platform::Panel::create();
        const auto start = std::chrono::steady_clock::now();
        window.save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
        if (!app_test::wait_until([&] { return page->children().size() > 0; }) ||
            window.status_message().info_bar()->title() != L"Document saved.") {
            state.SkipWithError("the PDF was not saved");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(SaveTenPagePdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void ComposeTenPages(benchmark::State& state) {
    app::MainWindow& window = *app_test::bench_document->window;
    auto printing = window.print_preview().PrintViewPdfAsync(window.session().document_serial());
    if (!app_test::wait_until([&] { return printing.done(); })) {
        state.SkipWithError("the print view made no PDF");
        return;
    }
    const auto printed = printing.take();
    if (!printed) {
        state.SkipWithError("the print view made no PDF");
        return;
    }
    const auto pages = ui::chosen_pages(core::PrintPages::all, {},
                                        window.print_preview().Output().page_count(printed->pdf));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.print_preview().Output().compose(
            printed->pdf, pages, printed->layout, {true, L"Supply Contract No. 12"},
            ui::pdf_info(L"Ten Pages")));
    }
}
BENCHMARK(ComposeTenPages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    platform::register_url_scheme();
    QApplication application(argc, argv);
    platform::install_qt_services();
    benchmark::Initialize(&argc, argv);
    app_test::OpenDocument open(PAPERWRIGHT_BUILT_SHARE, "Ten Pages",
                                fixture::ten_page_contract_bytes());
    if (!open.ready()) return 1;
    app_test::bench_document = &open;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
