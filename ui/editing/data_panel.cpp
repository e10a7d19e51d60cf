// The data panel: built for the current mode and the selected menu entry,
// with the field captions, and the hidden flags of the fields applied to the
// rows after an edit.
#include "ui/editing/data_panel.h"

#include <variant>

#include "platform/decoration.h"
#include "platform/dispatcher.h"
#include "ui/editing/field_conditions.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/shown_texts.h"

namespace ui {

using platform::Visibility;

DataPanel::DataPanel(core::session& session, RenderWanted render, OtherModes other_modes,
                     PickerHost picker_host)
    : session_(session),
      render_(std::move(render)),
      other_modes_(std::move(other_modes)),
      picker_host_(std::move(picker_host)),
      scroller_(platform::ScrollViewer::create()),
      panel_(platform::Panel::create()) {
    scroller_->set_content(panel_);
}

void DataPanel::BuildFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field,
                              field_type type) {
    switch (type) {
        case field_type::multi_line_text: BuildFieldRowType0(panel, section, field); break;
        case field_type::date:
        case field_type::listed_text:
        case field_type::number:
        case field_type::text: BuildFieldRowTypes1to4(panel, section, field); break;
        case field_type::database_text: BuildFieldRowType5(panel, section, field); break;
        case field_type::options: BuildOptionsFieldRow(panel, section, field); break;
        case field_type::choice: BuildChoiceFieldRow(panel, section, field); break;
        case field_type::image: BuildImageFieldRow(panel, section, field); break;
        case field_type::note: BuildNoteFieldRow(panel, section, field); break;
        default: break;
    }
}

void DataPanel::BuildDataPanel(platform::Panel& panel, std::int32_t index) {
    if (!session_.data()) return;
    panel.children().clear();
    switch (session_.mode()) {
        case core::ViewMode::data:
            if (engine::doc_group* section = section_at(session_.data(), index)) {
                const auto fields = std::int32_t(field_count(*section));
                for (std::int32_t f = 0; f < fields; ++f) {
                    BuildFieldRow(panel, index, f, type_of(section->elements[std::size_t(f)]));
                }
            }
            break;
        case core::ViewMode::settings:
            if (other_modes_.settings) other_modes_.settings(panel, session_.settings_page());
            break;
        case core::ViewMode::text_edit:
            if (other_modes_.text_edit) other_modes_.text_edit(panel, index);
            break;
        case core::ViewMode::save_print:
            if (other_modes_.save_print)
                other_modes_.save_print(panel, std::int32_t(session_.save_print_page()));
            break;
    }
    panel.set_background(look::panel_brush());
}

bool DataPanel::ReevaluateFieldConditions(std::int32_t section) {
    if (!session_.document()) return false;
    return reevaluate_field_conditions(*session_.document(), session_.view(), section);
}

void DataPanel::RefreshFieldRowVisibility() {
    // Field rows exist only in the data mode; other modes tag their rows otherwise.
    if (session_.mode() != core::ViewMode::data) return;
    const std::size_t count = panel_->children().size();
    for (std::size_t i = 0; i < count; ++i) {
        platform::Element& child = *panel_->children().at(i);
        // Children that carry no field tag (a status bar, a header) are not rows.
        const auto* tag = std::get_if<platform::TreeIndex>(&child.data_context);
        if (!tag || tag->item != -1) continue;
        const engine::doc_element* field = field_at(session_.data(), tag->group, tag->element);
        if (!field) continue;
        child.set_visibility(is_hidden(*field) ? Visibility::collapsed : Visibility::visible);
    }
}

void DataPanel::MakeFieldCaption(platform::Panel& panel, std::int32_t section, std::int32_t field) {
    const engine::doc_element* element = field_at(session_.data(), section, field);
    if (!element || element->record.s3.empty()) return;
    auto caption = platform::TextBlock::create(
        shown_text(session_.document(), session_.view(), element->record.s3));
    caption->set_font(look::caption_font());
    caption->set_margin({20, 12, 22, 2});
    platform::set_word_wrap(*caption, true);
    caption->set_foreground({look::dark_blue});
    caption->set_visibility(is_hidden(*element) ? Visibility::collapsed : Visibility::visible);
    caption->data_context = platform::TreeIndex{section, field, -1};
    panel.children().append(caption);
}

void DataPanel::PostDataPanelRebuild() {
    std::weak_ptr<int> alive = alive_;
    platform::post([this, alive] {
        if (alive.expired() || session_.mode() != core::ViewMode::data) return;
        BuildDataPanel(*panel_, session_.section());
    });
}

}  // namespace ui
