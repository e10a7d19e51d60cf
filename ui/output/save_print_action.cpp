// The action button of the save/print panel: print on the default printer,
// save as PDF, DOC or HTML, or refresh the preview. Printing and PDF saving
// first load the current print HTML; every outcome is shown in the status
// bar below the button, and a run whose document was replaced stops quietly.
#include <algorithm>
#include <stdexcept>

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "core/stale_saves.h"
#include "platform/timer.h"
#include "ui/output/file_writer.h"
#include "ui/output/open_document_names.h"
#include "ui/output/outcome_messages.h"
#include "ui/output/page_selection.h"
#include "ui/output/print_view.h"
#include "ui/output/save_print_panel.h"
#include "ui/output/save_target.h"
#include "ui/output/word_export.h"

namespace ui {

namespace {

// Clears the flag however the print ends, unless the panel (and the flag)
// went first.
class PrintRun {
public:
    PrintRun(bool& flag, std::weak_ptr<int> alive) : flag_(flag), alive_(std::move(alive)) {
        flag_ = true;
    }
    ~PrintRun() {
        if (!alive_.expired()) flag_ = false;
    }
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

private:
    bool& flag_;
    std::weak_ptr<int> alive_;
};

output_outcome outcome_of(platform::PrintResult result) {
    switch (result) {
        case platform::PrintResult::printed: return output_outcome::printing;
        case platform::PrintResult::no_printer: return output_outcome::no_printer;
        case platform::PrintResult::failed: break;
    }
    return output_outcome::print_failed;
}

int whole_copies(double copies) {
    if (!(copies >= 1)) return 1;
    return int(std::min(copies, 10.0));
}

}  // namespace

platform::FireAndForget SavePrintPanel::SaveOrPrintAsync(
    SavePrintAction action, std::shared_ptr<platform::Panel> page_panel) {
    if (action == SavePrintAction::refresh_preview) {
        preview_.ShowPrintPreviewAsync();
        co_return;
    }
    if ((action != SavePrintAction::print && action != SavePrintAction::save) ||
        !session_.has_loaded_document())
        co_return;
    const std::uint64_t started_on = session_.document_serial();
    core::output_choices& choices = session_.output();
    // Checked after every wait, before anything of the panel is touched.
    const std::weak_ptr<int> alive = alive_;
    auto report = [this, &page_panel](output_outcome outcome) {
        const status_message message = message_for(outcome);
        if (page_panel)
            status_.ShowStatusMessage(*page_panel, core::ui_string(message.row), message.severity);
    };
    bool replaced = false;
    auto print_pages = [this, &choices](const platform::PdfBytes& pdf,
                                        const std::vector<int>& pages,
                                        const platform::PageLayout& layout) {
        return preview_.Output().print(
            pdf, pages, layout, {IsPageNumberInFooter(session_), GetFooterText(session_)},
            whole_copies(choices.copies), pdf_info(GetDocumentTitle(session_, true)));
    };

    if (action == SavePrintAction::print) {
        if (print_in_progress_) {
            report(output_outcome::print_busy);
            co_return;
        }
        PrintRun run(print_in_progress_, alive);
        output_outcome outcome = output_outcome::print_failed;
        try {
            const auto printed = co_await preview_.PrintViewPdfAsync(started_on);
            if (alive.expired()) co_return;
            if (!printed || !session_.is_same_document(started_on)) {
                replaced = true;
            } else if (!printed->pdf.empty()) {
                const platform::PdfBytes& pdf = printed->pdf;
                const auto pages = chosen_pages(choices.print_pages, choices.selected_pages,
                                                preview_.Output().page_count(pdf));
                const platform::PrinterStatus printer =
                    pages.empty() ? platform::PrinterStatus{} : preview_.Output().printer_status();
                if (pages.empty()) {
                    outcome = output_outcome::no_pages;
                } else if (!printer.available()) {
                    outcome = output_outcome::no_printer;
                } else if (!printer.has_driver) {
                    // Shown before the job, which may take a while to draw, and
                    // kept after it: the job went, but may not come out.
                    report(output_outcome::no_driver);
                    co_await platform::delay(0);
                    if (alive.expired()) co_return;
                    replaced = !session_.is_same_document(started_on);
                    if (!replaced) {
                        outcome = outcome_of(print_pages(pdf, pages, printed->layout));
                        if (outcome == output_outcome::printing)
                            outcome = output_outcome::no_driver;
                    }
                } else {
                    outcome = outcome_of(print_pages(pdf, pages, printed->layout));
                }
            }
        } catch (...) {
            outcome = output_outcome::print_failed;
        }
        if (!replaced) report(outcome);
        co_return;
    }

    // Saving.
    std::wstring& save_folder = choices.save_folder;
    while (!save_folder.empty() && (save_folder.back() == L' ' || save_folder.back() == L'\t' ||
                                    save_folder.back() == L'\n' || save_folder.back() == L'\r')) {
        save_folder.pop_back();
    }
    std::wstring fallback_folder = preview_.Output().documents_folder();
    if (fallback_folder.empty()) fallback_folder = session_.folders().temp_folder;
    const core::SaveFormat format = choices.save_format;
    const auto path =
        save_path(save_folder, fallback_folder, GetDocumentTitle(session_, true), format);
    if (!path) co_return;
    // A save cut short in this folder (a kill, a power loss) left its
    // temporary file there; the folder is swept before it takes another.
    core::remove_stale_saves_in(path->substr(0, path->rfind(L'/') + 1));
    const bool open_afterwards = choices.open_after_saving;
    bool saved = false;
    try {
        if (format == core::SaveFormat::pdf) {
            const auto printed = co_await preview_.PrintViewPdfAsync(started_on);
            if (alive.expired()) co_return;
            if (!printed || !session_.is_same_document(started_on)) {
                replaced = true;
            } else {
                const platform::PdfBytes& pdf = printed->pdf;
                if (pdf.empty()) throw std::runtime_error("the print view made no PDF");
                const auto pages =
                    chosen_pages(core::PrintPages::all, {}, preview_.Output().page_count(pdf));
                const platform::PdfBytes file = preview_.Output().compose(
                    pdf, pages, printed->layout,
                    {IsPageNumberInFooter(session_), GetFooterText(session_)},
                    pdf_info(GetDocumentTitle(session_, true)));
                write_file_atomically(
                    *path,
                    std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
                saved = true;
            }
        } else {
            const std::string bytes =
                format == core::SaveFormat::doc
                    ? word_file_bytes(word_file_text(core::page_setup_root(session_.data()),
                                                     [this] { return session_.word_html(); }))
                    : utf8_of(session_.print_html());
            write_file_atomically(*path, bytes);
            saved = true;
        }
    } catch (...) {
        if (alive.expired()) co_return;
        saved = false;
    }
    if (replaced) co_return;
    report(saved ? output_outcome::saved : output_outcome::save_failed);
    if (!saved || !open_afterwards) co_return;
    bool opened = false;
    try {
        opened = co_await preview_.Output().open_file(*path);
    } catch (...) {
    }
    if (alive.expired()) co_return;
    // The file is saved either way; the warning follows the saved outcome.
    if (!opened) report(output_outcome::not_opened);
}

}  // namespace ui
