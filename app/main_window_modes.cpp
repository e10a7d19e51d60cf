// The view modes: the settings, save/print and text-editing switches and the
// tool bar that shows which one is open.
#include "app/main_window.h"

namespace app {

using core::ViewMode;

bool MainWindow::HasLoadedDocument() const { return session_.has_loaded_document(); }

void MainWindow::ToggleSettings() {
    if (!HasLoadedDocument()) return;
    const ViewMode old_mode = session_.mode();
    session_.set_mode(old_mode == ViewMode::settings ? ViewMode::data : ViewMode::settings);
    // The preview gives way to the document, which keeps its scroll position.
    if (old_mode == ViewMode::save_print) RenderDocumentAsync(false);
    left_menu_.RefreshMenuPanel();
    UpdateToolbarState();
}

void MainWindow::TogglePrintSavePanel() {
    // The tool-bar button is the menu entry of the page already chosen.
    OnPrintSaveMenuClick(session_.save_print_page());
}

void MainWindow::OnPrintSaveMenuClick(core::SavePrintPage page) {
    if (!HasLoadedDocument()) return;
    const core::SavePrintPage old_page = session_.save_print_page();
    const ViewMode old_mode = session_.mode();
    session_.set_save_print_page(page);
    if (page == old_page || old_mode != ViewMode::save_print) {
        session_.set_mode(old_mode == ViewMode::save_print ? ViewMode::data : ViewMode::save_print);
    }
    left_menu_.RefreshMenuPanel();
    UpdateToolbarState();
    if (session_.mode() != ViewMode::save_print) {
        RenderDocumentAsync(true);
    } else if (old_mode != ViewMode::save_print) {
        preview_.ShowPrintPreviewAsync();
    }
}

void MainWindow::ToggleTextEditAsync() {
    const ViewMode old_mode = session_.mode();
    session_.set_mode(old_mode == ViewMode::text_edit ? ViewMode::data : ViewMode::text_edit);
    left_menu_.RefreshMenuPanel();
    UpdateToolbarState();
    // Leaving the preview shows the document again, as the other ways out do.
    if (old_mode == ViewMode::save_print) RenderDocumentAsync(true);
}

void MainWindow::UpdateToolbarState() {
    const MainWindowElements& e = elements_;
    if (!e.library_button || !e.settings_button || !e.text_edit_button || !e.print_button ||
        !e.save_button)
        return;
    const bool print_shown = session_.save_print_page() == core::SavePrintPage::print;
    e.print_button->set_visibility(print_shown ? platform::Visibility::visible
                                               : platform::Visibility::collapsed);
    e.save_button->set_visibility(print_shown ? platform::Visibility::collapsed
                                              : platform::Visibility::visible);
    platform::AppBarButton& shown_output = print_shown ? *e.print_button : *e.save_button;

    const ViewMode mode = session_.mode();
    e.library_button->set_marked(mode == ViewMode::data && session_.library_shown());
    e.settings_button->set_marked(mode == ViewMode::settings);
    e.text_edit_button->set_marked(false);
    // The collapsed one of Print and Save keeps its border.
    shown_output.set_marked(mode == ViewMode::save_print);
}

}  // namespace app
