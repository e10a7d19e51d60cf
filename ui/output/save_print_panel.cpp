// The pages of the save/print panel and their handlers.
#include "ui/output/save_print_panel.h"

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/button.h"
#include "platform/decoration.h"
#include "platform/filled_button.h"
#include "ui/editing/panel_look.h"
#include "ui/editing/panel_rows.h"
#include "ui/output/open_document_names.h"
#include "ui/output/option_controls.h"
#include "ui/output/page_selection.h"
#include "ui/output/row_captions.h"
#include "ui/output/value_captions.h"

namespace ui {

namespace text = engine::ui_text;
using platform::Visibility;

namespace {

// Text box tags; radio codes (print pages 0-3, save format + 4); check box codes.
constexpr std::int32_t page_list_tag = 0, folder_tag = 2, file_name_tag = 3;
constexpr std::int32_t save_format_code = 4;
constexpr std::int32_t footer_code = 0, open_after_saving_code = 2;
// Positions on the print page.
constexpr std::size_t copies_header_position = 1, page_list_row_position = 4;

}  // namespace

SavePrintPanel::SavePrintPanel(core::session& session, RenderWanted render, PrintPreview& preview,
                               StatusMessage& status, std::weak_ptr<platform::Window> window)
    : session_(session),
      render_(render),
      preview_(preview),
      status_(status),
      window_(std::move(window)),
      setting_rows_(session, render) {}

std::shared_ptr<platform::Panel> SavePrintPanel::MakeOptionGroup(
    std::initializer_list<std::pair<int, std::int32_t>> options, std::int32_t chosen) {
    std::vector<std::pair<std::wstring, std::int32_t>> texts;
    for (const auto& [row, code] : options) texts.emplace_back(core::ui_string(row), code);
    return ui::MakeOptionGroup(
        texts, chosen, [this](platform::ToggleButton& sender) { OnOptionRadioChecked(sender); });
}

std::shared_ptr<platform::CheckBox> SavePrintPanel::MakeOptionCheckBox(int row, std::int32_t code,
                                                                       bool checked) {
    auto box = ui::MakeOptionCheckBox(
        core::ui_string(row), checked,
        [this](platform::ToggleButton& sender) { OnOptionCheckBoxToggled(sender); });
    box->data_context = code;
    return box;
}

std::shared_ptr<platform::Grid> SavePrintPanel::MakeTextRow(std::int32_t tag,
                                                            const std::wstring& text,
                                                            const std::wstring& hint,
                                                            bool read_only) {
    auto row = platform::Grid::create();
    row->set_margin(look::row_margin);
    platform::set_border(*row, {look::white, look::dark_gray, 1, look::corner_radius});
    row->set_height(38 + look::row_margin.top + look::row_margin.bottom);
    row->set_rows({platform::GridLength::automatic()});
    row->set_columns({platform::GridLength::star(), platform::GridLength::pixels(36)});
    auto box = platform::TextBox::create();
    box->set_font(look::editor_font());
    box->set_frame({4, 10, 4, 10}, look::white, {1, 1, 0, 1});
    box->set_height(36);
    box->set_read_only(read_only);
    box->set_placeholder_text(bracketed_hint(hint));
    box->data_context = tag;
    box->set_text(text);
    box->text_changed.add([this](platform::TextBox& sender, const platform::NoArgs&) {
        OnSavePrintTextChanged(sender);
    });
    auto button = MakePickButton(session_.folders().install_folder, false,
                                 platform::VerticalAlignment::center);
    button->data_context = tag;
    std::weak_ptr<platform::TextBox> weak_box = box;
    button->clicked.add([this, tag, weak_box](platform::Button&, const platform::NoArgs&) {
        auto target = weak_box.lock();
        if (!target) return;
        if (tag == page_list_tag) PickPageListAsync(target);
        if (tag == folder_tag) PickSaveFolderAsync(target);
        if (tag == file_name_tag) PickFileNameAsync(target);
    });
    row->set_cell(*box, 0, 0);
    row->set_cell(*button, 0, 1);
    row->children().append(box);
    row->children().append(button);
    return row;
}

void SavePrintPanel::BuildSavePrintPanel(platform::Panel& panel, std::int32_t page) {
    panel.children().clear();
    if (!session_.has_loaded_document()) return;

    core::output_choices& choices = session_.output();
    switch (core::SavePrintPage(page)) {
        case core::SavePrintPage::print: {
            MakeLabel(panel, core::ui_string(text::print_document));
            MakeCopiesRow(panel);
            panel.children().append(MakeOptionGroup({{text::all_pages, 0},
                                                     {text::odd_pages, 1},
                                                     {text::even_pages, 2},
                                                     {text::selected_pages, 3}},
                                                    std::int32_t(choices.print_pages)));
            auto pages_row = MakeTextRow(page_list_tag, choices.selected_pages,
                                         core::ui_string(text::all_pages), false);
            pages_row->set_visibility(choices.print_pages == core::PrintPages::selected
                                          ? Visibility::visible
                                          : Visibility::collapsed);
            panel.children().append(pages_row);
            panel.children().append(MakeOptionCheckBox(text::page_number_in_footer, footer_code,
                                                       IsPageNumberInFooter(session_)));
            MakeApplyRow(panel, SavePrintAction::print);
            break;
        }
        case core::SavePrintPage::save: {
            MakeLabel(panel, core::ui_string(text::save_document));
            panel.children().append(
                MakeOptionGroup({{text::as_pdf, 4}, {text::as_doc, 5}, {text::as_html, 6}},
                                std::int32_t(choices.save_format) + save_format_code));
            MakeSectionHeader(panel, core::ui_string(text::save_folder), {});
            // Without a chosen folder the file goes to the documents folder.
            const std::wstring documents = preview_.Output().documents_folder();
            panel.children().append(MakeTextRow(
                folder_tag, choices.save_folder,
                documents.empty() ? core::ui_string(text::temporary_folder) : documents, true));
            MakeSectionHeader(panel, core::ui_string(text::file_name), {});
            panel.children().append(MakeTextRow(file_name_tag, GetDocumentTitle(session_, false),
                                                GetDocumentTitle(session_, true), false));
            panel.children().append(MakeOptionCheckBox(
                text::open_after_saving, open_after_saving_code, choices.open_after_saving));
            MakeApplyRow(panel, SavePrintAction::save);
            break;
        }
        case core::SavePrintPage::layout: {
            MakeLabel(panel, core::ui_string(text::page_margins));
            for (std::int32_t side : {0, 2, 1, 3}) setting_rows_.MakePageMarginRow(panel, side);
            MakeLabel(panel, font_and_paragraph_label());
            setting_rows_.MakeFontSizeRow(panel);
            setting_rows_.MakeLineSpacingRow(panel);
            setting_rows_.MakeBodyTopPaddingRow(panel);
            setting_rows_.MakeFirstLineIndentRow(panel);
            setting_rows_.MakeHeadingTopPaddingRow(panel);
            MakeApplyRow(panel, SavePrintAction::refresh_preview);
            break;
        }
        default: break;
    }
}

void SavePrintPanel::MakeCopiesRow(platform::Panel& panel) {
    const double copies = session_.output().copies;
    MakeSectionHeader(panel, core::ui_string(text::print_copies), copies_text(copies));
    const SliderGroup made = MakeSliderGroup(1, 10, copies);
    made.slider->value_changed.add(
        [this](platform::Slider& sender, double value) { OnCopiesChanged(sender, value); });
    panel.children().append(made.box);
}

void SavePrintPanel::MakeApplyRow(platform::Panel& panel, SavePrintAction action) {
    auto row = platform::Grid::create();
    row->set_margin({18, 22, 22, 8});
    row->set_columns({platform::GridLength::star(), platform::GridLength::automatic()});
    auto spacer = platform::TextBlock::create();
    row->set_cell(*spacer, 0, 0);
    row->children().append(spacer);
    auto button = platform::AppBarButton::create();
    button->set_label(core::ui_string(action == SavePrintAction::print  ? text::print
                                      : action == SavePrintAction::save ? text::save
                                                                        : text::apply));
    button->set_width(136);
    button->set_height(36);
    button->set_font({L"", 14, true});
    platform::set_filled(*button, look::row_brush(), look::dark_blue, look::white, 4);
    button->set_vertical_alignment(platform::VerticalAlignment::center);
    button->data_context = std::int32_t(action);
    button->clicked.add([this](platform::AppBarButton& sender, const platform::NoArgs&) {
        const auto* code = std::get_if<std::int32_t>(&sender.data_context);
        if (!code) return;
        SaveOrPrintAsync(SavePrintAction(*code),
                         sender.parent() ? sender.parent()->parent() : nullptr);
    });
    row->set_cell(*button, 0, 1);
    row->children().append(button);
    panel.children().append(row);
}

void SavePrintPanel::OnOptionRadioChecked(platform::ToggleButton& sender) {
    const auto* code = std::get_if<std::int32_t>(&sender.data_context);
    if (!code) return;
    core::output_choices& choices = session_.output();
    if (*code >= 0 && *code < save_format_code) {
        choices.print_pages = core::PrintPages(*code);
        auto box = sender.parent();
        auto page = box ? box->parent() : nullptr;
        if (page && page_list_row_position < page->children().size()) {
            page->children()
                .at(page_list_row_position)
                ->set_visibility(choices.print_pages == core::PrintPages::selected
                                     ? Visibility::visible
                                     : Visibility::collapsed);
        }
        render_(false);
    } else if (*code >= save_format_code && *code <= 6) {
        choices.save_format = core::SaveFormat(*code - save_format_code);
    }
}

void SavePrintPanel::OnOptionCheckBoxToggled(platform::ToggleButton& sender) {
    const auto* code = std::get_if<std::int32_t>(&sender.data_context);
    if (!code) return;
    const bool checked = sender.is_checked();
    if (*code == footer_code) {
        if (engine::doc_element* footer = core::footer_element(session_.data())) {
            footer->record.b = checked ? 1 : 0;
            render_(false);
        }
    } else if (*code == open_after_saving_code) {
        session_.output().open_after_saving = checked;
        session_.config().OpenDocAfterSaving = checked ? 1.0 : 0.0;
    }
}

void SavePrintPanel::OnCopiesChanged(platform::Slider& sender, double value) {
    double& copies = session_.output().copies;
    copies = value;
    if (copies == 0) return;
    if (platform::TextBlock* caption = value_caption(sender, copies_header_position))
        caption->set_text(copies_text(copies));
}

void SavePrintPanel::OnSavePrintTextChanged(platform::TextBox& sender) {
    if (session_.mode() != core::ViewMode::save_print) return;
    const auto* tag = std::get_if<std::int32_t>(&sender.data_context);
    if (!tag) return;
    if (*tag == page_list_tag) {
        // The box keeps what is typed, so its cursor stays put; the pages are
        // read from the list when the preview or a print needs them.
        std::wstring& selected_pages = session_.output().selected_pages;
        const bool named_pages = !clean_page_list(selected_pages).empty();
        selected_pages = sender.text();
        if (named_pages && clean_page_list(selected_pages).empty())
            preview_.ShowPrintPreviewAsync();
    } else if (*tag == file_name_tag) {
        StripKnownExtension(session_, sender.text());
    }
}

platform::FireAndForget SavePrintPanel::PickSaveFolderAsync(
    std::shared_ptr<platform::TextBox> box) {
    const std::uint64_t started_on = session_.document_serial();
    const std::weak_ptr<int> alive = alive_;
    std::optional<std::wstring> folder;
    try {
        // The dialog opens at the folder the box shows: the chosen one, else
        // the one a save without a choice goes to.
        std::wstring shown = session_.output().save_folder;
        if (shown.empty()) shown = preview_.Output().documents_folder();
        if (shown.empty()) shown = session_.folders().temp_folder;
        folder = co_await preview_.Output().pick_folder(shown);
    } catch (...) {
        co_return;  // no dialog: nothing changes
    }
    // The dialog answers when it is destroyed with the window.
    if (alive.expired() || !session_.is_same_document(started_on)) co_return;
    std::wstring& save_folder = session_.output().save_folder;
    save_folder = folder ? *folder : std::wstring();
    box->set_text(save_folder);
}

}  // namespace ui
