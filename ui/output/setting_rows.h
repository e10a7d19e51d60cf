// The setting rows of the settings panel and of the save/print panel's
// layout page: a header with the setting's name and its value caption, then
// a group box holding its slider. Every row adds exactly these two children
// to its panel, which the handlers rely on to find the caption. The font,
// paragraph and margin handlers store the control's value in the session's
// formatting cache, write it into the document and ask for a render; the
// layout page's font and paragraph rows wait for its "Apply". UI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "core/formatting_cache.h"
#include "core/session.h"
#include "platform/element.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/toggle_button.h"
#include "ui/render_wanted.h"

namespace ui {

class SettingRows final {
public:
    SettingRows(core::session& session, RenderWanted render);
    SettingRows(const SettingRows&) = delete;
    SettingRows& operator=(const SettingRows&) = delete;

    void MakeFontSizeRow(platform::Panel& panel);
    void MakeFirstLineIndentRow(platform::Panel& panel);
    void MakeBodyTopPaddingRow(platform::Panel& panel);
    void MakeLineSpacingRow(platform::Panel& panel);
    void MakeHeadingTopPaddingRow(platform::Panel& panel);
    // side: 0 left, 1 top, 2 right, 3 bottom.
    void MakePageMarginRow(platform::Panel& panel, std::int32_t side);

    // The font part of the cache written into the open document.
    void ApplyFontSettings();
    void OnFontFamilySelectionChanged(platform::Element& sender, const std::wstring& family);
    void OnFontSizeChanged(platform::Slider& sender, double value);
    void OnHeadingSizeChanged(platform::Slider& sender, double value);
    void OnBoldNumberingChecked(bool checked);
    void OnBoldHeadingsChecked(bool checked);

    // One paragraph setting of the cache written into the open document
    // (paragraph_settings.cpp).
    void ApplyParagraphSettings(core::ParagraphSetting setting);
    void OnFirstLineIndentChanged(platform::Slider& sender, double value);
    void OnBodyTopPaddingChanged(platform::Slider& sender, double value);
    void OnLineSpacingChanged(platform::Slider& sender, double value);
    void OnHeadingTopPaddingChanged(platform::Slider& sender, double value);
    // The check box stands in the page beside the indent row, whose caption
    // it renames.
    void OnHangingIndentChecked(platform::ToggleButton& sender);
    void OnJustifyBodyChecked(bool checked);
    void OnCenterHeadingsChecked(bool checked);

    // A margin goes straight into the page setup and shows at once in both
    // panels (page_margins.cpp).
    void OnPageMarginChanged(platform::Slider& sender, double value);

private:
    core::session& session_;
    RenderWanted render_;
};

}  // namespace ui
