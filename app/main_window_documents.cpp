// Moving between documents and putting the open one on the screen.
#include <stdexcept>

#include "app/engine_services.h"
#include "app/main_window.h"
#include "engine/document/process_state.h"
#include "engine/document/ui_strings.h"
#include "engine/document/utf16.h"
#include "platform/js_string_literal.h"

namespace app {

namespace {

constexpr int library_page_row = 8;
constexpr int file_writing_failed_row = 100;

std::wstring replace_script(const std::wstring& html) {
    return L"document.documentElement.innerHTML='" + platform::js_string_literal(html) + L"';";
}

// No event.preventDefault() here: the program runs this script outside any
// event handler, where `event` is undefined and the call would throw.
constexpr wchar_t scroll_reset_script[] = L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";

}  // namespace

std::wstring& MainWindow::LastDocumentOfLanguage() {
    return engine::current_language == 1 ? config.LastDocument : config.LastDocumentEng;
}

bool MainWindow::CloseOpenDocument() {
    if (!doc) return true;
    if (doc->loaded()) {
        if (engine::doc_record* root = page_setup_root(doc_data)) {
            root->v[0] = static_cast<std::uint16_t>(engine::current_section);
        }
        if (!doc->save()) return false;
    }
    doc.reset();
    doc_data = nullptr;
    settings_doc_data = nullptr;
    return true;
}

void MainWindow::CloseBeforeSwitch() {
    if (CloseOpenDocument()) return;
    // The document stays open with its values; the user sees why the switch
    // did not happen.
    throw std::runtime_error(engine::to_utf8(engine::ui_string(file_writing_failed_row) + L" " + doc->path));
}

void MainWindow::OnWebMessageReceived(platform::WebView&, const std::wstring& message) {
    std::wstring name = message;
    for (wchar_t& c : name) {
        if (c == L'|') c = L' ';
    }
    name += L".brik";
    CloseBeforeSwitch();
    engine::library_shown = false;
    mode = 0;
    OpenDocument(std::move(name));
    RenderDocumentAsync(true);
    RefreshMenuPanel();
}

void MainWindow::ToggleLibrary() {
    const bool show_library = !engine::library_shown || mode != 0;
    CloseBeforeSwitch();
    engine::library_shown = show_library;
    mode = 0;
    std::wstring name = show_library ? engine::ui_string(library_page_row) : LastDocumentOfLanguage();
    OpenDocument(std::move(name));
    RenderDocumentAsync(true);
    RefreshMenuPanel();
    UpdateToolbarState();
}

void MainWindow::OpenDocument(std::wstring name) {
    if (name == engine::ui_string(library_page_row)) {
        engine::library_shown = true;
    } else {
        engine::library_shown = false;
        LastDocumentOfLanguage() = name;
    }
    UpdateToolbarState();

    const std::wstring path = folders.resolve(std::move(name));
    doc = std::make_unique<engine::document>(path);
    ++document_serial;
    doc_data = doc->data.get();
    settings_doc_data = doc_data;

    engine::doc_record* root = page_setup_root(doc_data);
    if (root) root->s5 = doc->path;
    doc->zoom = applied_zoom(config.DocumentZoom);
    engine::current_section = root ? root->v[0] : 0;
    UpdateBreadcrumb();
    formatting = doc_data ? read_formatting(doc_data->page_setup, doc_data->pages) : formatting_cache{};
    text_edit_group = 0;
    focus_panel->focus();
}

platform::FireAndForget MainWindow::RenderDocumentAsync(bool reset_scroll) {
    if (!doc) co_return;
    if (mode == 3) {
        co_await ShowPrintPreviewAsync();
        co_return;
    }
    pending_html = doc->to_html();
    // Until the view has shown its first page there is no page to change:
    // the first navigation shows `pending_html`.
    if (!first_page_shown) co_return;
    main_webview->execute_script(replace_script(pending_html));
    if (reset_scroll) main_webview->execute_script(scroll_reset_script);
}

void MainWindow::ApplyUiLanguage() {
    const std::wstring title = engine::ui_string(81);
    title_text->set_text(title);
    window->set_title(title);
    library_button->set_label(engine::ui_string(1));
    settings_button->set_label(engine::ui_string(2));
    print_button->set_label(engine::ui_string(3));
    save_button->set_label(engine::ui_string(4));

    CloseBeforeSwitch();
    std::wstring name = config.start_on_library() ? engine::ui_string(library_page_row) : LastDocumentOfLanguage();
    OpenDocument(std::move(name));
    RenderDocumentAsync(true);
    RefreshMenuPanel();
}

}  // namespace app
