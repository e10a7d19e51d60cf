// The print preview and the print view behind it: the print HTML goes into
// the print view, which prints it to PDF; the chosen pages with their
// footer are shown in the document view. Printing and saving as PDF take
// the print view's PDF from here too. Each run remembers the document it
// started on and stops quietly when another replaced it; a preview is shown
// only while it is the newest run and the save/print panel is showing.
// Runs take the print view one at a time, in the order they started.
// UI thread only; the session outlives the preview, and a run that resumes
// after the preview went touches nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "core/session.h"
#include "platform/document_output.h"
#include "platform/page_layout.h"
#include "platform/task.h"
#include "platform/web_view.h"
#include "ui/output/print_view_turns.h"

namespace ui {

class PrintPreview final {
public:
    // `main_view` shows the preview; `print_view` is loaded and printed.
    PrintPreview(core::session& session, std::shared_ptr<platform::WebView> main_view,
                 std::shared_ptr<platform::WebView> print_view);
    PrintPreview(const PrintPreview&) = delete;
    PrintPreview& operator=(const PrintPreview&) = delete;

    // The printer and PDF side of the system, made on first use unless one
    // was set.
    platform::DocumentOutput& Output();
    void set_output(std::shared_ptr<platform::DocumentOutput> output) {
        output_ = std::move(output);
    }

    // The print view loaded with the current print HTML, its images
    // waited for, and made into a PDF at the document's page layout;
    // nothing when the document went away meanwhile.
    struct PrintedView {
        platform::PdfBytes pdf;
        platform::PageLayout layout;
    };
    platform::Task<std::optional<PrintedView>> PrintViewPdfAsync(std::uint64_t started_on);
    platform::Task<> ShowPrintPreviewAsync();

    // Counts the previews started.
    std::uint64_t preview_runs() const { return preview_runs_; }

private:
    // Loads the current print HTML into the print view and waits for its
    // images; false when the document went away meanwhile. Only while the
    // caller holds a turn of the view.
    platform::Task<bool> LoadPrintViewAsync(std::uint64_t started_on);

    core::session& session_;
    std::shared_ptr<platform::WebView> main_view_;
    std::shared_ptr<platform::WebView> print_view_;
    std::shared_ptr<platform::DocumentOutput> output_;
    std::uint64_t preview_runs_ = 0;
    PrintViewTurns turns_;
    // Expires with the preview: a run that resumes later touches nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui
