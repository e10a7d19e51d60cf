// Ending without the user: a termination signal, the session manager at
// logout, or the display gone. Nothing here asks anything or shows a
// dialog; a document that cannot be written back keeps its note in the
// status bar.
#include "app/main_window.h"

namespace app {

void MainWindow::CloseUnasked() {
    if (elements_.window->is_closed()) return;
    closing_unasked_ = true;
    elements_.window->close();
}

void MainWindow::SaveAtLogout() {
    WriteBackNow();
    // The note has told the user, as a refused close would have.
    if (!write_back_note_.empty())
        close_refused_ = RefusedClose{session_.document_serial(), session_.content()};
    session_.config().write();
}

void MainWindow::SaveAtSuddenExit() {
    if (elements_.window->is_closed()) return;
    // Each step on its own: the process ends whatever one of them meets.
    try {
        session_.write_back();
    } catch (...) {
    }
    try {
        session_.config().write();
    } catch (...) {
    }
    try {
        session_.clear_temp();
    } catch (...) {
    }
}

}  // namespace app
