// Paper and orientation on the Page page: read back from the page size each
// time the page is built, written straight into the page setup.
#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "core/paper_size.h"
#include "engine/document/page_setup.h"
#include "engine/document/ui_text.h"
#include "ui/editing/panel_rows.h"
#include "ui/output/option_controls.h"
#include "ui/output/settings_panel.h"

namespace ui {

namespace text = engine::ui_text;

namespace {

// The radios' codes: the paper's plus 7, then portrait and landscape.
constexpr std::int32_t first_paper_code = 7, portrait_code = 11, landscape_code = 12;

}  // namespace

void SettingsPanel::BuildPageLayoutSection(platform::Panel& panel) {
    const engine::document_data* data = session_.data();
    auto on_checked = [this](platform::ToggleButton& sender) { OnOptionRadioChecked(sender); };
    // The paper names are the same in both languages.
    panel.children().append(MakeOptionGroup(
        {{L"Letter", first_paper_code + std::int32_t(core::Paper::letter)},
         {L"Government Letter", first_paper_code + std::int32_t(core::Paper::government_letter)},
         {L"Legal", first_paper_code + std::int32_t(core::Paper::legal)},
         {L"A4", first_paper_code + std::int32_t(core::Paper::a4)}},
        first_paper_code + std::int32_t(engine::paper_kind(data)), on_checked));
    MakeSectionHeader(panel, core::ui_string(text::orientation), {});
    panel.children().append(MakeOptionGroup(
        {{core::ui_string(text::portrait), portrait_code},
         {core::ui_string(text::landscape), landscape_code}},
        engine::is_landscape(data) == 1.0 ? landscape_code : portrait_code, on_checked));
}

void SettingsPanel::OnOptionRadioChecked(platform::ToggleButton& sender) {
    const auto* code = std::get_if<std::int32_t>(&sender.data_context);
    if (!code) return;
    engine::doc_record* page_setup = core::page_setup_record(session_.data());
    if (*code >= first_paper_code && *code < portrait_code) {
        if (page_setup) core::set_paper(*page_setup, core::Paper(*code - first_paper_code));
    } else if (*code == portrait_code || *code == landscape_code) {
        if (page_setup) core::set_landscape(*page_setup, *code == landscape_code);
    } else {
        return;
    }
    render_(false);
}

}  // namespace ui
