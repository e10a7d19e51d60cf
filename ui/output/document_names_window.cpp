// The window's view of the open document's names.
#include "app/main_window.h"
#include "core/engine_services.h"
#include "engine/document/ui_strings.h"
#include "ui/output/document_names.h"

namespace app {

namespace {

constexpr int library_row = 1;

}  // namespace

std::wstring MainWindow::GetDocumentTitle(bool use_name) const {
    const std::wstring short_name = session_.library_shown()
                                        ? engine::ui_string(library_row)
                                        : ui::short_document_name(session_.last_document());
    return ui::document_title(session_.data(), use_name, short_name);
}

std::wstring MainWindow::GetFooterText() const { return ui::footer_text(session_.data()); }

bool MainWindow::IsPageNumberInFooter() const { return ui::page_number_in_footer(session_.data()); }

void MainWindow::StripKnownExtension(std::wstring file_name) {
    // Without a page setup there is no title to store.
    engine::doc_record* record = core::page_setup_record(session_.data());
    if (!record) return;
    record->s1 = ui::title_from_file_name(file_name);
}

}  // namespace app
