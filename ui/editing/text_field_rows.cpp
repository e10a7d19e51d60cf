// The rows of fields typed as text: one line with a pick button (types 1 to
// 4, and 5 with its own icon), several lines (type 0), read-only notes (type
// 10), and the handler that stores what is typed (an image field's path box
// included) within the field limit. A number field whose text the document
// shows as a gap says why below its row.
#include <variant>

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "engine/fields/currency.h"
#include "engine/fields/none_words.h"
#include "engine/fields/number_reading.h"
#include "engine/fields/number_tail_words.h"
#include "engine/text/plain_text.h"
#include "platform/button.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/data_panel.h"
#include "ui/editing/field_text_limit.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/panel_rows.h"
#include "ui/editing/shown_texts.h"

namespace ui {

using platform::Visibility;

namespace {
constexpr double pick_button_side = 36;

int amount_note(std::uint32_t currency) {
    switch (currency) {
        case engine::currency_mark::rouble: return engine::ui_text::amount_in_roubles;
        case engine::currency_mark::australian_dollar:
            return engine::ui_text::amount_in_australian_dollars;
        case engine::currency_mark::canadian_dollar:
            return engine::ui_text::amount_in_canadian_dollars;
        case engine::currency_mark::euro: return engine::ui_text::amount_in_euros;
        case engine::currency_mark::pound: return engine::ui_text::amount_in_pounds;
        default: return engine::ui_text::amount_in_us_dollars;
    }
}

static_assert(engine::ui_text::number_counts_pieces - engine::ui_text::number_counts_days ==
              int(engine::number_unit::piece) - int(engine::number_unit::day));

// The note on a number field whose text the document prints as a gap, read
// as the document reads it (the view's language, the field's unit, the
// document's currency): why it is no number; none when it reads or when a
// word says there is none («нет», "N/A"), where the document shows no gap. A
// value script ("{...}") is a number only once it has run.
std::optional<int> number_note(const engine::doc_record& field, const engine::doc_node& parameters,
                               int language) {
    const std::wstring& text = field.s2;
    if (engine::trimmed(text).empty() || text.find(L'{') != std::wstring::npos ||
        engine::is_none_word(text))
        return std::nullopt;
    const engine::number_unit unit = engine::number_unit_named(field.s4);
    const std::uint32_t currency = engine::document_currency(&parameters, language);
    switch (engine::read_number_field(text, language, unit, currency).why) {
        case engine::no_number_reason::none: return std::nullopt;
        // One row a unit, in the order of the units.
        case engine::no_number_reason::other_unit:
            return engine::ui_text::number_counts_days + int(unit) - int(engine::number_unit::day);
        case engine::no_number_reason::other_currency: return amount_note(currency);
        case engine::no_number_reason::negative: return engine::ui_text::number_negative;
        case engine::no_number_reason::not_a_number: break;
    }
    return engine::ui_text::number_not_read;
}
}  // namespace

void DataPanel::BuildTextRow(platform::Panel& panel, std::int32_t section, std::int32_t field,
                             TextRowKind kind) {
    const engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    const bool multi_line = kind == TextRowKind::multi_line;
    const platform::TreeIndex tag{section, field, -1};

    auto row = platform::Grid::create();
    row->set_margin(look::row_margin);
    platform::set_border(*row, {look::white, look::dark_gray, 1, look::corner_radius});
    if (!multi_line) {
        // The height of the bordered row, and its margin around it.
        row->set_height(38 + look::row_margin.top + look::row_margin.bottom);
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
    ShowNumberNote(*row, *element);
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

void DataPanel::ShowNumberNote(const platform::Element& row, const engine::doc_element& field) {
    auto panel = row.parent();
    if (!panel) return;
    auto& children = panel->children();
    const std::optional<std::size_t> at = children.index_of(row);
    if (!at) return;
    // The note follows the row, or the refusal bar that follows it.
    std::optional<std::size_t> note;
    for (std::size_t i = *at + 1; i < children.size() && !note; ++i) {
        const platform::Element& next = *children.at(i);
        if (next.data_context == row.data_context &&
            dynamic_cast<const platform::TextBlock*>(&next))
            note = i;
        else if (!std::holds_alternative<std::monostate>(next.data_context))
            break;
    }
    const engine::document_data* data = session_.data();
    const std::optional<int> said =
        type_of(field) == field_type::number && data
            ? number_note(field.record, data->parameters, session_.view().language)
            : std::nullopt;
    if (!said) {
        if (note) children.remove_at(*note);
        return;
    }
    if (note) {
        std::static_pointer_cast<platform::TextBlock>(children.at(*note))
            ->set_text(core::ui_string(*said));
        return;
    }
    auto block = platform::TextBlock::create(core::ui_string(*said));
    block->set_font(look::note_font());
    block->set_margin({20, 0, 22, 6});
    platform::set_word_wrap(*block, true);
    block->set_foreground({look::dark_red});
    // Shown and hidden with the row, as its caption is.
    block->data_context = row.data_context;
    block->set_visibility(row.visibility());
    children.insert_at(*at + 1, block);
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
    if (auto row = sender.parent()) ShowNumberNote(*row, *field);
    if (ReevaluateFieldConditions(tag->group)) RefreshFieldRowVisibility();
    render_(false);
}

}  // namespace ui
