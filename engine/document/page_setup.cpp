#include "engine/document/page_setup.h"

#include <algorithm>

namespace engine {

namespace {

constexpr double longest_length_mm = 65535.0;

void hold_length(double& mm) { mm = std::clamp(mm, -longest_length_mm, longest_length_mm); }

void hold_record(doc_record& r) {
    hold_length(r.d1);
    hold_length(r.d2);
}

void hold_node(doc_node& node) {
    hold_record(node.record);
    for (std::size_t g = 0; g < group_count_of(node); ++g) {
        doc_group& group = node.groups[g];
        hold_record(group.record);
        for (std::size_t e = 0; e < element_count_of(group); ++e) {
            doc_element& element = group.elements[e];
            hold_record(element.record);
            for (std::size_t i = 0; i < item_count_of(element); ++i) hold_record(element.items[i]);
            if (element.children) hold_node(*element.children);
        }
    }
}

}  // namespace

void hold_lengths(document_data& data) {
    hold_node(data.page_setup);
    hold_node(data.pages);
}

doc_group* page_setup_group(document_data* data) {
    if (!data || group_count_of(data->page_setup) == 0) return nullptr;
    return &data->page_setup.groups[0];
}

const doc_record* page_setup_record(const document_data* data) {
    if (!data || group_count_of(data->page_setup) == 0) return nullptr;
    return &data->page_setup.groups[0].record;
}

void write_default_geometry(doc_record& r) {
    r.d1 = default_width_mm;
    r.v[0] = default_height_mm;
    r.v[5] = default_left_mm;
    r.v[3] = default_right_mm;
    r.v[4] = default_top_mm;
    r.v[2] = default_bottom_mm;
}

bool is_never_made(const doc_group& setup) { return !(setup.record.d1 >= 1.0); }

void write_default_setup(doc_group& setup) {
    write_default_geometry(setup.record);
    // The first two elements are the default styles; only those that exist.
    const std::uint16_t space_before[2] = {2, 12};
    for (std::size_t e = 0; e < element_count_of(setup) && e < 2; ++e) {
        doc_record& style = setup.elements[e].record;
        style.v[4] = space_before[e];
        style.s3 = L"Arial";
        style.v[0] = 8;
    }
}

double page_width_mm(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r ? r->d1 : default_width_mm;
}

double page_height_mm(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r ? double(r->v[0]) : double(default_height_mm);
}

double is_landscape(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    return r && r->d1 > double(r->v[0]) ? 1.0 : 0.0;
}

double paper_kind(const document_data* data) {
    const doc_record* r = page_setup_record(data);
    if (!r) return 3.0;
    auto is = [&](double a, double b) {
        return (r->d1 == a && r->v[0] == b) || (r->d1 == b && r->v[0] == a);
    };
    if (is(216, 279)) return 0.0;
    if (is(203, 254)) return 1.0;
    if (is(216, 356)) return 2.0;
    return 3.0;
}

}  // namespace engine
