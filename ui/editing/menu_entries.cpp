#include "ui/editing/menu_entries.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

std::vector<menu_entry> menu_entries(core::ViewMode mode, const engine::document_data* data) {
    std::vector<menu_entry> entries;
    if (!data) return entries;
    switch (mode) {
        case core::ViewMode::data: {
            const std::size_t count = section_count(data);
            for (std::size_t i = 0; i < count; ++i)
                entries.push_back({data->parameters.groups[i].record.s1, false});
            break;
        }
        case core::ViewMode::settings:
            for (int row : {engine::ui_text::settings_font, engine::ui_text::settings_paragraph,
                            engine::ui_text::settings_page, engine::ui_text::settings_general})
                entries.push_back({core::ui_string(row), true});
            break;
        case core::ViewMode::text_edit: {
            entries.push_back({core::ui_string(engine::ui_text::setup_paragraphs), false});
            if (auto page = first_standard_page(data)) {
                const engine::doc_group& standard = data->pages.groups[std::size_t(*page)];
                const std::size_t blocks = engine::element_count_of(standard);
                for (std::size_t b = 0; b < blocks; ++b)
                    entries.push_back({standard.elements[b].record.s1, false});
            }
            break;
        }
        case core::ViewMode::save_print:
            entries.push_back({core::ui_string(engine::ui_text::print), true});
            entries.push_back({core::ui_string(engine::ui_text::save), true});
            break;
        default: break;
    }
    return entries;
}

}  // namespace ui
