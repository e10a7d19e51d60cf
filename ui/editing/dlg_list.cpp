#include "ui/editing/dlg_list.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "platform/menu_flyout.h"
#include "ui/editing/dialog_texts.h"
#include "ui/editing/panel_look.h"

namespace ui {

namespace {

constexpr platform::Color black{255, 0, 0, 0};
constexpr double list_width = 450;

}  // namespace

DlgList::DlgList(PickerOwner owner, const std::wstring& lists_folder,
                 const std::wstring& initial_value, const std::wstring& list_name,
                 const std::wstring& title)
    : owner_(std::move(owner)),
      title_(dialog_title(title, engine::ui_text::choose_text)),
      choice_(value_list_path(lists_folder, list_name), dialog_initial_value(initial_value)) {}

platform::Task<platform::DialogResult> DlgList::ShowAsync() {
    choice_.open();
    BuildContent();
    return show_over(*dialog_, owner_.window);
}

void DlgList::BuildContent() {
    list_ = platform::ListBox::create();
    list_->set_width(list_width);
    list_->set_height(350);
    std::vector<platform::ListEntry> entries;
    entries.reserve(choice_.entries().size());
    for (const std::wstring& entry : choice_.entries()) entries.push_back({entry, black});
    list_->set_entries(std::move(entries));
    // Selected before the handler is hooked: opening hands nothing back.
    list_->set_selected_index(choice_.selected_index());
    list_->selection_changed.add(
        [this](platform::ListBox&, const int& index) { choice_.select(index); });
    list_->item_double_clicked.add(
        [this](platform::ListBox&, const int&) { OnItemDoubleTapped(); });
    list_->item_right_clicked.add(
        [this](platform::ListBox&, const platform::ListItemPointer& at) { OnItemRightTapped(at); });

    auto frame = platform::Panel::create();
    frame->set_margin({8, 2, 8, 8});
    platform::set_border(*frame, {look::white_smoke, look::dark_gray, 1, look::corner_radius});
    frame->children().append(list_);
    content_ = platform::Grid::create();
    content_->set_rows({platform::GridLength::automatic(), platform::GridLength::automatic()});
    content_->children().append(frame);
    ShowNote();

    dialog_ = make_picker_dialog(title_, list_width - 16, content_);
    dialog_->primary_click.add(
        [this](platform::ContentDialog&, const platform::NoArgs&) { OnPrimaryButtonClick(); });
}

void DlgList::OnPrimaryButtonClick() {
    choice_.accept();
    accepted_ = true;
}

void DlgList::OnItemDoubleTapped() {
    // The first click of the double click selected the entry.
    choice_.accept();
    accepted_ = true;
    dialog_->hide();
}

void DlgList::OnItemRightTapped(const platform::ListItemPointer& at) {
    auto menu = platform::MenuFlyout::create();
    auto item = platform::MenuFlyoutItem::create(core::ui_string(engine::ui_text::delete_entry));
    item->font_size = 12;
    if (!owner_.icons_folder.empty()) item->icon = owner_.icons_folder + L"/delete.xpm";
    item->data_context = std::int32_t(at.index);
    std::weak_ptr<int> alive = alive_;
    item->clicked.add([this, alive](platform::MenuFlyoutItem& sender, const platform::NoArgs&) {
        const auto* index = std::get_if<std::int32_t>(&sender.data_context);
        if (!alive.expired() && index) OnDeleteClick(*index);
    });
    menu->items().push_back(item);
    menu->show_at(*list_, at.position);
}

void DlgList::OnDeleteClick(int index) {
    // The list first: removing the entry from the box reports the selection
    // as it is afterwards.
    choice_.remove(index);
    list_->remove_at(index);
    ShowNote();
}

void DlgList::ShowNote() {
    const std::wstring said = choice_.note();
    if (!note_) {
        if (said.empty()) return;
        note_ = platform::TextBlock::create();
        note_->set_font({L"", 12, false});
        note_->set_margin({8, 0, 8, 8});
        note_->set_width(list_width);
        platform::set_word_wrap(*note_, true);
        content_->set_cell(*note_, 1, 0);
        content_->children().append(note_);
    }
    note_->set_text(said);
    note_->set_visibility(said.empty() ? platform::Visibility::collapsed
                                       : platform::Visibility::visible);
}

}  // namespace ui
