// Construction of the window: layout, events, the bars as the settings ask,
// then the interface language and the start page.
#include "app/main_window.h"

#include "app/key_commands.h"
#include "app/pane_widths.h"
#include "app/window_look.h"
#include "core/stale_saves.h"

namespace app {

namespace {

using platform::GridLength;
using platform::Visibility;

constexpr platform::Color status_bar_colour{255, 0xF3, 0xF4, 0xF8};
constexpr platform::Color pane_colour{255, 0xF7, 0xF7, 0xF9};

}  // namespace

MainWindow::MainWindow(core::session& session, platform::System& system,
                       platform::WebViewFactory make_web_view, MainWindowHooks hooks)
    : session_(session),
      system_(system),
      hooks_(std::move(hooks)),
      elements_(MakeWindowAndViews(make_web_view)),
      preview_(session, elements_.main_webview, elements_.preview_webview),
      settings_panel_(session, render_wanted(), system, elements_.main_webview),
      text_edit_panel_(session, render_wanted()),
      save_print_panel_(session, render_wanted(), preview_, status_, elements_.window),
      data_panel_(
          session, render_wanted(),
          {[this](platform::Panel& panel, std::int32_t page) {
               settings_panel_.BuildSettingsPanel(panel, page);
           },
           [this](platform::Panel& panel, std::int32_t group) {
               text_edit_panel_.BuildTextEditPanels(panel, group);
           },
           [this](platform::Panel& panel, std::int32_t page) {
               save_print_panel_.BuildSavePrintPanel(panel, page);
           }},
          {elements_.window, [this]() -> platform::DocumentOutput& { return preview_.Output(); }}),
      left_menu_(session, render_wanted(), data_panel_,
                 {[this] { UpdateToolbarState(); }, [this] { UpdateBreadcrumb(); }}) {
    // Saves into the documents folder that were cut short left their
    // temporary files there.
    core::remove_stale_saves_in(preview_.Output().documents_folder());
    BuildLayout();
    HookEvents();
    ApplyBars();
    ApplyUiLanguage();
    // The menu's selection builds the data panel; a start page without
    // sections has no entry to select, so its empty panel is built here.
    if (left_menu_.list()->selected_index() == -1)
        data_panel_.BuildDataPanel(data_panel_.panel(), session_.selected_index());
}

MainWindow::~MainWindow() = default;

ui::RenderWanted MainWindow::render_wanted() {
    return [this](bool reset_scroll) { RenderDocumentAsync(reset_scroll); };
}

MainWindowElements MainWindow::MakeWindowAndViews(const platform::WebViewFactory& make_web_view) {
    MainWindowElements elements;
    elements.window = platform::Window::create();
    elements.main_webview = make_web_view();
    elements.preview_webview = make_web_view();
    elements.preview_webview->set_visibility(Visibility::collapsed);
    return elements;
}

void MainWindow::BuildLayout() {
    MainWindowElements& e = elements_;
    BuildTitleBar();

    // Menu pane, document view, data pane.
    e.pane_row = platform::PaneRow::create(document_view_share);
    platform::PaneRow& body = *e.pane_row;
    e.menu_pane = platform::Grid::create();
    e.menu_pane->set_rows({GridLength::star(), GridLength::automatic(), GridLength::automatic()});
    e.menu_pane->set_background({pane_colour});
    e.focus_panel = platform::Panel::create();
    e.focus_panel->set_height(1);
    e.menu_pane->set_cell(*e.focus_panel, 1, 0);
    e.menu_pane->children().append(e.focus_panel);
    e.menu_pane->set_cell(*left_menu_.list(), 0, 0);
    e.menu_pane->children().append(left_menu_.list());

    e.data_pane = platform::Grid::create();
    e.data_pane->set_rows({GridLength::star(), GridLength::automatic()});
    e.data_pane->set_background({pane_colour});
    e.data_pane->children().append(data_panel_.scroller());
    BuildPaneSliders();

    body.set_place(*e.menu_pane, platform::PaneRow::Place::start_pane);
    body.set_place(*e.data_pane, platform::PaneRow::Place::end_pane);
    for (const std::shared_ptr<platform::Element>& part :
         {std::shared_ptr<platform::Element>(e.menu_pane),
          std::shared_ptr<platform::Element>(e.main_webview),
          std::shared_ptr<platform::Element>(e.preview_webview),
          std::shared_ptr<platform::Element>(e.data_pane)}) {
        body.children().append(part);
    }

    e.status_bar_grid = platform::Grid::create();
    e.status_bar_grid->set_background({status_bar_colour});
    e.status_text = platform::TextBlock::create();
    e.status_text->set_elides(true);
    e.status_text->set_margin({12, 4, 12, 4});
    e.status_bar_grid->children().append(e.status_text);

    auto root = platform::Grid::create();
    root->set_rows({GridLength::automatic(), GridLength::star(), GridLength::automatic()});
    root->set_cell(*e.title_bar_grid, 0, 0);
    root->set_cell(body, 1, 0);
    root->set_cell(*e.status_bar_grid, 2, 0);
    root->children().append(e.title_bar_grid);
    root->children().append(e.pane_row);
    root->children().append(e.status_bar_grid);
    e.window->set_content(root);
}

void MainWindow::HookEvents() {
    MainWindowElements& e = elements_;
    e.window->closing.add([this](platform::Window&, const platform::WindowClosing& request) {
        OnWindowClosing(request);
    });
    e.window->closed.add([this](platform::Window&, const platform::NoArgs&) { OnWindowClosed(); });
    e.main_webview->core_initialized.add(
        [this](platform::WebView& sender, const platform::NoArgs&) {
            OnWebViewInitialized(sender);
        });
    e.main_webview->navigation_completed.add(
        [this](platform::WebView& sender, const platform::NoArgs&) {
            OnWebViewNavigationCompleted(sender);
        });
    e.main_webview->web_message_received.add(
        [this](platform::WebView& sender, const std::wstring& message) {
            OnWebMessageReceived(sender, message);
        });
    e.main_webview->got_focus.add(
        [this](platform::WebView&, const platform::NoArgs&) { OnWebViewGotFocus(); });
    e.preview_webview->core_initialized.add(
        [this](platform::WebView& sender, const platform::NoArgs&) {
            OnPdfViewInitialized(sender);
        });
    e.library_button->clicked.add(
        [this](platform::AppBarButton&, const platform::NoArgs&) { ToggleLibrary(); });
    e.settings_button->clicked.add(
        [this](platform::AppBarButton&, const platform::NoArgs&) { ToggleSettings(); });
    e.text_edit_button->clicked.add(
        [this](platform::AppBarButton&, const platform::NoArgs&) { ToggleTextEditAsync(); });
    for (const auto& button : {e.print_button, e.save_button}) {
        button->clicked.add(
            [this](platform::AppBarButton&, const platform::NoArgs&) { TogglePrintSavePanel(); });
    }

    for (const platform::Accelerator& key : window_accelerators) e.window->add_accelerator(key);
    e.window->accelerator_invoked.add([this](platform::Window&, const platform::Accelerator& key) {
        OnKeyboardAcceleratorInvoked(key);
    });
    e.window->changed.add([this](platform::Window&, const platform::WindowChange& change) {
        OnWindowChanged(change);
    });
    placement_write_timer_ = platform::Timer::create();
    placement_write_timer_->tick.add(
        [this](platform::Timer&, const platform::NoArgs&) { session_.config().write(); });
    write_back_timer_ = platform::Timer::create();
    write_back_deadline_ = platform::Timer::create();
    for (auto* timer : {write_back_timer_.get(), write_back_deadline_.get()})
        timer->tick.add([this](platform::Timer&, const platform::NoArgs&) { WriteBackNow(); });

    platform::ElementEvents& menu_button = e.menu_button->events();
    menu_button.tapped.add(
        [this](platform::Element&, const platform::Point&) { OnMenuButtonTapped(); });
    menu_button.pointer_entered.add([](platform::Element& sender, const platform::Point&) {
        sender.set_background({look::menu_button_over});
    });
    menu_button.pointer_exited.add([](platform::Element& sender, const platform::Point&) {
        sender.set_background({look::menu_button_away});
    });
    for (const auto& logo : {e.logo_tall, e.logo_short}) {
        logo->tapped.add([this](platform::Image&, const platform::NoArgs&) { ShowAboutAsync(); });
    }
}

void MainWindow::ApplyBars() {
    MainWindowElements& e = elements_;
    const core::settings& config = session_.config();
    toolbar_shown_ = config.ToolBarShow == 1.0;
    statusbar_shown_ = config.StatusBarShow == 1.0;
    ShowBars();
    e.text_edit_button->set_visibility(Visibility::collapsed);

    // Our own artwork, installed beside the template library.
    const std::wstring art = icons_folder();
    const std::pair<platform::AppBarButton*, const wchar_t*> icons[] = {
        {e.library_button.get(), L"library.xpm"},
        {e.settings_button.get(), L"settings.xpm"},
        {e.text_edit_button.get(), L"text_edit.xpm"},
        {e.print_button.get(), L"print.xpm"},
        {e.save_button.get(), L"save.xpm"}};
    for (const auto& [button, file] : icons) {
        if (!art.empty()) button->set_icon(art + file);
        button->set_foreground({look::accent});
    }
    if (!art.empty()) {
        e.logo_tall->set_source(art + L"logo_tall.xpm");
        e.logo_short->set_source(art + L"logo_short.xpm");
    }
    ApplyPaneWidths();
}

std::wstring MainWindow::icons_folder() const {
    const std::wstring& install = session_.folders().install_folder;
    return install.empty() ? std::wstring() : install + L"/icons/";
}

}  // namespace app
