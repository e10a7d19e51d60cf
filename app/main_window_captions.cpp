// The captions that name the open document: the status bar, unless a note
// that the document could not be written back stands there, or in its place
// the one that the data folder keeps nothing, and the title
// while the tool bar is hidden. Names are shown as the files and sections
// have them: a file may be called "Offer <draft> R&amp;D".
#include "app/main_window.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/output/open_document_names.h"

namespace app {

void MainWindow::UpdateBreadcrumb() {
    const MainWindowElements& e = elements_;
    if (e.status_bar_grid && e.status_text) {
        const core::data_folder_check& data_folder = session_.data_folder();
        if (data_folder.use == core::data_folder_use::read_only) {
            e.status_text->set_text(core::changes_not_kept(session_.folders().data_folder));
        } else {
            e.status_text->set_text(write_back_note_.empty() ? ui::BreadcrumbText(session_)
                                                             : write_back_note_);
        }
    }
    if (session_.config().ToolBarShow != 1.0)
        SetTitle(core::ui_string(engine::ui_text::program_name) + GetDocumentName());
}

std::wstring MainWindow::GetDocumentName() const { return ui::GetDocumentName(session_); }

void MainWindow::SetTitle(std::wstring title) {
    elements_.title_text->set_text(title);
    elements_.window->set_title(std::move(title));
}

}  // namespace app
