// A window on fake views with a fake document output, and the steps that
// take a print of it through the print view.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/controls.h"
#include "platform/fake/fake_document_output.h"
#include "platform/panel.h"
#include "window/window_fixture.h"

namespace output_test {

// The child at `index` of a panel, of the kind the test expects.
template <class T = platform::Panel>
T& child(platform::Panel& panel, std::size_t index) {
    auto* typed = dynamic_cast<T*>(panel.children().at(index).get());
    if (!typed) throw std::runtime_error("child " + std::to_string(index) + " is of another kind");
    return *typed;
}

// The value caption of the row header at `header`.
inline std::wstring caption_of(platform::Panel& page, std::size_t header) {
    return child<platform::TextBlock>(child(page, header), 1).text();
}

class OutputWindowTest : public app_test::WindowTest {
protected:
    std::unique_ptr<app::MainWindow> started_window() {
        auto window = make_window();
        show_first_page();
        window->print_preview().set_output(output);
        return window;
    }
    // A window showing a template, in the save/print mode unless `panel` is false.
    std::unique_ptr<app::MainWindow> template_window(bool panel = true) {
        auto window = started_window();
        window->OnWebMessageReceived(main_view(), L"Agreements/Sales|Agreement");
        if (panel) window->session().set_mode(core::ViewMode::save_print);
        return window;
    }
    // Runs posted work until none is left: a finished task resumes its
    // awaiting coroutine on a later turn, which may finish another.
    static void pump() {
        for (int turn = 0; turn < 20; ++turn) QCoreApplication::processEvents();
    }
    // Answers the print view: the page went in, its images settled.
    void load_print_view() {
        for (int answer = 0; answer < 2; ++answer) {
            preview_view().answer_next(L"true");
            pump();
        }
    }
    // The print view's page, then its PDF.
    void finish_pdf(platform::PdfBytes pdf = {'%', 'P', 'D', 'F'}) {
        load_print_view();
        output->answer_pdf(std::move(pdf));
        pump();
    }

    std::shared_ptr<platform::FakeDocumentOutput> output =
        std::make_shared<platform::FakeDocumentOutput>();
};

// `count` pages of A4 with a line of text each ("Body of page 2"), as a
// print of the web engine would be.
platform::PdfBytes text_pages(int count);

// The fake answers for the web engine, the preview and the dialogs; the real
// output keeps pages, lays footers over them, prints and opens saved files.
class PartlyRealOutput final : public platform::DocumentOutput {
public:
    explicit PartlyRealOutput(platform::FakeDocumentOutput& fake,
                              platform::PrinterSource printers = platform::default_printer_source())
        : fake_(fake), real_(platform::make_document_output(std::move(printers))) {}

    platform::Task<platform::PdfBytes> print_to_pdf(platform::WebView& view,
                                                    const platform::PageLayout& layout) override {
        return fake_.print_to_pdf(view, layout);
    }
    int page_count(const platform::PdfBytes& pdf) override { return real_->page_count(pdf); }
    platform::PdfBytes compose(const platform::PdfBytes& pdf, const std::vector<int>& pages,
                               const platform::PageLayout& layout,
                               const platform::PageFooter& footer,
                               const platform::PdfInfo& info) override {
        return real_->compose(pdf, pages, layout, footer, info);
    }
    platform::PrinterStatus printer_status() override { return real_->printer_status(); }
    platform::PrintResult print(const platform::PdfBytes& pdf, const std::vector<int>& pages,
                                const platform::PageLayout& layout,
                                const platform::PageFooter& footer, int copies,
                                const platform::PdfInfo& info) override {
        return real_->print(pdf, pages, layout, footer, copies, info);
    }
    std::wstring publish_pdf(platform::PdfBytes pdf) override {
        return fake_.publish_pdf(std::move(pdf));
    }
    platform::Task<bool> open_file(const std::wstring& path) override {
        return real_->open_file(path);
    }
    platform::Task<std::optional<std::wstring>> pick_folder(const std::wstring& start) override {
        return fake_.pick_folder(start);
    }
    platform::Task<std::optional<std::wstring>> pick_image_file(
        const std::vector<std::wstring>& extensions) override {
        return fake_.pick_image_file(extensions);
    }
    std::wstring documents_folder() override { return fake_.documents_folder(); }

private:
    platform::FakeDocumentOutput& fake_;
    std::shared_ptr<platform::DocumentOutput> real_;
};

}  // namespace output_test
