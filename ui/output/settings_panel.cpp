// The four pages of the settings panel, the font-family list, the start
// choice and the zoom.
#include "ui/output/settings_panel.h"

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/dispatcher.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/panel_rows.h"
#include "ui/output/document_zoom.h"
#include "ui/output/font_families.h"
#include "ui/output/option_controls.h"
#include "ui/output/row_captions.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace text = engine::ui_text;

namespace {

constexpr double font_list_height = 262;
constexpr platform::Color black{255, 0, 0, 0};
// The entries shown below the selected family when the list opens.
constexpr int families_below_selection = 3;
// The zoom header on the General Settings page.
constexpr std::size_t zoom_header = 3;
// The start radios' codes.
constexpr std::int32_t start_with_recent_document = 0, start_with_library = 1;

std::shared_ptr<platform::CheckBox> settings_check_box(int row, bool checked,
                                                       ToggleHandler on_toggled) {
    auto box = MakeOptionCheckBox(core::ui_string(row), checked, std::move(on_toggled));
    box->set_font(look::editor_font());
    return box;
}

}  // namespace

SettingsPanel::SettingsPanel(core::session& session, RenderWanted render, platform::System& system,
                             std::shared_ptr<platform::WebView> document_view)
    : session_(session),
      render_(render),
      system_(system),
      document_view_(std::move(document_view)),
      setting_rows_(session, render) {}

void SettingsPanel::BuildSettingsPanel(platform::Panel& panel, std::int32_t page) {
    panel.children().clear();
    if (!session_.has_loaded_document()) return;
    switch (SettingsPage(page)) {
        case SettingsPage::font: BuildFontPage(panel); break;
        case SettingsPage::paragraph: BuildParagraphPage(panel); break;
        case SettingsPage::page: BuildPage(panel); break;
        case SettingsPage::general: BuildGeneralSettingsPage(panel); break;
        default: break;
    }
}

void SettingsPanel::BuildFontPage(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    MakeLabel(panel, core::ui_string(text::font_body));
    MakeSectionHeader(panel, core::ui_string(text::font_family), formatting.font_family);
    panel.children().append(MakeFontFamilyList());
    setting_rows_.MakeFontSizeRow(panel);
    panel.children().append(settings_check_box(
        text::bold_numbering, formatting.bold_numbering, [this](platform::ToggleButton& sender) {
            setting_rows_.OnBoldNumberingChecked(sender.is_checked());
        }));
    MakeLabel(panel, core::ui_string(text::font_headings));
    MakeSectionHeader(panel, core::ui_string(text::font_size),
                      heading_delta_text(formatting.heading_size_delta));
    const SliderGroup heading_size = MakeSliderGroup(-2, 3, formatting.heading_size_delta);
    panel.children().append(heading_size.box);
    heading_size.slider->value_changed.add([this](platform::Slider& sender, double value) {
        setting_rows_.OnHeadingSizeChanged(sender, value);
    });
    panel.children().append(settings_check_box(
        text::bold_headings, formatting.bold_headings, [this](platform::ToggleButton& sender) {
            setting_rows_.OnBoldHeadingsChecked(sender.is_checked());
        }));
}

const std::vector<std::wstring>& SettingsPanel::FontFamilies() {
    const bool russian = session_.language() == 1;
    std::optional<std::vector<std::wstring>>& list =
        russian ? cyrillic_font_families_ : latin_font_families_;
    if (!list) {
        list = font_family_list(system_.font_families(russian ? platform::FontScript::cyrillic
                                                              : platform::FontScript::latin));
    }
    return *list;
}

std::shared_ptr<platform::Panel> SettingsPanel::MakeFontFamilyList() {
    const std::wstring& chosen = session_.formatting().font_family;
    std::vector<platform::ListEntry> entries;
    int selected = -1;
    for (std::wstring& family : shown_font_families(FontFamilies(), session_.language())) {
        if (family == chosen) selected = int(entries.size());
        entries.push_back({family, black, 0, family});
    }
    const int count = int(entries.size());
    auto list = platform::ListBox::create();
    list->set_height(font_list_height);
    list->set_entries(std::move(entries));
    list->set_selected_index(selected);
    if (selected >= 0) {
        // A list not yet shown has no size to scroll in: scroll on the next
        // turn, first past the selection so that names show below it.
        std::weak_ptr<platform::ListBox> weak = list;
        platform::post([weak, selected, count] {
            auto shown = weak.lock();
            if (!shown) return;
            if (selected + families_below_selection < count)
                shown->scroll_into_view(selected + families_below_selection);
            shown->scroll_into_view(selected);
        });
    }
    list->selection_changed.add([this](platform::ListBox& sender, const int& index) {
        if (index < 0 || std::size_t(index) >= sender.entries().size()) return;
        setting_rows_.OnFontFamilySelectionChanged(sender,
                                                   sender.entries()[std::size_t(index)].text);
    });
    auto box = MakeGroupBox();
    box->children().append(list);
    return box;
}

