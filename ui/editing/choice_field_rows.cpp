// Choice fields (radio buttons, one option chosen) and options fields (check
// boxes, any number checked): their rows and the handlers that store the
// choice in the option flags and the field value.
#include <variant>

#include "platform/decoration.h"
#include "ui/editing/data_panel.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/shown_texts.h"

namespace ui {

using platform::Visibility;

namespace {

// Changing these fields changes which options other fields offer, so their
// panel is built again.
bool rebuilds_panel(const std::wstring& field_name) {
    return field_name == L"utility_tenant" || field_name == L"utility_landlord";
}

std::shared_ptr<platform::Panel> option_row(std::size_t options, bool check_boxes) {
    auto row = platform::Panel::create();
    if (check_boxes && options == 1) {
        row->set_margin({18, 2, 22, 0});
        platform::set_border(*row, {look::transparent, look::transparent, 0, look::corner_radius});
    } else {
        row->set_margin(look::row_margin);
        platform::set_border(*row, {look::white_smoke, look::dark_gray, 1, look::corner_radius});
    }
    return row;
}

}  // namespace

void DataPanel::BuildChoiceFieldRow(platform::Panel& panel, std::int32_t section,
                                    std::int32_t field) {
    engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    const auto options = std::int32_t(option_count(*element));
    auto row = option_row(std::size_t(options), false);
    for (std::int32_t i = 0; i < options; ++i) {
        const engine::doc_record& option = element->items[std::size_t(i)];
        auto button = platform::RadioButton::create(
            option_shown_text(session_.document(), session_.view(), option, false).text);
        button->set_font(look::editor_font());
        if (i == 0) {
            button->set_margin({10, 8, 8, 2});
        } else if (i == options - 1) {
            button->set_margin({10, 2, 8, 9});
        } else {
            button->set_margin({10, 2, 8, 2});
        }
        platform::keep_margin_outside(*button);
        // One row holds one field's buttons, which makes them one group.
        row->children().append(button);
        button->set_checked(is_chosen(option));
        button->data_context = platform::TreeIndex{section, field, i};
        button->checked.add([this](platform::ToggleButton& sender, const platform::NoArgs&) {
            OnChoiceChecked(sender);
        });
    }
    row->set_visibility(is_hidden(*element) ? Visibility::collapsed : Visibility::visible);
    MakeFieldCaption(panel, section, field);
    row->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(row);
}

void DataPanel::BuildOptionsFieldRow(platform::Panel& panel, std::int32_t section,
                                     std::int32_t field) {
    engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    const auto options = std::int32_t(option_count(*element));
    auto row = option_row(std::size_t(options), true);
    bool first_margin = true;
    for (std::int32_t i = 0; i < options; ++i) {
        const engine::doc_record& option = element->items[std::size_t(i)];
        const shown_option shown =
            option_shown_text(session_.document(), session_.view(), option, true);
        auto box = platform::CheckBox::create(shown.text);
        box->set_font(look::editor_font());
        box->set_vertical_alignment(platform::VerticalAlignment::top);
        if (options == 1) {
            box->set_margin({1, 8, 8, 0});
        } else if (first_margin && shown.shown && i != options - 1) {
            box->set_margin({10, 8, 8, 2});
            first_margin = false;
        } else {
            box->set_margin({10, 2, 8, 2});
        }
        box->set_checked(is_chosen(option));
        box->data_context = platform::TreeIndex{section, field, i};
        box->checked.add([this](platform::ToggleButton& sender, const platform::NoArgs&) {
            OnOptionChecked(sender);
        });
        box->unchecked.add([this](platform::ToggleButton& sender, const platform::NoArgs&) {
            OnOptionChecked(sender);
        });
        platform::keep_margin_outside(*box);
        if (!shown.shown) box->set_visibility(Visibility::collapsed);
        row->children().append(box);
    }
    if (options >= 2) {
        platform::Element& last = *row->children().at(std::size_t(options - 1));
        last.set_margin(first_margin ? platform::Thickness{10, 8, 8, 8}
                                     : platform::Thickness{10, 2, 8, 9});
        platform::keep_margin_outside(last);
    }
    row->set_visibility(is_hidden(*element) ? Visibility::collapsed : Visibility::visible);
    MakeFieldCaption(panel, section, field);
    row->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(row);
}

void DataPanel::OnChoiceChecked(platform::ToggleButton& sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_element* field = field_at(session_.data(), tag->group, tag->element);
    if (!field) return;
    // The stored text, not the rendered one, becomes the value.
    if (const engine::doc_record* option = option_at(*field, tag->item))
        field->record.s2 = option->s2;
    const std::size_t options = option_count(*field);
    for (std::size_t j = 0; j < options; ++j)
        field->items[j].b = std::int32_t(j) == tag->item ? 1 : 0;
    RenoteNumberFields();
    if (ReevaluateFieldConditions(tag->group)) RefreshFieldRowVisibility();
    render_(session_.library_shown());
}

void DataPanel::OnOptionChecked(platform::ToggleButton& sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_element* field = field_at(session_.data(), tag->group, tag->element);
    if (!field) return;
    if (engine::doc_record* option = option_at(*field, tag->item))
        option->b = sender.is_checked() ? 1 : 0;
    field->record.s2 = joined_option_value(*field);
    RenoteNumberFields();
    if (ReevaluateFieldConditions(tag->group)) RefreshFieldRowVisibility();
    // Not now: the sender is one of the rows the rebuild replaces.
    if (rebuilds_panel(field->record.s1)) PostDataPanelRebuild();
    render_(false);
}

}  // namespace ui
