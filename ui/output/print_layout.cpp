#include "ui/output/print_layout.h"

#include <algorithm>

#include "engine/document/page_setup.h"

namespace ui {

namespace {

double margin_in(std::int32_t mm) { return double(mm == 0 ? 1 : mm) * inches_per_mm; }

}  // namespace

platform::PageLayout print_layout(const engine::document_data* data, margins_mm margins) {
    const double width = engine::page_width_mm(data);
    const double height = engine::page_height_mm(data);
    platform::PageLayout layout;
    layout.landscape = engine::is_landscape(data) == 1.0;
    layout.width_in = std::min(width, height) * inches_per_mm;
    layout.height_in = std::max(width, height) * inches_per_mm;
    layout.left_in = margin_in(margins.left);
    layout.top_in = margin_in(margins.top);
    layout.bottom_in = margin_in(margins.bottom);
    layout.right_in = margin_in(margins.right) - inches_per_mm;
    return layout;
}

}  // namespace ui
