// Construction of the window: layout, events, the bars as the settings ask,
// then the interface language and the start page.
#include "app/main_window.h"

#include <cmath>

namespace app {

namespace {

using platform::GridLength;
using platform::Visibility;

constexpr platform::Color accent_colour{255, 0x5D, 0x6B, 0x99};
constexpr platform::Color title_bar_colour{255, 0xF3, 0xF4, 0xF8};
constexpr platform::Color pane_colour{255, 0xF7, 0xF7, 0xF9};
constexpr double title_bar_with_tool_bar = 48;
constexpr double title_bar_without_tool_bar = 32;

// A stored width the window can show; the default for anything else.
double pane_width(double stored, double fallback) {
    return std::isfinite(stored) && stored >= 80 && stored <= 2000 ? stored : fallback;
}

std::shared_ptr<platform::AppBarButton> tool_bar_button() {
    auto button = platform::AppBarButton::create();
    button->set_margin({2, 0, 2, 0});
    return button;
}

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

void MainWindow::activate() { elements_.window->activate(); }

ui::RenderWanted MainWindow::render_wanted() {
    return [this](bool reset_scroll) { RenderDocumentAsync(reset_scroll); };
}

MainWindowElements MainWindow::MakeWindowAndViews(const platform::WebViewFactory& make_web_view) {
    MainWindowElements elements;
    elements.window = platform::Window::create();
    elements.window->resize(1280, 860);
    elements.main_webview = make_web_view();
    elements.preview_webview = make_web_view();
    elements.preview_webview->set_visibility(Visibility::collapsed);
    return elements;
}

void MainWindow::BuildLayout() {
    MainWindowElements& e = elements_;
    // Title bar: logo, menu button, title, tool bar.
    e.title_bar_grid = platform::Grid::create();
    e.title_bar_grid->set_columns(
        {GridLength::pixels(48), GridLength::automatic(), GridLength::automatic(),
         GridLength::star(), GridLength::automatic(), GridLength::star(), GridLength::pixels(12)});
    e.title_bar_grid->set_background({title_bar_colour});

    e.logo_tall = platform::Image::create();
    e.logo_short = platform::Image::create();
    for (const auto& logo : {e.logo_tall, e.logo_short}) {
        logo->set_horizontal_alignment(platform::HorizontalAlignment::center);
        logo->set_vertical_alignment(platform::VerticalAlignment::center);
        e.title_bar_grid->set_cell(*logo, 0, 0);
        e.title_bar_grid->children().append(logo);
    }

    e.menu_button = platform::Panel::create(platform::Orientation::horizontal);
    auto menu_glyph = platform::TextBlock::create(L"\u2630");
    menu_glyph->set_font({L"", 18, false});
    menu_glyph->set_margin({8, 0, 8, 0});
    e.menu_button->children().append(menu_glyph);
    e.menu_button->set_vertical_alignment(platform::VerticalAlignment::center);
    e.title_bar_grid->set_cell(*e.menu_button, 0, 1);
    e.title_bar_grid->children().append(e.menu_button);

    e.title_text = platform::TextBlock::create();
    e.title_text->set_font({L"", 14, true});
    e.title_text->set_margin({4, 0, 16, 0});
    e.title_text->set_vertical_alignment(platform::VerticalAlignment::center);
    e.title_bar_grid->set_cell(*e.title_text, 0, 2);
    e.title_bar_grid->children().append(e.title_text);

    e.toolbar_panel = platform::Panel::create(platform::Orientation::horizontal);
    e.library_button = tool_bar_button();
    e.settings_button = tool_bar_button();
    e.text_edit_button = tool_bar_button();
    e.print_button = tool_bar_button();
    e.save_button = tool_bar_button();
    e.text_edit_button->set_label(L"Text");
    for (const auto& button :
         {e.library_button, e.settings_button, e.text_edit_button, e.print_button, e.save_button}) {
        e.toolbar_panel->children().append(button);
    }
    e.title_bar_grid->set_cell(*e.toolbar_panel, 0, 4);
    e.title_bar_grid->children().append(e.toolbar_panel);

    // Menu pane, document view, data pane.
    auto body = platform::Grid::create();
    e.menu_pane = platform::Grid::create();
    e.menu_pane->set_rows({GridLength::star(), GridLength::automatic()});
    e.menu_pane->set_background({pane_colour});
    e.focus_panel = platform::Panel::create();
    e.focus_panel->set_height(1);
    e.menu_pane->set_cell(*e.focus_panel, 1, 0);
    e.menu_pane->children().append(e.focus_panel);
    e.menu_pane->set_cell(*left_menu_.list(), 0, 0);
    e.menu_pane->children().append(left_menu_.list());

    e.data_pane = platform::Grid::create();
    e.data_pane->set_rows({GridLength::star()});
    e.data_pane->set_background({pane_colour});
    e.data_pane->children().append(data_panel_.scroller());

    body->set_columns({GridLength::automatic(), GridLength::star(), GridLength::automatic()});
    body->set_cell(*e.menu_pane, 0, 0);
    body->set_cell(*e.main_webview, 0, 1);
    body->set_cell(*e.preview_webview, 0, 1);
    body->set_cell(*e.data_pane, 0, 2);
    for (const std::shared_ptr<platform::Element>& part :
         {std::shared_ptr<platform::Element>(e.menu_pane),
          std::shared_ptr<platform::Element>(e.main_webview),
          std::shared_ptr<platform::Element>(e.preview_webview),
          std::shared_ptr<platform::Element>(e.data_pane)}) {
        body->children().append(part);
    }

    e.status_bar_grid = platform::Grid::create();
    e.status_bar_grid->set_background({title_bar_colour});
    e.status_text = platform::TextBlock::create();
    e.status_text->set_margin({12, 4, 12, 4});
    e.status_bar_grid->children().append(e.status_text);

    auto root = platform::Grid::create();
    root->set_rows({GridLength::automatic(), GridLength::star(), GridLength::automatic()});
    root->set_cell(*e.title_bar_grid, 0, 0);
    root->set_cell(*body, 1, 0);
    root->set_cell(*e.status_bar_grid, 2, 0);
    root->children().append(e.title_bar_grid);
    root->children().append(body);
    root->children().append(e.status_bar_grid);
    e.window->set_content(root);
}

void MainWindow::HookEvents() {
    MainWindowElements& e = elements_;
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
        button->clicked.add([this](platform::AppBarButton&, const platform::NoArgs&) { TogglePrintSavePanel(); });
    }
}

void MainWindow::ApplyBars() {
    MainWindowElements& e = elements_;
    const core::settings& config = session_.config();
    toolbar_shown_ = config.ToolBarShow == 1.0;
    e.toolbar_panel->set_visibility(toolbar_shown_ ? Visibility::visible : Visibility::collapsed);
    e.title_bar_grid->set_height(toolbar_shown_ ? title_bar_with_tool_bar
                                                : title_bar_without_tool_bar);
    e.logo_tall->set_visibility(toolbar_shown_ ? Visibility::visible : Visibility::collapsed);
    e.logo_short->set_visibility(toolbar_shown_ ? Visibility::collapsed : Visibility::visible);

    statusbar_shown_ = config.StatusBarShow == 1.0;
    e.status_bar_grid->set_visibility(statusbar_shown_ ? Visibility::visible
                                                       : Visibility::collapsed);
    e.text_edit_button->set_visibility(Visibility::collapsed);

    // Our own artwork, installed beside the template library.
    const std::wstring& install = session_.folders().install_folder;
    const std::wstring art = install.empty() ? std::wstring() : install + L"/icons/";
    const std::pair<platform::AppBarButton*, const wchar_t*> icons[] = {
        {e.library_button.get(), L"library.xpm"},
        {e.settings_button.get(), L"settings.xpm"},
        {e.text_edit_button.get(), L"text_edit.xpm"},
        {e.print_button.get(), L"print.xpm"},
        {e.save_button.get(), L"save.xpm"}};
    for (const auto& [button, file] : icons) {
        if (!art.empty()) button->set_icon(art + file);
        button->set_foreground({accent_colour});
    }
    if (!art.empty()) {
        e.logo_tall->set_source(art + L"e.logo_tall.xpm");
        e.logo_short->set_source(art + L"e.logo_short.xpm");
    }

    e.data_pane->set_width(pane_width(config.DataPanelWidth, 480.0));
    e.menu_pane->set_width(pane_width(config.MenuPanelWidth, 263.0));
}

}  // namespace app
