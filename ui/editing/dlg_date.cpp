#include "ui/editing/dlg_date.h"

#include "engine/document/ui_text.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/date_choice.h"
#include "ui/editing/dialog_texts.h"
#include "ui/editing/panel_look.h"

namespace ui {

DlgDate::DlgDate(PickerOwner owner, const std::wstring& initial_value, const std::wstring& title,
                 const engine::environment* env)
    : owner_(std::move(owner)),
      env_(env),
      initial_value_(dialog_initial_value(initial_value)),
      title_(dialog_title(title, engine::ui_text::select_date)) {}

platform::Task<platform::DialogResult> DlgDate::ShowAsync() {
    BuildContent();
    return show_over(*dialog_, owner_.window);
}

void DlgDate::BuildContent() {
    auto calendar = platform::CalendarView::create();
    const date_choice initial = initial_date_choice(initial_value_, *env_);
    result_ = initial.result;
    picked_ = initial.selected.has_value();
    // A text that is no date opens on today with no day drawn selected, for
    // OK hands nothing back until the user picks one.
    const calendar_day day = initial.selected.value_or(initial.shown);
    calendar->set_selected_date({day.year, day.month, day.day});
    if (!initial.selected) calendar->hide_selection();
    // Hooked after the initial choice, which hands nothing new back.
    calendar->selected_date_changed.add(
        [this](platform::CalendarView&, const platform::CalendarDate& date) {
            OnDateChosen(date);
        });
    // A click on the day that shows selected chooses it too.
    calendar->date_clicked.add([this](platform::CalendarView&, const platform::CalendarDate& date) {
        OnDateChosen(date);
    });
    calendar->date_activated.add(
        [this](platform::CalendarView&, const platform::CalendarDate& date) {
            OnDateActivated(date);
        });

    auto holder = platform::Grid::create();
    platform::set_border(*holder, {platform::Color{0xDF, 0xDF, 0xDF, 0xDF}, look::transparent, 0,
                                   look::corner_radius});
    holder->children().append(calendar);
    dialog_ = make_picker_dialog(title_, 300, holder);
}

void DlgDate::OnDateChosen(platform::CalendarDate date) {
    picked_ = true;
    result_ = long_date_text({date.year, date.month, date.day});
}

void DlgDate::OnDateActivated(platform::CalendarDate date) {
    // Enter names the day the keys start from, which the user never picked.
    if (picked_) OnDateChosen(date);
    accepted_ = true;
    dialog_->hide();
}

}  // namespace ui
