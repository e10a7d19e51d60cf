// The paragraph handlers: each stores the control's value in the formatting
// cache, rewrites the row's value caption and writes its own setting into
// the tree, leaving the template's other choices as they are. In the
// settings panel it renders at once; the layout page waits for "Apply".
#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/output/row_captions.h"
#include "ui/output/setting_rows.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace text = engine::ui_text;

namespace {

using core::ParagraphSetting;

// The indent row's header on the settings panel's Paragraph page.
constexpr std::size_t indent_header_in_settings = 1;

// Where a slider row's header stands in the settings panel's Paragraph page
// and in the save/print panel's layout page.
struct header_positions {
    std::size_t settings, layout;
};
constexpr header_positions indent_header{indent_header_in_settings, 16};
constexpr header_positions body_padding_header{4, 14};
constexpr header_positions line_spacing_header{6, 12};
constexpr header_positions heading_padding_header{10, 18};

// What every paragraph slider does: only while a panel with its row is open,
// the value stored and written into the tree, the caption rewritten, and a
// render in the settings panel.
template <class StoreAndApply>
void on_paragraph_slider(core::session& session, const RenderWanted& render,
                         platform::Slider& sender, header_positions positions,
                         StoreAndApply store_and_apply) {
    const core::ViewMode mode = session.mode();
    if (mode != core::ViewMode::settings && mode != core::ViewMode::save_print) return;
    const bool settings = mode == core::ViewMode::settings;
    const std::wstring caption_text = store_and_apply();
    if (platform::TextBlock* caption =
            value_caption(sender, settings ? positions.settings : positions.layout))
        caption->set_text(caption_text);
    if (settings) render(false);
}

}  // namespace

void SettingRows::ApplyParagraphSettings(ParagraphSetting setting) {
    if (engine::document_data* data = session_.data())
        core::apply_paragraph_settings(session_.formatting(), data->pages, setting);
}

void SettingRows::OnFirstLineIndentChanged(platform::Slider& sender, double value) {
    on_paragraph_slider(session_, render_, sender, indent_header, [&] {
        session_.formatting().first_line_indent = float(value);
        ApplyParagraphSettings(ParagraphSetting::first_line_indent);
        return millimetres_text(session_.formatting().first_line_indent);
    });
}

void SettingRows::OnBodyTopPaddingChanged(platform::Slider& sender, double value) {
    on_paragraph_slider(session_, render_, sender, body_padding_header, [&] {
        session_.formatting().body_top_padding = std::int32_t(value);
        ApplyParagraphSettings(ParagraphSetting::body_top_padding);
        return millimetres_text(session_.formatting().body_top_padding);
    });
}

void SettingRows::OnLineSpacingChanged(platform::Slider& sender, double value) {
    on_paragraph_slider(session_, render_, sender, line_spacing_header, [&] {
        // The slider's lowest position stands for the default spacing.
        std::int32_t& spacing = session_.formatting().line_spacing;
        spacing = std::int32_t(value) < 2 ? 0 : std::int32_t(value);
        ApplyParagraphSettings(ParagraphSetting::line_spacing);
        return line_spacing_text(spacing);
    });
}

void SettingRows::OnHeadingTopPaddingChanged(platform::Slider& sender, double value) {
    on_paragraph_slider(session_, render_, sender, heading_padding_header, [&] {
        session_.formatting().heading_top_padding = std::int32_t(value);
        ApplyParagraphSettings(ParagraphSetting::heading_top_padding);
        return millimetres_text(session_.formatting().heading_top_padding);
    });
}

void SettingRows::OnHangingIndentChecked(platform::ToggleButton& sender) {
    const bool checked = sender.is_checked();
    // A document without a page setup keeps no numbering choice.
    if (core::page_setup_record(session_.data())) {
        session_.formatting().hanging_indent = checked;
        core::page_setup_root(session_.data())->v[1] = checked ? 1 : 0;
        if (auto page = sender.parent()) {
            if (platform::TextBlock* caption = header_text(*page, indent_header_in_settings, 0))
                caption->set_text(
                    core::ui_string(checked ? text::indent_left : text::first_line_indent));
        }
    }
    render_(false);
}

void SettingRows::OnJustifyBodyChecked(bool checked) {
    session_.formatting().justify_body = checked ? 1 : 0;
    ApplyParagraphSettings(ParagraphSetting::justify_body);
    render_(false);
}

void SettingRows::OnCenterHeadingsChecked(bool checked) {
    session_.formatting().center_headings = checked ? 1 : 0;
    ApplyParagraphSettings(ParagraphSetting::center_headings);
    render_(false);
}

}  // namespace ui
