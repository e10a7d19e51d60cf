// The document views and closing the window.
#include "app/main_window.h"
#include "core/interface_texts.h"
#include "engine/text/utf16.h"
#include "platform/failure.h"

namespace app {

void MainWindow::OnWebViewInitialized(platform::WebView& sender) { sender.apply_settings(); }

void MainWindow::OnPdfViewInitialized(platform::WebView& sender) { sender.apply_settings(); }

void MainWindow::OnWebViewNavigationCompleted(platform::WebView& sender) {
    sender.apply_settings();
    if (first_page_shown_ || !session_.document() || session_.mode() == core::ViewMode::save_print)
        return;
    session_.apply_zoom();
    first_page_shown_ = true;
    // By script, as every later page: a page passed as a whole has a size limit.
    RenderDocumentAsync(false);
}

void MainWindow::OnWebViewGotFocus() { elements_.focus_panel->focus(); }

bool MainWindow::ToldAtRefusedClose() const {
    return close_refused_ && close_refused_->document_serial == session_.document_serial() &&
           close_refused_->content == session_.content();
}

void MainWindow::OnWindowClosing(const platform::WindowClosing& request) {
    // Told already, and nothing typed since, or nobody to ask: this close
    // goes through.
    if (closing_unasked_ || ToldAtRefusedClose()) return;
    // A read-only library loses only the stored section: nothing to say.
    const std::error_code failure = session_.write_back();
    if (!failure || !session_.has_changes()) return;
    // Shown while the window is still there, so the values can still be
    // saved as a file or copied.
    request.cancel = true;
    close_refused_ = RefusedClose{session_.document_serial(), session_.content()};
    platform::report_failure_message(
        engine::to_utf8(core::changes_not_saved(session_.document()->path, failure)));
}

void MainWindow::OnWindowClosed() {
    // Each step runs even when an earlier one failed: the settings are always
    // written and the temporary folder always emptied.
    CancelWriteBack();
    try {
        // Unchanged bytes are not written again. The user was told at the
        // refused close, or is told here when closing asked nobody; ended
        // unasked, the status bar's note is all.
        const std::error_code failure = session_.write_back();
        if (failure && session_.has_changes()) {
            const std::wstring text = core::changes_not_saved(session_.document()->path, failure);
            if (closing_unasked_) {
                SetWriteBackNote(text);
            } else if (!ToldAtRefusedClose()) {
                platform::report_failure_message(engine::to_utf8(text));
            }
        }
    } catch (...) {
        platform::report_failure();
    }
    try {
        elements_.preview_webview->close();
        elements_.main_webview->close();
    } catch (...) {
        platform::report_failure();
    }
    StorePlacementAtClose();
    session_.config().write();
    try {
        session_.clear_temp();
    } catch (...) {
        platform::report_failure();
    }
}

}  // namespace app
