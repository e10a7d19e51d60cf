// Writing the open document back a moment after each change, so that what
// was typed is in its file however the program ends; typing that goes on
// without a pause is written every few seconds. A write that fails is
// told by a note in the status bar, never by a dialog: the note stands
// until a write succeeds.
#include "app/main_window.h"
#include "core/interface_texts.h"

namespace app {

void MainWindow::ScheduleWriteBack() {
    write_back_timer_->start(write_back_delay_ms);
    if (!write_back_deadline_->is_running())
        write_back_deadline_->start(write_back_longest_wait_ms);
}

void MainWindow::CancelWriteBack() {
    write_back_timer_->stop();
    write_back_deadline_->stop();
}

void MainWindow::WriteBackNow() {
    CancelWriteBack();
    std::wstring note;
    try {
        const std::error_code failure = session_.write_back();
        // A read-only library loses only its stored section: nothing to say.
        if (failure && session_.has_changes())
            note = core::changes_not_saved(session_.document()->path, failure);
    } catch (...) {
        // Nothing could be compared or written: the note stays as it is.
        return;
    }
    SetWriteBackNote(std::move(note));
}

void MainWindow::SetWriteBackNote(std::wstring note) {
    if (note == write_back_note_) return;
    write_back_note_ = std::move(note);
    UpdateBreadcrumb();
}

}  // namespace app