void SettingsPanel::BuildParagraphPage(platform::Panel& panel) {
    core::formatting_cache& formatting = session_.formatting();
    MakeLabel(panel, core::ui_string(text::paragraph_body));
    setting_rows_.MakeFirstLineIndentRow(panel);
    panel.children().append(settings_check_box(
        text::hanging_indent, formatting.hanging_indent,
        [this](platform::ToggleButton& sender) { setting_rows_.OnHangingIndentChecked(sender); }));
    setting_rows_.MakeBodyTopPaddingRow(panel);
    setting_rows_.MakeLineSpacingRow(panel);
    panel.children().append(settings_check_box(
        text::justify, formatting.justify_body != 0, [this](platform::ToggleButton& sender) {
            setting_rows_.OnJustifyBodyChecked(sender.is_checked());
        }));
    MakeLabel(panel, core::ui_string(text::paragraph_headings));
    setting_rows_.MakeHeadingTopPaddingRow(panel);
    panel.children().append(settings_check_box(text::align_center, formatting.center_headings != 0,
                                               [this](platform::ToggleButton& sender) {
                                                   setting_rows_.OnCenterHeadingsChecked(
                                                       sender.is_checked());
                                               }));
}

void SettingsPanel::BuildPage(platform::Panel& panel) {
    MakeLabel(panel, core::ui_string(text::page_layout));
    BuildPageLayoutSection(panel);
    MakeLabel(panel, core::ui_string(text::page_margins));
    for (std::int32_t side : {0, 2, 1, 3}) setting_rows_.MakePageMarginRow(panel, side);
}

void SettingsPanel::BuildGeneralSettingsPage(platform::Panel& panel) {
    const core::settings& config = session_.config();
    MakeLabel(panel, core::ui_string(text::settings_general));
    MakeSectionHeader(panel, core::ui_string(text::open_at_startup), {});
    panel.children().append(
        MakeOptionGroup({{core::ui_string(text::recent_document), start_with_recent_document},
                         {core::ui_string(text::document_library), start_with_library}},
                        config.start_on_library() ? start_with_library : start_with_recent_document,
                        [this](platform::ToggleButton& sender) {
                            if (sender.data_context == platform::Value(start_with_library)) {
                                OnStartWithLibrary();
                            } else {
                                OnStartWithRecentDocument();
                            }
                        }));
    MakeSectionHeader(panel, core::ui_string(text::document_zoom), zoom_text(config.DocumentZoom));
    const SliderGroup zoom = MakeSliderGroup(50, 250, core::applied_zoom(config.DocumentZoom));
    panel.children().append(zoom.box);
    zoom.slider->value_changed.add(
        [this](platform::Slider& sender, double value) { OnZoomChanged(sender, value); });
}

// The choice takes effect at the next start.
void SettingsPanel::OnStartWithRecentDocument() { session_.config().StartOnLibrary = 0; }

void SettingsPanel::OnStartWithLibrary() { session_.config().StartOnLibrary = 1; }

void SettingsPanel::OnZoomChanged(platform::Slider& sender, double value) {
    double& zoom = session_.config().DocumentZoom;
    zoom = value;
    if (platform::TextBlock* caption = value_caption(sender, zoom_header))
        caption->set_text(zoom_text(zoom));
    ApplyDocumentZoom();
}

void SettingsPanel::ApplyDocumentZoom() {
    session_.apply_zoom();
    // The preview's page carries no zoom; the screen HTML of later renders
    // carries the document's.
    if (session_.mode() == core::ViewMode::save_print) return;
    document_view_->execute_script(zoom_script(session_.config().DocumentZoom));
}

}  // namespace ui
