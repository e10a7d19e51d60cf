// A dialog over a window: a title element, a content element, and a row of
// buttons (a primary one, shown when it has a text, and a close one).
//
// `show_async` shows it window-modal and answers how it closed: primary
// after the primary button (unless its `primary_click` handler called
// `hide`), none after the close button, Escape, the close box or `hide`.
// One dialog shows at a time: asking for a second answers none at once.
// The title and content elements keep their widgets: the dialog hands them
// back when it closes, and a dialog whose window goes first answers none.
// UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"
#include "platform/style.h"
#include "platform/task.h"
#include "platform/window.h"

namespace platform {

enum class DialogResult { none, primary, secondary };

class ContentDialog final : public std::enable_shared_from_this<ContentDialog> {
public:
    static std::shared_ptr<ContentDialog> create();
    ~ContentDialog();
    ContentDialog(const ContentDialog&) = delete;
    ContentDialog& operator=(const ContentDialog&) = delete;

    // Set these before `show_async`.
    // The dialog window's title; empty: the program's name in the interface
    // language.
    std::wstring window_title;
    // A fixed-size dialog takes the size of its content and cannot be resized.
    bool fixed_size = false;
    std::shared_ptr<Element> title;
    std::shared_ptr<Element> content;
    std::wstring primary_button_text;
    bool is_primary_button_enabled = true;
    std::wstring close_button_text;
    // The close button holds the focus at the start and Enter presses it, so
    // a dialog with only links in it closes on Enter; a link the user moves
    // the focus to takes Enter itself.
    bool close_is_default = false;
    Brush background{Color{255, 255, 255, 255}};
    FontSpec button_font;

    Task<DialogResult> show_async(Window& over);
    // Closes the dialog, answering none; nothing when it does not show.
    void hide();
    bool is_open() const;

    // Raised by the primary button before the dialog closes.
    Event<ContentDialog> primary_click;

    // Test hooks: the dialog that shows now, or null; the buttons pressed as
    // a user would.
    static std::shared_ptr<ContentDialog> open_dialog();
    void click_primary();
    void click_close();

    // The dialog's native widget while it shows, else null.
    NativeWidget* native() const { return native_.get(); }

private:
    ContentDialog() = default;
    void finish(DialogResult result);

    NativePtr native_;
    TaskSource<DialogResult> answer_;
};

}  // namespace platform
