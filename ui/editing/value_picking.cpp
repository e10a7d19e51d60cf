// Value picking in the data panel: a pick button opens the dialog of its
// field's type, and an accepted value goes into the field and its box, whose
// handler stores it as typed text (conditions, render keeping the view).
#include <optional>
#include <variant>

#include "ui/editing/data_panel.h"
#include "ui/editing/dlg_calc.h"
#include "ui/editing/dlg_date.h"
#include "ui/editing/dlg_db_list.h"
#include "ui/editing/dlg_list.h"
#include "ui/editing/field_text_limit.h"
#include "ui/editing/picker_dialog.h"
#include "ui/editing/shown_texts.h"

namespace ui {

bool DataPanel::IsInPanel(const platform::TextBox& box) const {
    auto row = box.parent();
    return row && row->parent() == panel_;
}

std::shared_ptr<platform::TextBox> DataPanel::RowTextBox(const platform::Button& button) {
    auto row = button.parent();
    if (!row || row->children().size() == 0) return nullptr;
    return std::dynamic_pointer_cast<platform::TextBox>(row->children().at(0));
}

platform::FireAndForget DataPanel::PickFieldValueAsync(std::shared_ptr<platform::Button> sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender->data_context);
    auto box = RowTextBox(*sender);
    if (!tag || !box) co_return;
    const platform::TreeIndex at = *tag;
    const engine::doc_element* field = field_at(session_.data(), at.group, at.element);
    if (!field) co_return;

    const std::wstring current = box->text();
    const std::wstring title = shown_text(session_.document(), session_.view(), field->record.s3);
    const std::wstring name = field->record.s1;
    const PickerOwner owner = picker_owner(session_, picker_host_.window);
    // The document may be replaced, or the panel go, while the dialog shows.
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    std::optional<std::wstring> value;
    switch (type_of(*field)) {
        case field_type::multi_line_text:
        case field_type::listed_text:
            value = co_await PickValueAsync<DlgList>(owner, value_lists_folder(session_), current,
                                                     name, title);
            break;
        case field_type::date:
            value = co_await PickValueAsync<DlgDate>(owner, current, title,
                                                     &session_.document()->env());
            break;
        case field_type::number:
            value = co_await PickValueAsync<DlgCalc>(owner, current, title, true);
            break;
        case field_type::database_text:
            value = co_await PickValueAsync<DlgDbList>(owner, current, title);
            break;
        default: co_return;
    }
    if (!value || alive.expired() || !session_.is_same_document(started_on)) co_return;
    engine::doc_element* target = field_at(session_.data(), at.group, at.element);
    if (!target) co_return;
    // A picked text, a list entry, is held to the field limit as a pasted one.
    if (value->size() > field_text_limit && value->size() > box->text().size()) {
        if (IsInPanel(*box)) SayTextRefused(*box);
        co_return;
    }
    target->record.s2 = *value;
    if (IsInPanel(*box) && box->text() != *value) {
        // Its handler stores the value again, as typed.
        box->set_text(*value);
    } else {
        if (ReevaluateFieldConditions(at.group)) RefreshFieldRowVisibility();
        render_(false);
    }
}

}  // namespace ui
