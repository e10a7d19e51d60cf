#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

bool within(std::int32_t index, std::size_t count) {
    return index >= 0 && std::size_t(index) < count;
}

constexpr std::uint16_t standard_page_kind = 1;

}  // namespace

std::size_t section_count(const engine::document_data* data) {
    return data ? engine::group_count_of(data->parameters) : 0;
}

engine::doc_group* section_at(engine::document_data* data, std::int32_t section) {
    if (!within(section, section_count(data))) return nullptr;
    return &data->parameters.groups[std::size_t(section)];
}

std::size_t field_count(const engine::doc_group& section) {
    return engine::element_count_of(section);
}

engine::doc_element* field_at(engine::doc_group& section, std::int32_t field) {
    if (!within(field, field_count(section))) return nullptr;
    return &section.elements[std::size_t(field)];
}

engine::doc_element* field_at(engine::document_data* data, std::int32_t section,
                              std::int32_t field) {
    engine::doc_group* group = section_at(data, section);
    return group ? field_at(*group, field) : nullptr;
}

std::size_t option_count(const engine::doc_element& field) { return engine::item_count_of(field); }

engine::doc_record* option_at(engine::doc_element& field, std::int32_t option) {
    if (!within(option, option_count(field))) return nullptr;
    return &field.items[std::size_t(option)];
}

std::size_t page_count(const engine::document_data* data) {
    return data ? engine::group_count_of(data->pages) : 0;
}

engine::doc_group* page_at(engine::document_data* data, std::int32_t page) {
    if (!within(page, page_count(data))) return nullptr;
    return &data->pages.groups[std::size_t(page)];
}

std::optional<std::int32_t> first_standard_page(const engine::document_data* data) {
    const std::size_t count = page_count(data);
    for (std::size_t i = 0; i < count; ++i) {
        if (data->pages.groups[i].record.a == standard_page_kind) return std::int32_t(i);
    }
    return std::nullopt;
}

engine::doc_record* text_record_at(engine::document_data* data, std::int32_t page,
                                   std::int32_t block, std::int32_t paragraph) {
    engine::doc_group* group = page_at(data, page);
    if (!group) return nullptr;
    if (block == -1) return &group->record;
    // Blocks and paragraphs are reached as fields and options are.
    engine::doc_element* element = field_at(*group, block);
    if (!element) return nullptr;
    if (paragraph == -1) return &element->record;
    return option_at(*element, paragraph);
}

}  // namespace ui
