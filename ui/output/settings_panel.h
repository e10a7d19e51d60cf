// The panel of the settings mode, built for the page chosen in the left menu:
//   Font     the family list, body size, heading size, bold numbering and
//            headings;
//   Paragraph  indent, space above body and headings, line spacing, hanging
//            indent, justified body and centred headings;
//   Page     paper, orientation and the four margins;
//   General Settings  what opens at the next start, and the view's zoom.
// The document's settings go into its tree and show at once; the start
// choice and the zoom go into the settings, written when the window closes.
// The children of each page keep a fixed order: the handlers find rows by
// their position. UI thread only; the session, the system and the view
// outlive the panel.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"
#include "platform/list_box.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/system.h"
#include "platform/toggle_button.h"
#include "platform/web_view.h"
#include "ui/output/setting_rows.h"
#include "ui/render_wanted.h"

namespace ui {

// The pages; the values are the left menu's entries in the settings mode.
enum class SettingsPage : std::int32_t { font = 0, paragraph = 1, page = 2, general = 3 };

class SettingsPanel final {
public:
    // `system` gives the font families; `document_view` takes the zoom.
    SettingsPanel(core::session& session, RenderWanted render, platform::System& system,
                  std::shared_ptr<platform::WebView> document_view);
    SettingsPanel(const SettingsPanel&) = delete;
    SettingsPanel& operator=(const SettingsPanel&) = delete;

    // Empties `panel` and builds the page `page` of `SettingsPage`; nothing
    // for another page or while no document with a page setup is open.
    void BuildSettingsPanel(platform::Panel& panel, std::int32_t page);

    // The setting's zoom given to the open document and the page shown;
    // while the print preview is shown, only to the document.
    void ApplyDocumentZoom();

private:
    void BuildFontPage(platform::Panel& panel);
    void BuildParagraphPage(platform::Panel& panel);
    void BuildPage(platform::Panel& panel);
    void BuildGeneralSettingsPage(platform::Panel& panel);
    // Paper and orientation (page_layout_section.cpp).
    void BuildPageLayoutSection(platform::Panel& panel);
    void OnOptionRadioChecked(platform::ToggleButton& sender);

    // The families of the interface language's script, read from the system
    // the first time they are shown.
    const std::vector<std::wstring>& FontFamilies();
    std::shared_ptr<platform::Panel> MakeFontFamilyList();
    void OnStartWithRecentDocument();
    void OnStartWithLibrary();
    void OnZoomChanged(platform::Slider& sender, double value);

    core::session& session_;
    RenderWanted render_;
    platform::System& system_;
    std::shared_ptr<platform::WebView> document_view_;
    SettingRows setting_rows_;
    std::optional<std::vector<std::wstring>> latin_font_families_;
    std::optional<std::vector<std::wstring>> cyrillic_font_families_;
};

}  // namespace ui
