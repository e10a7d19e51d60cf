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
#include "ui/editing/picker_dialog.h"
#include "ui/editing/shown_texts.h"

namespace ui {

bool DataPanel::IsInPanel(const platform::TextBox& box) const {
    auto row = box.parent();
    return row && row->parent() == panel_;
}

platform::FireAndForget DataPanel::PickFieldValueAsync(std::shared_ptr<platform::Button> sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender->data_context);
    auto row = sender->parent();
    if (!tag || !row || row->children().size() == 0) co_return;
    const platform::TreeIndex at = *tag;
    auto box = std::dynamic_pointer_cast<platform::TextBox>(row->children().at(0));
    const engine::doc_element* field = field_at(session_.data(), at.group, at.element);
    if (!box || !field) co_return;

    const std::wstring current = box->text();
    const std::wstring title = shown_text(session_.document(), field->record.s3);
    const std::wstring name = field->record.s1;
    const PickerOwner owner = picker_owner(session_, picker_host_.window);
    // The document may be replaced, or the panel go, while the dialog shows.
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    std::optional<std::wstring> value;
    switch (type_of(*field)) {
        case field_type::multi_line_text:
        case field_type::listed_text: {
            DlgList dialog(owner, value_lists_folder(session_), current, name, title);
            value = co_await PickedValueAsync(dialog);
            break;
        }
        case field_type::date: {
            DlgDate dialog(owner, current, title);
            value = co_await PickedValueAsync(dialog);
            break;
        }
        case field_type::number: {
            DlgCalc dialog(owner, current, title);
            value = co_await PickedValueAsync(dialog);
            break;
        }
        case field_type::database_text: {
            DlgDbList dialog(owner, current, title);
            value = co_await PickedValueAsync(dialog);
            break;
        }
        default:
            co_return;
    }
    if (!value || alive.expired() || !session_.is_same_document(started_on)) co_return;
    engine::doc_element* target = field_at(session_.data(), at.group, at.element);
    if (!target) co_return;
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
