#include "ui/output/setting_rows.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "ui/editing/panel_rows.h"
#include "ui/output/option_controls.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace text = engine::ui_text;

namespace {

// Appends the group box with its slider; answers the slider.
std::shared_ptr<platform::Slider> append_slider_box(platform::Panel& panel, double minimum,
                                                    double maximum, double value) {
    SliderGroup made = MakeSliderGroup(minimum, maximum, value);
    panel.children().append(made.box);
    return made.slider;
}

// The indent the caption names: the document's own, even past the slider's
// end (a template may indent 45 mm); a stored number that is no length (not
// finite, negative, wider than any paper) shows what the slider holds.
double shown_indent(float stored, double on_slider) {
    constexpr double widest_paper = 1000.0;  // mm
    return stored >= 0.0f && stored <= widest_paper ? stored : on_slider;
}

}  // namespace

SettingRows::SettingRows(core::session& session, RenderWanted render)
    : session_(session), render_(std::move(render)) {}

void SettingRows::MakeFontSizeRow(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    MakeSectionHeader(panel, core::ui_string(text::font_size),
                      points_text(formatting.body_font_size));
    auto slider = append_slider_box(panel, 6, 18, formatting.body_font_size);
    slider->value_changed.add(
        [this](platform::Slider& sender, double value) { OnFontSizeChanged(sender, value); });
}

void SettingRows::MakeFirstLineIndentRow(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    const SliderGroup made = MakeSliderGroup(0, 30, formatting.first_line_indent);
    MakeSectionHeader(
        panel,
        core::ui_string(formatting.hanging_indent ? text::indent_left : text::first_line_indent),
        millimetres_text(shown_indent(formatting.first_line_indent, made.slider->value())));
    panel.children().append(made.box);
    made.slider->value_changed.add([this](platform::Slider& sender, double value) {
        OnFirstLineIndentChanged(sender, value);
    });
}

void SettingRows::MakeBodyTopPaddingRow(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    MakeSectionHeader(panel, core::ui_string(text::top_padding),
                      millimetres_text(formatting.body_top_padding));
    append_slider_box(panel, 0, 15, formatting.body_top_padding)
        ->value_changed.add([this](platform::Slider& sender, double value) {
            OnBodyTopPaddingChanged(sender, value);
        });
}

void SettingRows::MakeLineSpacingRow(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    // Below 2 is the default spacing; the thumb then stands at 1.
    if (formatting.line_spacing < 2) formatting.line_spacing = 0;
    MakeSectionHeader(panel, core::ui_string(text::line_spacing),
                      line_spacing_text(formatting.line_spacing));
    append_slider_box(panel, 1, 15, formatting.line_spacing)
        ->value_changed.add([this](platform::Slider& sender, double value) {
            OnLineSpacingChanged(sender, value);
        });
}

void SettingRows::MakeHeadingTopPaddingRow(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    MakeSectionHeader(panel, core::ui_string(text::top_padding),
                      millimetres_text(formatting.heading_top_padding));
    append_slider_box(panel, 0, 15, formatting.heading_top_padding)
        ->value_changed.add([this](platform::Slider& sender, double value) {
            OnHeadingTopPaddingChanged(sender, value);
        });
}

void SettingRows::MakePageMarginRow(platform::Panel& panel, std::int32_t side) {
    core::formatting_cache& formatting = session_.formatting();
    const std::int32_t margins[] = {formatting.margin_left, formatting.margin_top,
                                    formatting.margin_right, formatting.margin_bottom};
    if (side < 0 || side > 3) return;
    const std::int32_t value = margins[side];
    MakeSectionHeader(panel, core::ui_string(text::left_margin + side), millimetres_text(value));
    auto slider = append_slider_box(panel, 1, 50, value);
    slider->data_context = side;
    slider->value_changed.add(
        [this](platform::Slider& sender, double value) { OnPageMarginChanged(sender, value); });
}

}  // namespace ui
