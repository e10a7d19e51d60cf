// The date dialog: a calendar that hands back the chosen day as the plain
// long date of the interface language. A click, or a change of the
// selection, chooses a day; a double click or Enter on a day chooses it and
// closes the dialog. On a text that is no date, Enter before any pick closes
// it as OK does, handing nothing back. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "engine/document/environment.h"
#include "platform/calendar_view.h"
#include "platform/content_dialog.h"
#include "platform/task.h"
#include "ui/editing/picker_dialog.h"

namespace ui {

class DlgDate final {
public:
    // An empty `title` gives the default one. Today is read from the clock
    // of `env`, which outlives the dialog.
    DlgDate(PickerOwner owner, const std::wstring& initial_value, const std::wstring& title,
            const engine::environment* env);
    DlgDate(const DlgDate&) = delete;
    DlgDate& operator=(const DlgDate&) = delete;

    platform::Task<platform::DialogResult> ShowAsync();
    const std::wstring& result() const { return result_; }
    bool accepted() const { return accepted_; }

private:
    void BuildContent();
    void OnDateChosen(platform::CalendarDate date);
    void OnDateActivated(platform::CalendarDate date);

    PickerOwner owner_;
    const engine::environment* env_;
    std::wstring initial_value_;
    std::wstring title_;
    std::wstring result_;
    // A day was chosen: the text's own, or one the user picked.
    bool picked_ = false;
    bool accepted_ = false;
    std::shared_ptr<platform::ContentDialog> dialog_;
};

}  // namespace ui
