#include "ui/editing/picker_dialog.h"

#include <exception>
#include <iostream>

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/decoration.h"
#include "ui/editing/dialog_texts.h"
#include "ui/editing/panel_look.h"

namespace ui {

PickerOwner picker_owner(const core::session& session, std::weak_ptr<platform::Window> window) {
    const std::wstring& install = session.folders().install_folder;
    return {std::move(window), install.empty() ? std::wstring() : install + L"/icons"};
}

std::shared_ptr<platform::ContentDialog> make_picker_dialog(
    const std::wstring& title, double title_width, std::shared_ptr<platform::Element> content) {
    auto title_row = platform::Panel::create(platform::Orientation::horizontal);
    title_row->set_margin({8, 0, 8, 0});
    platform::set_border(*title_row,
                         {look::white_smoke, look::transparent, 0, look::corner_radius});
    auto text = platform::TextBlock::create(title);
    text->set_font({L"", 13, false});
    text->set_margin({8, 8, 8, 10});
    text->set_width(title_width);
    platform::set_word_wrap(*text, true);
    title_row->children().append(text);

    auto dialog = platform::ContentDialog::create();
    dialog->title = std::move(title_row);
    dialog->content = std::move(content);
    dialog->primary_button_text = L"OK";
    dialog->close_button_text = core::ui_string(engine::ui_text::cancel);
    dialog->button_font = {L"", 12, false};
    return dialog;
}

platform::Task<platform::DialogResult> show_over(platform::ContentDialog& dialog,
                                                 const std::weak_ptr<platform::Window>& over) {
    if (auto window = over.lock()) return dialog.show_async(*window);
    platform::TaskSource<platform::DialogResult> none;
    none.set_value(platform::DialogResult::none);
    return none.task();
}

std::wstring value_lists_folder(const core::session& session) {
    try {
        return session.folders().lists_folder();
    } catch (const std::exception& error) {
        std::cerr << "tembrick: no value-list folder: " << error.what() << '\n';
        return {};
    }
}

}  // namespace ui
