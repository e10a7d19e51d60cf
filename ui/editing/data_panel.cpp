// The data panel: built for the current mode and the selected menu entry,
// with the captions, headers and labels every panel shares, and the hidden
// flags of the fields applied to the rows after an edit.
#include <variant>

#include "app/main_window.h"
#include "platform/decoration.h"
#include "platform/dispatcher.h"
#include "ui/editing/field_conditions.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/parameter_tree.h"
#include "ui/editing/shown_texts.h"

namespace app {

namespace look = ui::look;
using platform::Visibility;

namespace {

// Types 8 and above 10 get no row; image fields get theirs with the image picker.
void build_field_row(MainWindow& window, platform::Panel& panel, std::int32_t section,
                     std::int32_t field, ui::field_type type) {
    switch (type) {
        case ui::field_type::multi_line_text:
            window.BuildFieldRowType0(panel, section, field);
            break;
        case ui::field_type::date:
        case ui::field_type::listed_text:
        case ui::field_type::number:
        case ui::field_type::text:
            window.BuildFieldRowTypes1to4(panel, section, field);
            break;
        case ui::field_type::database_text:
            window.BuildFieldRowType5(panel, section, field);
            break;
        case ui::field_type::options:
            window.BuildOptionsFieldRow(panel, section, field);
            break;
        case ui::field_type::choice:
            window.BuildChoiceFieldRow(panel, section, field);
            break;
        case ui::field_type::note:
            window.BuildNoteFieldRow(panel, section, field);
            break;
        default:
            break;
    }
}

}  // namespace

void MainWindow::BuildDataPanel(platform::Panel& panel, std::int32_t index) {
    if (!session_.data()) return;
    panel.children().clear();
    switch (session_.mode()) {
        case core::ViewMode::data:
            if (engine::doc_group* section = ui::section_at(session_.data(), index)) {
                const auto fields = std::int32_t(ui::field_count(*section));
                for (std::int32_t f = 0; f < fields; ++f) {
                    build_field_row(*this, panel, index, f,
                                    ui::type_of(section->elements[std::size_t(f)]));
                }
            }
            break;
        case core::ViewMode::settings:
            BuildSettingsPanel(panel, session_.settings_page());
            break;
        case core::ViewMode::text_edit:
            BuildTextEditPanels(panel, index);
            break;
        case core::ViewMode::save_print:
            BuildSavePrintPanel(panel, std::int32_t(session_.save_print_page()));
            break;
    }
    panel.set_background(panel_brush);
}

bool MainWindow::ReevaluateFieldConditions(std::int32_t section) {
    if (!session_.document()) return false;
    return ui::reevaluate_field_conditions(*session_.document(), section);
}

void MainWindow::RefreshFieldRowVisibility() {
    // Field rows exist only in mode 0; other modes tag their rows otherwise.
    if (!data_panel || session_.mode() != core::ViewMode::data) return;
    const std::size_t count = data_panel->children().size();
    for (std::size_t i = 0; i < count; ++i) {
        platform::Element& child = *data_panel->children().at(i);
        // Children that carry no field tag (a status bar, a header) are not rows.
        const auto* tag = std::get_if<platform::TreeIndex>(&child.data_context);
        if (!tag || tag->item != -1) continue;
        const engine::doc_element* field = ui::field_at(session_.data(), tag->group, tag->element);
        if (!field) continue;
        child.set_visibility(ui::is_hidden(*field) ? Visibility::collapsed : Visibility::visible);
    }
}

void MainWindow::MakeFieldCaption(platform::Panel& panel, std::int32_t section,
                                  std::int32_t field) {
    const engine::doc_element* element = ui::field_at(session_.data(), section, field);
    if (!element || element->record.s3.empty()) return;
    auto caption =
        platform::TextBlock::create(ui::shown_text(session_.document(), element->record.s3));
    caption->set_font(look::caption_font());
    caption->set_margin({20, 12, 22, 2});
    platform::set_word_wrap(*caption, true);
    caption->set_foreground({look::dark_blue});
    caption->set_visibility(ui::is_hidden(*element) ? Visibility::collapsed : Visibility::visible);
    caption->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(caption);
}

void MainWindow::MakeSectionHeader(platform::Panel& panel, std::wstring title,
                                   std::wstring subtitle) {
    if (title.empty()) return;
    auto header = platform::Grid::create();
    header->set_background({look::transparent});
    header->set_rows({platform::GridLength::automatic()});
    header->set_columns({platform::GridLength::automatic(), platform::GridLength::star()});

    auto title_block = platform::TextBlock::create(std::move(title));
    title_block->set_font(look::caption_font());
    title_block->set_margin({18, 12, 6, 2});
    platform::set_word_wrap(*title_block, true);
    title_block->set_foreground({look::dark_blue});
    header->set_cell(*title_block, 0, 0);

    auto subtitle_block = platform::TextBlock::create(std::move(subtitle));
    subtitle_block->set_font(look::subtitle_font());
    subtitle_block->set_foreground({look::dark_blue});
    subtitle_block->set_margin({0, 10, 22, 4});
    platform::set_word_wrap(*subtitle_block, true);
    subtitle_block->set_horizontal_alignment(platform::HorizontalAlignment::left);
    header->set_cell(*subtitle_block, 0, 1);

    header->children().append(title_block);
    header->children().append(subtitle_block);
    panel.children().append(header);
}

void MainWindow::MakeLabel(platform::Panel& panel, const std::wstring& text) {
    auto row = platform::Panel::create();
    row->set_margin(look::label_row_margin);
    platform::set_border(*row, {button_brush.color, look::transparent, 0, look::corner_radius});
    auto label = platform::TextBlock::create(text);
    label->set_font(look::label_font());
    label->set_margin(look::label_text_margin);
    platform::set_word_wrap(*label, true);
    label->set_foreground({look::white});
    row->children().append(label);
    panel.children().append(row);
}

void MainWindow::PostDataPanelRebuild() {
    std::weak_ptr<int> alive = alive_;
    platform::post([this, alive] {
        if (alive.expired() || !data_panel || session_.mode() != core::ViewMode::data) return;
        BuildDataPanel(*data_panel, session_.section());
    });
}

}  // namespace app
