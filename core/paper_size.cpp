#include "core/paper_size.h"

#include <array>
#include <cmath>

namespace core {

namespace {

struct paper_size {
    std::uint16_t width, height;  // portrait, mm
};

// clang-format off
constexpr std::array<paper_size, 4> sizes{{
    {216, 279},  // letter
    {203, 254},  // government letter
    {216, 356},  // legal
    {210, 297},  // A4
}};
// clang-format on

bool is_landscape(const engine::doc_record& page_setup) {
    return page_setup.d1 > double(page_setup.v[0]);
}

}  // namespace

void set_paper(engine::doc_record& page_setup, Paper paper) {
    const auto index = std::size_t(paper);
    if (index >= sizes.size()) return;
    const paper_size size = sizes[index];
    const bool landscape = is_landscape(page_setup);
    page_setup.d1 = landscape ? size.height : size.width;
    page_setup.v[0] = landscape ? size.width : size.height;
}

void set_landscape(engine::doc_record& page_setup, bool landscape) {
    const double width = page_setup.d1;
    if (!std::isfinite(width) || is_landscape(page_setup) == landscape) return;
    // The 16-bit height cannot take a negative or huge width as it is.
    const double height = std::trunc(std::fmin(std::fmax(width, 1.0), 65535.0));
    page_setup.d1 = page_setup.v[0];
    page_setup.v[0] = static_cast<std::uint16_t>(height);
}

}  // namespace core
