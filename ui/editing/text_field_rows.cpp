// The rows of fields typed as text: one line with a pick button (types 1 to
// 4, and 5 with its own icon), several lines (type 0), read-only notes (type
// 10), and the handler that stores what is typed.
#include <variant>

#include "app/main_window.h"
#include "platform/button.h"
#include "platform/decoration.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/parameter_tree.h"
#include "ui/editing/shown_texts.h"

namespace app {

namespace look = ui::look;
using platform::Visibility;

namespace {

enum class text_row_kind { one_line, one_line_listed, multi_line };

constexpr double pick_button_side = 36;

std::shared_ptr<platform::Button> pick_button(const std::wstring& install_folder,
                                              text_row_kind kind) {
    auto button = platform::Button::create();
    button->set_width(pick_button_side);
    button->set_height(pick_button_side);
    button->set_horizontal_alignment(platform::HorizontalAlignment::right);
    button->set_vertical_alignment(kind == text_row_kind::multi_line
                                       ? platform::VerticalAlignment::top
                                       : platform::VerticalAlignment::center);
    const wchar_t* icon =
        kind == text_row_kind::one_line_listed ? L"/icons/pick_list.xpm" : L"/icons/pick_value.xpm";
    button->set_icon(install_folder.empty() ? std::wstring() : install_folder + icon,
                     kind == text_row_kind::one_line_listed ? 10.5 : 11);
    button->set_colors(look::pick_button, look::dark_blue);
    // Value picking comes with its dialogs; until then the button does nothing.
    return button;
}

// Shared by the three text row builders.
struct text_row_builder {
    MainWindow& window;
    platform::Panel& panel;
    std::int32_t section;
    std::int32_t field;
    text_row_kind kind;

    void build() {
        const engine::doc_element* element = ui::field_at(window.session().data(), section, field);
        if (!element) return;
        const bool multi_line = kind == text_row_kind::multi_line;
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
        box->text_changed.add([&w = window](platform::TextBox& sender, const platform::NoArgs&) {
            w.OnFieldTextChanged(sender);
        });

        auto button = pick_button(window.session().folders().install_folder, kind);
        button->data_context = tag;

        if (!multi_line) {
            row->set_cell(*box, 0, 0);
            row->set_cell(*button, 0, 1);
        }
        row->children().append(box);
        row->children().append(button);
        if (ui::is_hidden(*element)) row->set_visibility(Visibility::collapsed);

        window.MakeFieldCaption(panel, section, field);
        row->data_context = tag;
        panel.children().append(row);
    }
};

}  // namespace

void MainWindow::BuildFieldRowTypes1to4(platform::Panel& panel, std::int32_t section,
                                        std::int32_t field) {
    text_row_builder{*this, panel, section, field, text_row_kind::one_line}.build();
}

void MainWindow::BuildFieldRowType5(platform::Panel& panel, std::int32_t section,
                                    std::int32_t field) {
    text_row_builder{*this, panel, section, field, text_row_kind::one_line_listed}.build();
}

void MainWindow::BuildFieldRowType0(platform::Panel& panel, std::int32_t section,
                                    std::int32_t field) {
    text_row_builder{*this, panel, section, field, text_row_kind::multi_line}.build();
}

void MainWindow::BuildNoteFieldRow(platform::Panel& panel, std::int32_t section,
                                   std::int32_t field) {
    const engine::doc_element* element = ui::field_at(session_.data(), section, field);
    if (!element) return;
    auto row = platform::Panel::create();
    row->set_margin(look::label_row_margin);
    platform::set_border(*row, {button_brush.color, look::transparent, 0, look::corner_radius});
    auto note =
        platform::TextBlock::create(ui::shown_text(session_.document(), element->record.s3));
    note->set_font(look::label_font());
    note->set_margin(look::label_text_margin);
    platform::set_word_wrap(*note, true);
    note->set_foreground({look::white});
    row->children().append(note);
    if (ui::is_hidden(*element)) row->set_visibility(Visibility::collapsed);
    row->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(row);
}

void MainWindow::OnFieldTextChanged(platform::TextBox& sender) {
    if (session_.mode() == core::ViewMode::save_print) {
        OnSavePrintTextChanged(sender);
        return;
    }
    if (session_.mode() != core::ViewMode::data) return;
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_element* field = ui::field_at(session_.data(), tag->group, tag->element);
    if (!field) return;
    // The image path box is handled with the image field.
    if (ui::type_of(*field) == ui::field_type::image) return;
    field->record.s2 = sender.text();
    if (ReevaluateFieldConditions(tag->group)) RefreshFieldRowVisibility();
    RenderDocumentAsync(false);
}

}  // namespace app
