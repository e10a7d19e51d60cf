// The margin handler: a margin goes straight into the page setup, with no
// apply routine, and both panels render it at once (the save/print panel as
// a new preview).
#include "core/engine_services.h"
#include "ui/output/row_captions.h"
#include "ui/output/setting_rows.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace {

// By side (0 left, 1 top, 2 right, 3 bottom): the page-setup field and the
// header's position in the settings panel's Page page and in the save/print
// panel's layout page.
struct margin_row {
    std::size_t field;
    std::size_t settings_header, layout_header;
};

// clang-format off
constexpr margin_row margin_rows[] = {
    {5, 5, 1},    // left
    {4, 9, 5},    // top
    {3, 7, 3},    // right
    {2, 11, 7},   // bottom
};
// clang-format on

std::int32_t& cached_margin(core::formatting_cache& formatting, std::int32_t side) {
    std::int32_t* margins[] = {&formatting.margin_left, &formatting.margin_top,
                               &formatting.margin_right, &formatting.margin_bottom};
    return *margins[side];
}

}  // namespace

void SettingRows::OnPageMarginChanged(platform::Slider& sender, double value) {
    const auto* side = std::get_if<std::int32_t>(&sender.data_context);
    if (!side || *side < 0 || *side > 3 || !session_.data()) return;
    const margin_row& row = margin_rows[*side];
    // A document without a page setup has no margins to keep.
    if (engine::doc_record* page_setup = core::page_setup_record(session_.data())) {
        const auto millimetres = std::int32_t(value);  // the slider holds 1 to 50
        cached_margin(session_.formatting(), *side) = millimetres;
        page_setup->v[row.field] = static_cast<std::uint16_t>(millimetres);
    }
    const bool settings = session_.mode() == core::ViewMode::settings;
    platform::TextBlock* caption =
        value_caption(sender, settings ? row.settings_header : row.layout_header);
    if (!caption) return;
    caption->set_text(millimetres_text(std::int32_t(value)));
    render_(false);
}

}  // namespace ui
