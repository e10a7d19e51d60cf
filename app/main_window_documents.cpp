// Moving between documents and putting the open one on the screen.
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "app/main_window.h"
#include "core/interface_texts.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/text/utf16.h"
#include "platform/interface_language.h"

namespace app {

namespace {

// No event.preventDefault() here: the program runs this script outside any
// event handler, where `event` is undefined and the call would throw.
constexpr wchar_t scroll_reset_script[] =
    L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";

// No file system keeps a name over 255 bytes: a page naming one names no
// document, and kept as the last document it would come back at every start.
constexpr std::size_t max_name_component_bytes = 255;

bool has_overlong_component(const std::wstring& path) {
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find(L'/', begin);
        if (end == std::wstring::npos) end = path.size();
        const std::wstring_view part = std::wstring_view(path).substr(begin, end - begin);
        if (engine::to_utf8(part).size() > max_name_component_bytes) return true;
        begin = end + 1;
    }
    return false;
}

}  // namespace

void MainWindow::CloseBeforeSwitch() {
    if (session_.close_document()) {
        CancelWriteBack();
        SetWriteBackNote({});
        return;
    }
    // The document stays open with its values; the user sees why the switch
    // did not happen.
    throw std::runtime_error(engine::to_utf8(
        core::changes_not_saved(session_.document()->path, session_.write_failure())));
}

void MainWindow::OnWebMessageReceived(platform::WebView&, const std::wstring& message) {
    std::wstring name = message;
    for (wchar_t& c : name) {
        if (c == L'|') c = L' ';
    }
    name += L".brik";
    if (has_overlong_component(name)) return;
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
    // Every change asks for a render: the last one is written back a moment
    // later.
    ScheduleWriteBack();
    if (session_.mode() == core::ViewMode::save_print) {
        // The preview takes the view's content: the next page is built whole.
        view_content_.forget();
        co_await preview_.ShowPrintPreviewAsync();
        co_return;
    }
    // Until the view has shown its first page there is no page to change:
    // the first navigation shows `pending_html`.
    if (!first_page_shown_) {
        pending_html_ = session_.screen_html();
        co_return;
    }
    render_wanted_ = true;
    scroll_reset_wanted_ = scroll_reset_wanted_ || reset_scroll;
    if (!render_in_flight_) SendRendersAsync();
}

platform::FireAndForget MainWindow::SendRendersAsync() {
    const std::weak_ptr<int> alive = alive_;
    render_in_flight_ = true;
    try {
        while (render_wanted_) {
            render_wanted_ = false;
            const bool reset_scroll = std::exchange(scroll_reset_wanted_, false);
            // The document or the mode may have changed while the view was busy.
            if (!session_.document() || session_.mode() == core::ViewMode::save_print) break;
            pending_html_ = session_.screen_html();
            platform::Task<std::wstring> answer = elements_.main_webview->execute_script_async(
                view_content_.script_for(pending_html_, reset_scroll));
            if (reset_scroll) elements_.main_webview->execute_script(scroll_reset_script);
            if (hooks_.render_sent) hooks_.render_sent(*this);
            const std::wstring json = co_await answer;
            if (alive.expired()) co_return;
            // The view lost what it showed (a reload): build it again now.
            if (view_content_.take_answer(json)) render_wanted_ = true;
            if (!std::exchange(first_answer_seen_, true) && hooks_.first_page_shown)
                hooks_.first_page_shown(*this);
        }
    } catch (...) {
        if (!alive.expired()) {
            render_in_flight_ = false;
            view_content_.forget();
        }
        throw;
    }
    render_in_flight_ = false;
}

platform::InterfaceTexts PlatformTexts(int language) {
    return {language == 1 ? "ru" : "en", engine::ui_string(engine::ui_text::program_name, language),
            engine::ui_string(engine::ui_text::images_filter, language)};
}

void SetPlatformTexts(const core::session& session) {
    platform::set_interface_texts(PlatformTexts(session.language()));
}

void MainWindow::ApplyUiLanguage() {
    SetPlatformTexts(session_);
    SetTitle(core::ui_string(engine::ui_text::program_name));
    elements_.library_button->set_label(core::ui_string(engine::ui_text::library));
    elements_.settings_button->set_label(core::ui_string(engine::ui_text::settings));
    elements_.print_button->set_label(core::ui_string(engine::ui_text::print));
    elements_.save_button->set_label(core::ui_string(engine::ui_text::save));

    CloseBeforeSwitch();
    OpenDocument(session_.start_page());
    // The settings and save/print panels refuse a document that did not
    // load; the mode they stand for goes with them.
    const core::ViewMode mode = session_.mode();
    if (!session_.has_loaded_document() &&
        (mode == core::ViewMode::settings || mode == core::ViewMode::save_print)) {
        session_.set_mode(core::ViewMode::data);
        UpdateToolbarState();
    }
    RenderDocumentAsync(true);
    left_menu_.RefreshMenuPanel();
}

}  // namespace app
