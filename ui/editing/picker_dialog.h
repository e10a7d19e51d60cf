// What the four picker dialogs share: their look (a title row above the
// content, "OK" and Cancel at 12 points), how they are shown over the main
// window, and the contract by which a flow takes their answer.
//
// A dialog object lives in the frame of the flow that opened it, for one
// pick. Its answer is taken when it closed with the primary button or
// confirmed a value itself (`accepted`), and only when its result is not
// empty. UI thread only.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/session.h"
#include "platform/content_dialog.h"
#include "platform/controls.h"
#include "platform/panel.h"
#include "platform/task.h"
#include "platform/window.h"

namespace ui {

// The window a dialog shows over, and the folder of the program's icons.
struct PickerOwner {
    std::weak_ptr<platform::Window> window;
    std::wstring icons_folder;
};
PickerOwner picker_owner(const core::session& session, std::weak_ptr<platform::Window> window);

// A dialog with the title row of `title_width` over `content`.
std::shared_ptr<platform::ContentDialog> make_picker_dialog(
    const std::wstring& title, double title_width, std::shared_ptr<platform::Element> content);

// Shows the dialog over the window; none at once when the window is gone.
platform::Task<platform::DialogResult> show_over(platform::ContentDialog& dialog,
                                                 const std::weak_ptr<platform::Window>& over);

// The value-list folder of the session; "" when there is no data folder or
// the folder cannot be made, which leaves the list in memory.
std::wstring value_lists_folder(const core::session& session);

// Makes a `Dialog` from `args`, shows it and answers the text it hands
// back, or nothing. The dialog lives in this frame until it is answered.
template <class Dialog, class... Args>
platform::Task<std::optional<std::wstring>> PickValueAsync(Args... args) {
    Dialog dialog(std::move(args)...);
    const platform::DialogResult answer = co_await dialog.ShowAsync();
    if ((answer == platform::DialogResult::primary || dialog.accepted()) &&
        !dialog.result().empty())
        co_return dialog.result();
    co_return std::nullopt;
}

}  // namespace ui
