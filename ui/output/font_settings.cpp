// The font handlers: each stores the control's value in the formatting
// cache, rewrites the row's value caption, writes the cache into the tree
// and asks for a render that keeps the scroll position.
#include "platform/controls.h"
#include "platform/toggle_button.h"
#include "ui/output/row_captions.h"
#include "ui/output/setting_rows.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace {

// Position of the font-size header in the settings panel's Font page and in
// the save/print panel's layout page; of the heading-size header.
constexpr std::size_t font_size_header_in_settings = 3;
constexpr std::size_t font_size_header_in_layout = 10;
constexpr std::size_t heading_size_header = 7;
constexpr std::size_t font_family_header = 1;

}  // namespace

void SettingRows::ApplyFontSettings() {
    if (engine::document_data* data = session_.data())
        core::apply_font_settings(session_.formatting(), data->pages);
}

void SettingRows::OnFontFamilySelectionChanged(platform::Element& sender,
                                               const std::wstring& family) {
    core::formatting_cache& formatting = session_.formatting();
    auto box = sender.parent();
    if (!box || family.empty()) return;
    formatting.font_family = family;
    if (platform::TextBlock* caption = value_caption(sender, font_family_header))
        caption->set_text(family);
    ApplyFontSettings();
    render_(false);
}

void SettingRows::OnFontSizeChanged(platform::Slider& sender, double value) {
    core::formatting_cache& formatting = session_.formatting();
    const core::ViewMode mode = session_.mode();
    if (mode != core::ViewMode::settings && mode != core::ViewMode::save_print) return;
    formatting.body_font_size = float(value);
    const std::size_t position = mode == core::ViewMode::settings ? font_size_header_in_settings
                                                                  : font_size_header_in_layout;
    if (platform::TextBlock* caption = value_caption(sender, position)) {
        caption->set_text(points_text(formatting.body_font_size));
    }
    ApplyFontSettings();
    // In the layout page the change waits for its "Apply".
    if (mode == core::ViewMode::settings) render_(false);
}

void SettingRows::OnHeadingSizeChanged(platform::Slider& sender, double value) {
    core::formatting_cache& formatting = session_.formatting();
    formatting.heading_size_delta = float(value);
    if (platform::TextBlock* caption = value_caption(sender, heading_size_header)) {
        caption->set_text(heading_delta_text(formatting.heading_size_delta));
    }
    ApplyFontSettings();
    render_(false);
}

void SettingRows::OnBoldNumberingChecked(bool checked) {
    core::formatting_cache& formatting = session_.formatting();
    formatting.bold_numbering = checked;
    if (engine::document_data* data = session_.data()) data->page_setup.record.c = checked ? 1 : 0;
    ApplyFontSettings();
    render_(false);
}

void SettingRows::OnBoldHeadingsChecked(bool checked) {
    core::formatting_cache& formatting = session_.formatting();
    formatting.bold_headings = checked;
    ApplyFontSettings();
    render_(false);
}

}  // namespace ui
