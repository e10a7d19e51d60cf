#include "ui/editing/text_edit_panel.h"

#include <variant>

#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

TextEditPanel::TextEditPanel(core::session& session, RenderWanted render)
    : session_(session), render_(std::move(render)) {}

void TextEditPanel::BuildTextEditPanels(platform::Panel& panel, std::int32_t index) {
    engine::document_data* data = session_.data();
    const std::optional<std::int32_t> standard = first_standard_page(data);
    if (index == 0) {
        const auto before = standard ? *standard : std::int32_t(page_count(data));
        for (std::int32_t page = 0; page < before; ++page)
            BuildTextEditPanel(panel, {page, -1, -1});
        return;
    }
    if (index < 1 || !standard) return;
    engine::doc_group* page = page_at(data, *standard);
    engine::doc_element* block = page ? field_at(*page, index - 1) : nullptr;
    if (!block) return;
    BuildTextEditPanel(panel, {*standard, index - 1, -1});
    const auto paragraphs = std::int32_t(option_count(*block));
    for (std::int32_t paragraph = 0; paragraph < paragraphs; ++paragraph)
        BuildTextEditPanel(panel, {*standard, index - 1, paragraph});
}

void TextEditPanel::BuildTextEditPanel(platform::Panel& panel, const platform::TreeIndex& tag) {
    const engine::doc_record* record =
        text_record_at(session_.data(), tag.group, tag.element, tag.item);
    if (!record) return;
    auto row = platform::Grid::create();
    row->set_margin({18, 12, 22, 4});
    platform::set_border(*row, {look::white, look::dark_gray, 1, look::corner_radius});
    auto box = platform::TextBox::create(true);
    box->set_font(look::editor_font());
    box->set_frame({4, 10, 38, 10}, look::white, {1, 1, 1, 1});
    box->set_height(328);
    box->data_context = tag;
    // The text goes in before the handler: showing the mode stores nothing.
    box->set_text(record->s2);
    box->text_changed.add(
        [this](platform::TextBox& sender, const platform::NoArgs&) { OnTextEditChanged(sender); });
    row->children().append(box);
    row->data_context = tag;
    panel.children().append(row);
}

void TextEditPanel::OnTextEditChanged(platform::TextBox& sender) {
    const auto* tag = std::get_if<platform::TreeIndex>(&sender.data_context);
    if (!tag) return;
    engine::doc_record* record =
        text_record_at(session_.data(), tag->group, tag->element, tag->item);
    if (!record) return;
    record->s2 = sender.text();
    render_(false);
}

}  // namespace ui
