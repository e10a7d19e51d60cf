// The view modes: the settings, save/print and text-editing switches and the
// tool bar that shows which one is open.
#include "app/engine_services.h"
#include "app/main_window.h"
#include "engine/document/process_state.h"

namespace app {

bool MainWindow::HasLoadedDocument() const {
    return doc_data && has_page_setup(doc_data);
}

void MainWindow::ToggleSettings() {
    if (!HasLoadedDocument()) return;
    const ViewMode old_mode = mode;
    mode = mode == 1 ? 0 : 1;
    // The preview gives way to the document, which keeps its scroll position.
    if (old_mode == 3) RenderDocumentAsync(false);
    RefreshMenuPanel();
    UpdateToolbarState();
}

void MainWindow::TogglePrintSavePanel() {
    // The tool-bar button is the menu entry of the page already chosen.
    OnPrintSaveMenuClick(save_print_page);
}

void MainWindow::OnPrintSaveMenuClick(SavePrintPage page) {
    if (!HasLoadedDocument()) return;
    const SavePrintPage old_page = save_print_page;
    const ViewMode old_mode = mode;
    save_print_page = page;
    if (page == old_page || mode != 3) mode = mode == 3 ? 0 : 3;
    RefreshMenuPanel();
    UpdateToolbarState();
    if (mode != 3) {
        RenderDocumentAsync(true);
    } else if (old_mode != 3) {
        ShowPrintPreviewAsync();
    }
}

void MainWindow::ToggleTextEditAsync() {
    const ViewMode old_mode = mode;
    mode = mode == 2 ? 0 : 2;
    RefreshMenuPanel();
    UpdateToolbarState();
    // Leaving the preview shows the document again, as the other ways out do.
    if (old_mode == 3) RenderDocumentAsync(true);
}

void MainWindow::UpdateToolbarState() {
    if (!library_button || !settings_button || !text_edit_button || !print_button || !save_button) return;
    const bool print_shown = save_print_page == 0;
    print_button->set_visibility(print_shown ? platform::Visibility::visible : platform::Visibility::collapsed);
    save_button->set_visibility(print_shown ? platform::Visibility::collapsed : platform::Visibility::visible);
    platform::AppBarButton& shown_output = print_shown ? *print_button : *save_button;

    library_button->set_marked(mode == 0 && engine::library_shown);
    settings_button->set_marked(mode == 1);
    text_edit_button->set_marked(false);
    // The collapsed one of Print and Save keeps its border.
    shown_output.set_marked(mode == 3);
}

}  // namespace app
