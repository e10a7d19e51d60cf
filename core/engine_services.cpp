#include "core/engine_services.h"

#include <algorithm>
#include <cmath>

namespace core {

engine::doc_record* page_setup_root(engine::document_data* data) {
    return data ? &data->page_setup.record : nullptr;
}

engine::doc_record* page_setup_record(engine::document_data* data) {
    if (!has_page_setup(data)) return nullptr;
    return &data->page_setup.groups[0].record;
}

engine::doc_element* footer_element(engine::document_data* data) {
    if (!has_page_setup(data)) return nullptr;
    engine::doc_group& setup = data->page_setup.groups[0];
    if (engine::element_count_of(setup) < 4) return nullptr;
    return &setup.elements[3];
}

bool has_page_setup(const engine::document_data* data) {
    return data && engine::group_count_of(data->page_setup) > 0;
}

double applied_zoom(double setting) {
    if (!std::isfinite(setting)) return 100.0;
    return std::clamp(setting, 50.0, 250.0);
}

}  // namespace core
