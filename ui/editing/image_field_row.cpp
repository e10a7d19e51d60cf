// The row of an image field: the path of the picture, a button that picks
// one, and a slider for its width in percent of the text width. A file of
// 350 KB or more, or one that is no picture, is refused and empties the field.
#include <cmath>
#include <variant>

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/data_panel.h"
#include "ui/editing/image_field.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/panel_rows.h"
#include "ui/editing/shown_texts.h"

namespace ui {

using platform::GridLength;

namespace {

// Positions in the row that the slider's handler relies on.
constexpr std::size_t label_grid_position = 2, percentage_position = 1;

platform::TextBlock* percentage_label(platform::Slider& slider) {
    auto slider_panel = slider.parent();
    auto row = slider_panel ? slider_panel->parent() : nullptr;
    if (!row || row->children().size() <= label_grid_position) return nullptr;
    auto* labels = dynamic_cast<platform::Panel*>(row->children().at(label_grid_position).get());
    if (!labels || labels->children().size() <= percentage_position) return nullptr;
    return dynamic_cast<platform::TextBlock*>(labels->children().at(percentage_position).get());
}

}  // namespace

void DataPanel::BuildImageFieldRow(platform::Panel& panel, std::int32_t section,
                                   std::int32_t field) {
    const engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element) return;
    const platform::TreeIndex tag{section, field, -1};

    auto row = platform::Grid::create();
    row->set_margin(look::row_margin);
    row->set_rows({GridLength::automatic(), GridLength::automatic(), GridLength::automatic()});
    row->set_columns({GridLength::star(), GridLength::pixels(36)});

    auto box = platform::TextBox::create();
    box->set_font(look::editor_font());
    box->set_frame({4, 10, 4, 10}, look::dark_gray, {1, 1, 0, 1});
    box->set_height(37);
    box->set_placeholder_text(bracketed_hint(core::ui_string(engine::ui_text::select_image_file)));
    box->data_context = tag;
    box->set_text(element->record.s2);
    box->text_changed.add(
        [this](platform::TextBox& sender, const platform::NoArgs&) { OnFieldTextChanged(sender); });
    LimitTyping(*box);
    row->set_cell(*box, 0, 0);

    auto button = MakePickButton(session_.folders().install_folder, false,
                                 platform::VerticalAlignment::center);
    button->data_context = tag;
    button->clicked.add([this](platform::Button& sender, const platform::NoArgs&) {
        PickImageFileAsync(std::static_pointer_cast<platform::Button>(sender.shared_from_this()));
    });
    row->set_cell(*button, 0, 1);

    auto labels = platform::Grid::create();
    labels->set_columns({GridLength::automatic(), GridLength::star()});
    auto caption = platform::TextBlock::create(core::ui_string(engine::ui_text::fit_image_width));
    caption->set_font(look::caption_font());
    caption->set_margin({0, 18, 6, 2});
    caption->set_foreground({look::dark_blue});
    auto percentage = platform::TextBlock::create(image_width_text(element->record.d1));
    percentage->set_font(look::subtitle_font());
    percentage->set_margin({0, 17, 22, 4});
    percentage->set_foreground({look::dark_blue});
    percentage->set_horizontal_alignment(platform::HorizontalAlignment::left);
    labels->set_cell(*caption, 0, 0);
    labels->set_cell(*percentage, 0, 1);
    labels->children().append(caption);
    labels->children().append(percentage);
    row->set_cell(*labels, 1, 0, 1, 2);

    auto slider = platform::Slider::create(0, 100);
    slider->set_margin({1, 4, 0, 4});
    slider->set_value(std::isnan(element->record.d1) ? 0 : element->record.d1);
    slider->data_context = tag;
    slider->value_changed.add(
        [this](platform::Slider& sender, double value) { OnImageWidthChanged(sender, value); });
    auto slider_panel = platform::Panel::create();
    platform::set_border(*slider_panel,
                         {look::white_smoke, look::dark_gray, 1, look::corner_radius});
    slider_panel->children().append(slider);
    row->set_cell(*slider_panel, 2, 0, 1, 2);

    row->children().append(box);
    row->children().append(button);
    row->children().append(labels);
    row->children().append(slider_panel);
    if (is_hidden(*element)) row->set_visibility(platform::Visibility::collapsed);

    MakeFieldCaption(panel, section, field);
    row->data_context = tag;
    panel.children().append(row);
}

void DataPanel::OnImageWidthChanged(platform::Slider& sender, double value) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_element* field = field_at(session_.data(), tag->group, tag->element);
    if (!field) return;
    field->record.d1 = value;
    if (platform::TextBlock* label = percentage_label(sender))
        label->set_text(image_width_text(field->record.d1));
    render_(false);
}

void DataPanel::OnImagePathChanged(platform::TextBox& sender, engine::doc_element& field,
                                   std::int32_t section) {
    const std::wstring text = sender.text();
    if (is_image_file_too_large(text)) {
        RefuseImage(&sender, field, section, engine::ui_text::image_too_large);
        return;
    }
    // Any other typed path is not taken: pictures come from the picker.
    if (!without_trailing_blanks(text).empty() || field.record.s2.empty()) return;
    field.record.s2.clear();
    if (ReevaluateFieldConditions(section)) RefreshFieldRowVisibility();
    render_(false);
}

void DataPanel::RefuseImage(platform::TextBox* box, engine::doc_element& field,
                            std::int32_t section, int reason) {
    field.record.s2.clear();
    if (box) {
        // The field is empty already, so the box's handler takes this as nothing.
        box->set_text(L"");
        box->set_placeholder_text(core::ui_string(reason));
        // A narrow pane cuts the hint; the tooltip says it whole.
        box->set_tool_tip(core::ui_string(reason));
    }
    // The picture the document showed goes.
    if (ReevaluateFieldConditions(section)) RefreshFieldRowVisibility();
    render_(false);
}

platform::FireAndForget DataPanel::PickImageFileAsync(std::shared_ptr<platform::Button> sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender->data_context);
    auto box = RowTextBox(*sender);
    if (!tag || !box) co_return;
    const platform::TreeIndex at = *tag;
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    const std::optional<std::wstring> path =
        co_await picker_host_.output().pick_image_file(image_file_extensions());
    if (!path || alive.expired() || !session_.is_same_document(started_on)) co_return;
    engine::doc_element* field = field_at(session_.data(), at.group, at.element);
    if (!field) co_return;
    platform::TextBox* shown = IsInPanel(*box) ? box.get() : nullptr;
    if (is_image_file_too_large(*path)) {
        RefuseImage(shown, *field, at.group, engine::ui_text::image_too_large);
        co_return;
    }
    if (!is_shown_image_file(*path)) {
        RefuseImage(shown, *field, at.group, engine::ui_text::image_not_picture);
        co_return;
    }
    field->record.s2 = *path;
    if (shown) {
        shown->set_text(*path);
        shown->set_placeholder_text(
            bracketed_hint(core::ui_string(engine::ui_text::select_image_file)));
        shown->set_tool_tip(L"");
    }
    render_(false);
}

}  // namespace ui
