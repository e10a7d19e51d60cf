#include "ui/editing/menu_entries.h"

#include "engine/document/ui_strings.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

constexpr int print_row = 3;
constexpr int save_row = 4;
constexpr int font_row = 9;  // then Paragraph, Page, General Settings
constexpr int setup_paragraphs_row = 104;

}  // namespace

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
            for (int row = font_row; row < font_row + 4; ++row)
                entries.push_back({engine::ui_string(row), true});
            break;
        case core::ViewMode::text_edit: {
            entries.push_back({engine::ui_string(setup_paragraphs_row), false});
            if (auto page = first_standard_page(data)) {
                const engine::doc_group& standard = data->pages.groups[std::size_t(*page)];
                const std::size_t blocks = engine::element_count_of(standard);
                for (std::size_t b = 0; b < blocks; ++b)
                    entries.push_back({standard.elements[b].record.s1, false});
            }
            break;
        }
        case core::ViewMode::save_print:
            entries.push_back({engine::ui_string(print_row), true});
            entries.push_back({engine::ui_string(save_row), true});
            break;
        default:
            break;
    }
    return entries;
}

}  // namespace ui
