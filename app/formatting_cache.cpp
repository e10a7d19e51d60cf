#include "app/formatting_cache.h"

namespace app {

namespace {

const engine::doc_element* element_at(const engine::doc_group& group, std::size_t index) {
    return index < engine::element_count_of(group) ? &group.elements[index] : nullptr;
}

const engine::doc_record* item_at(const engine::doc_element* element, std::size_t index) {
    if (!element || index >= engine::item_count_of(*element)) return nullptr;
    return &element->items[index];
}

}  // namespace

formatting_cache read_formatting(const engine::doc_node& page_setup, const engine::doc_node& pages) {
    formatting_cache cache;
    const engine::doc_group* body = nullptr;
    for (std::size_t g = 0; g < engine::group_count_of(pages); ++g) {
        if (pages.groups[g].record.a == 1) {
            body = &pages.groups[g];
            cache.body_group = std::int32_t(g);
            break;
        }
    }
    if (!body) {
        cache.body_group = -1;
        return cache;
    }
    const engine::doc_record& root = page_setup.record;
    const engine::doc_element* e0 = element_at(*body, 0);
    const engine::doc_element* e1 = element_at(*body, 1);
    const engine::doc_record* i0 = item_at(e0, 0);
    const engine::doc_record* i1 = item_at(e0, 1);

    cache.document_flag_1 = root.c != 0;
    cache.document_flag_2 = root.v[1] != 0;
    if (i0) {
        cache.font_family = i0->s3;
        cache.font_size = float(i0->v[0]);
        cache.line_spacing = float(i0->d2);
        cache.paragraph_values[1] = i0->v[3];
        cache.paragraph_values[2] = i0->c;
        cache.paragraph_values[4] = i0->v[4];
    }
    const engine::doc_record* space_source = i1 ? i1 : i0;
    if (space_source) cache.paragraph_values[0] = space_source->v[4];
    if (e0) {
        cache.heading_size_step = float(e0->record.v[0]) - (i0 ? float(i0->v[0]) : 0.0f);
        cache.bold = e0->record.v[2] != 0;
        cache.paragraph_values[5] = e0->record.v[3];
        cache.paragraph_values[3] = (e1 ? e1 : e0)->record.v[4];
    }
    if (engine::group_count_of(page_setup) > 0) {
        const engine::doc_record& page = page_setup.groups[0].record;
        cache.page_values = {page.v[5], page.v[4], page.v[3], page.v[2]};
    }
    return cache;
}

}  // namespace app
