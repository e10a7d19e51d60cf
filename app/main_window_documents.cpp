// Moving between documents and putting the open one on the screen.
#include <stdexcept>

#include "app/main_window.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "engine/text/utf16.h"
#include "ui/output/print_view.h"

namespace app {

namespace {

// No event.preventDefault() here: the program runs this script outside any
// event handler, where `event` is undefined and the call would throw.
constexpr wchar_t scroll_reset_script[] = L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";

}  // namespace

void MainWindow::CloseBeforeSwitch() {
    if (session_.close_document()) return;
    // The document stays open with its values; the user sees why the switch
    // did not happen.
    throw std::runtime_error(
        engine::to_utf8(core::ui_string(engine::ui_text::file_writing_failed) + L" " +
                        session_.document()->path));
}

void MainWindow::OnWebMessageReceived(platform::WebView&, const std::wstring& message) {
    std::wstring name = message;
    for (wchar_t& c : name) {
        if (c == L'|') c = L' ';
    }
    name += L".brik";
    CloseBeforeSwitch();
    session_.set_mode(core::ViewMode::data);
    OpenDocument(std::move(name));
    RenderDocumentAsync(true);
    left_menu_.RefreshMenuPanel();
}

void MainWindow::ToggleLibrary() {
    const bool show_library = !session_.library_shown() || session_.mode() != core::ViewMode::data;
    CloseBeforeSwitch();
    session_.set_mode(core::ViewMode::data);
    OpenDocument(show_library ? session_.library_page() : session_.last_document());
    RenderDocumentAsync(true);
    left_menu_.RefreshMenuPanel();
    UpdateToolbarState();
}

void MainWindow::OpenDocument(std::wstring name) {
    // The tool bar shows the switch even when the document cannot be read.
    session_.open_document(std::move(name), [this] { UpdateToolbarState(); });
    UpdateBreadcrumb();
    elements_.focus_panel->focus();
}

platform::FireAndForget MainWindow::RenderDocumentAsync(bool reset_scroll) {
    if (!session_.document()) co_return;
    if (session_.mode() == core::ViewMode::save_print) {
        co_await preview_.ShowPrintPreviewAsync();
        co_return;
    }
    pending_html_ = session_.screen_html();
    // Until the view has shown its first page there is no page to change:
    // the first navigation shows `pending_html`.
    if (!first_page_shown_) co_return;
    elements_.main_webview->execute_script(ui::replace_page_script(pending_html_));
    if (reset_scroll) elements_.main_webview->execute_script(scroll_reset_script);
}

void MainWindow::ApplyUiLanguage() {
    const std::wstring title = core::ui_string(engine::ui_text::program_name);
    elements_.title_text->set_text(title);
    elements_.window->set_title(title);
    elements_.library_button->set_label(core::ui_string(engine::ui_text::library));
    elements_.settings_button->set_label(core::ui_string(engine::ui_text::settings));
    elements_.print_button->set_label(core::ui_string(engine::ui_text::print));
    elements_.save_button->set_label(core::ui_string(engine::ui_text::save));

    CloseBeforeSwitch();
    OpenDocument(session_.start_page());
    RenderDocumentAsync(true);
    left_menu_.RefreshMenuPanel();
}

}  // namespace app
