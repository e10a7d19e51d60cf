// The rows of fields typed as text: one line with a pick button (types 1 to
// 4, and 5 with its own icon), several lines (type 0), read-only notes (type
// 10), and the handler that stores what is typed (an image field's path box
// included) within the field limit. A number field's row has a line below
// it for the note that its text is no number (number_notes.h).
#include <variant>

#include "engine/document/document_data.h"
#include "platform/button.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/data_panel.h"
#include "ui/editing/field_text_limit.h"
#include "ui/editing/number_note_text.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/panel_rows.h"
#include "ui/editing/shown_texts.h"

namespace ui {

using platform::Visibility;

namespace {
constexpr double pick_button_side = 36;

}  // namespace

void DataPanel::BuildTextRow(platform::Panel& panel, std::int32_t section, std::int32_t field,
                             TextRowKind kind) {
    const engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    const bool multi_line = kind == TextRowKind::multi_line;
    const platform::TreeIndex tag{section, field, -1};
    const bool number = type_of(*element) == field_type::number;

    auto row = platform::Grid::create();
    const platform::Thickness margin = number ? look::number_row_margin : look::row_margin;
    row->set_margin(margin);
    platform::set_border(*row, {look::white, look::dark_gray, 1, look::corner_radius});
    if (!multi_line) {
        // The height of the bordered row, and its margin around it.
        row->set_height(38 + margin.top + margin.bottom);
        row->set_rows({platform::GridLength::automatic()});
        row->set_columns(
            {platform::GridLength::star(), platform::GridLength::pixels(pick_button_side)});
    }

    auto box = platform::TextBox::create(multi_line);
    box->set_font(look::editor_font());
    if (multi_line) {
        box->set_frame({4, 10, 38, 10}, look::white, {1, 1, 1, 1});
        box->set_height(128);
    } else {
        box->set_frame({4, 10, 4, 10}, look::white, {1, 1, 0, 1});
        box->set_height(36);  // inside the row's border
    }
    box->data_context = tag;
    // The value goes in before the handler, so building stores nothing.
    box->set_text(element->record.s2);
    box->text_changed.add(
        [this](platform::TextBox& sender, const platform::NoArgs&) { OnFieldTextChanged(sender); });
    LimitTyping(*box);
    if (number) {
        box->focus_lost.add([this](platform::TextBox& sender, const platform::NoArgs&) {
            number_notes_.BoxLeft(sender);
        });
    }

    auto button = MakePickButton(
        session_.folders().install_folder, kind == TextRowKind::one_line_listed,
        multi_line ? platform::VerticalAlignment::top : platform::VerticalAlignment::center);
    button->data_context = tag;
    button->clicked.add([this](platform::Button& sender, const platform::NoArgs&) {
        PickFieldValueAsync(std::static_pointer_cast<platform::Button>(sender.shared_from_this()));
    });

    if (!multi_line) {
        row->set_cell(*box, 0, 0);
        row->set_cell(*button, 0, 1);
    }
    row->children().append(box);
    row->children().append(button);
    if (is_hidden(*element)) row->set_visibility(Visibility::collapsed);

    MakeFieldCaption(panel, section, field);
    row->data_context = tag;
    panel.children().append(row);
    if (number)
        number_notes_.AddLine(panel, *row,
                              number_note_text(*element, session_.data(), session_.language()));
}

void DataPanel::BuildFieldRowTypes1to4(platform::Panel& panel, std::int32_t section,
                                       std::int32_t field) {
    BuildTextRow(panel, section, field, TextRowKind::one_line);
}

void DataPanel::BuildFieldRowType5(platform::Panel& panel, std::int32_t section,
                                   std::int32_t field) {
    BuildTextRow(panel, section, field, TextRowKind::one_line_listed);
}

void DataPanel::BuildFieldRowType0(platform::Panel& panel, std::int32_t section,
                                   std::int32_t field) {
    BuildTextRow(panel, section, field, TextRowKind::multi_line);
}

void DataPanel::BuildNoteFieldRow(platform::Panel& panel, std::int32_t section,
                                  std::int32_t field) {
    const engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    auto row = platform::Panel::create();
    row->set_margin(look::label_row_margin);
    platform::set_border(*row, {look::row_brush(), look::transparent, 0, look::corner_radius});
    auto note = platform::TextBlock::create(
        shown_text(session_.document(), session_.view(), element->record.s3));
    note->set_font(look::label_font());
    note->set_margin(look::label_text_margin);
    platform::set_word_wrap(*note, true);
    note->set_foreground({look::white});
    row->children().append(note);
    if (is_hidden(*element)) row->set_visibility(Visibility::collapsed);
    row->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(row);
}

void DataPanel::LimitTyping(platform::TextBox& box) {
    box.set_max_length(field_text_limit);
    box.input_refused.add(
        [this](platform::TextBox& sender, const platform::NoArgs&) { SayTextRefused(sender); });
}

void DataPanel::SayTextRefused(const platform::TextBox& box) {
    // The bar goes right below the field's row, where the user looks.
    if (auto row = box.parent()) status_.ShowStatusMessageBelow(*row, field_text_refused(), 2);
}

void DataPanel::OnFieldTextChanged(platform::TextBox& sender) {
    if (session_.mode() != core::ViewMode::data) return;
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_element* field = field_at(session_.data(), tag->group, tag->element);
    if (!field) return;
    if (type_of(*field) == field_type::image) {
        OnImagePathChanged(sender, *field, tag->group);
        return;
    }
    field->record.s2 = sender.text();
    if (type_of(*field) == field_type::number)
        number_notes_.TextChanged(sender,
                                  number_note_text(*field, session_.data(), session_.language()));
    RenoteNumberFields();
    if (ReevaluateFieldConditions(tag->group)) RefreshFieldRowVisibility();
    render_(false);
}

void DataPanel::RenoteNumberFields() {
    number_notes_.Renote([this](const platform::TreeIndex& at) {
        const engine::doc_element* field = field_at(session_.data(), at.group, at.element);
        return field ? number_note_text(*field, session_.data(), session_.language())
                     : std::wstring();
    });
}

}  // namespace ui
