// The pick buttons of the print page's page list and the save page's file
// name. The accepted text goes into the box, whose handler keeps it (the
// page list as typed, the file name as the document's title).
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/editing/dialog_texts.h"
#include "ui/editing/dlg_calc.h"
#include "ui/editing/dlg_list.h"
#include "ui/editing/picker_dialog.h"
#include "ui/output/save_print_panel.h"

namespace ui {

bool SavePrintPanel::MayTakePick(const platform::TextBox& box, std::uint64_t started_on) const {
    return session_.is_same_document(started_on) && session_.mode() == core::ViewMode::save_print &&
           box.parent() && box.parent()->parent();
}

platform::FireAndForget SavePrintPanel::PickPageListAsync(std::shared_ptr<platform::TextBox> box) {
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    // "=" would read "1,3,5-7" as a number.
    const std::optional<std::wstring> pages = co_await PickValueAsync<DlgCalc>(
        picker_owner(session_, window_), session_.output().selected_pages,
        core::ui_string(engine::ui_text::page_list_hint), false);
    if (!pages || alive.expired() || !MayTakePick(*box, started_on)) co_return;
    box->set_text(*pages);
    co_await preview_.ShowPrintPreviewAsync();
}

platform::FireAndForget SavePrintPanel::PickFileNameAsync(std::shared_ptr<platform::TextBox> box) {
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    // Named in the interface language: each language keeps its own list.
    const std::wstring name = core::ui_string(engine::ui_text::file_name);
    const std::optional<std::wstring> file_name = co_await PickValueAsync<DlgList>(
        picker_owner(session_, window_), value_lists_folder(session_), box->text(), name, name);
    if (!file_name || alive.expired() || !MayTakePick(*box, started_on)) co_return;
    box->set_text(*file_name);
}

}  // namespace ui
