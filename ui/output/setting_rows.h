// The setting rows of the settings panel and of the save/print panel's
// layout page: a header with the setting's name and its value caption, then
// a group box holding its slider. Every row adds exactly these two children
// to its panel, which the handlers rely on to find the caption. The font
// handlers store the control's value in the session's formatting cache,
// write the cache into the document and ask for a render. UI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "core/session.h"
#include "platform/element.h"
#include "platform/panel.h"
#include "platform/slider.h"
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

private:
    core::session& session_;
    RenderWanted render_;
};

}  // namespace ui
