// The window's view of the open document's names.
#include "app/engine_services.h"
#include "app/main_window.h"
#include "engine/document/process_state.h"
#include "engine/document/ui_strings.h"
#include "ui/output/document_names.h"

namespace app {

namespace {

constexpr int library_row = 1;

}  // namespace

std::wstring MainWindow::GetDocumentTitle(bool use_name) const {
    const std::wstring short_name =
        engine::library_shown ? engine::ui_string(library_row)
                              : ui::short_document_name(engine::current_language == 1 ? config.LastDocument
                                                                                      : config.LastDocumentEng);
    return ui::document_title(doc_data, use_name, short_name);
}

std::wstring MainWindow::GetFooterText() const {
    return ui::footer_text(doc_data);
}

bool MainWindow::IsPageNumberInFooter() const {
    return ui::page_number_in_footer(doc_data);
}

void MainWindow::StripKnownExtension(std::wstring file_name) {
    // Without a page setup there is no title to store.
    engine::doc_record* record = page_setup_record(doc_data);
    if (!record) return;
    record->s1 = ui::title_from_file_name(file_name);
}

}  // namespace app
