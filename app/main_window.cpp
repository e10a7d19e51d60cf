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

MainWindow::MainWindow(core::session& session, platform::WebViewFactory make_web_view,
                       MainWindowHooks hooks)
    : session_(session), make_web_view_(std::move(make_web_view)), hooks_(std::move(hooks)) {
    BuildLayout();
    HookEvents();
    ApplyBars();
    ApplyUiLanguage();
}

MainWindow::~MainWindow() = default;

void MainWindow::activate() {
    window->activate();
}

void MainWindow::BuildLayout() {
    window = platform::Window::create();
    window->resize(1280, 860);

    // Title bar: logo, menu button, title, tool bar.
    title_bar_grid = platform::Grid::create();
    title_bar_grid->set_columns({GridLength::pixels(48), GridLength::automatic(), GridLength::automatic(),
                                 GridLength::star(), GridLength::automatic(), GridLength::star(),
                                 GridLength::pixels(12)});
    title_bar_grid->set_background({title_bar_colour});

    logo_tall = platform::Image::create();
    logo_short = platform::Image::create();
    for (const auto& logo : {logo_tall, logo_short}) {
        logo->set_horizontal_alignment(platform::HorizontalAlignment::center);
        logo->set_vertical_alignment(platform::VerticalAlignment::center);
        title_bar_grid->set_cell(*logo, 0, 0);
        title_bar_grid->children().append(logo);
    }

    menu_button = platform::Panel::create(platform::Orientation::horizontal);
    auto menu_glyph = platform::TextBlock::create(L"\u2630");
    menu_glyph->set_font({L"", 18, false});
    menu_glyph->set_margin({8, 0, 8, 0});
    menu_button->children().append(menu_glyph);
    menu_button->set_vertical_alignment(platform::VerticalAlignment::center);
    title_bar_grid->set_cell(*menu_button, 0, 1);
    title_bar_grid->children().append(menu_button);

    title_text = platform::TextBlock::create();
    title_text->set_font({L"", 14, true});
    title_text->set_margin({4, 0, 16, 0});
    title_text->set_vertical_alignment(platform::VerticalAlignment::center);
    title_bar_grid->set_cell(*title_text, 0, 2);
    title_bar_grid->children().append(title_text);

    toolbar_panel = platform::Panel::create(platform::Orientation::horizontal);
    library_button = tool_bar_button();
    settings_button = tool_bar_button();
    text_edit_button = tool_bar_button();
    print_button = tool_bar_button();
    save_button = tool_bar_button();
    text_edit_button->set_label(L"Text");
    for (const auto& button : {library_button, settings_button, text_edit_button, print_button, save_button}) {
        toolbar_panel->children().append(button);
    }
    title_bar_grid->set_cell(*toolbar_panel, 0, 4);
    title_bar_grid->children().append(toolbar_panel);

    // Menu pane, document view, data pane.
    auto body = platform::Grid::create();
    menu_pane = platform::Grid::create();
    menu_pane->set_rows({GridLength::star(), GridLength::automatic()});
    menu_pane->set_background({pane_colour});
    focus_panel = platform::Panel::create();
    focus_panel->set_height(1);
    menu_pane->set_cell(*focus_panel, 1, 0);
    menu_pane->children().append(focus_panel);
    BuildSidePanes();

    main_webview = make_web_view_();
    preview_webview = make_web_view_();
    preview_webview->set_visibility(Visibility::collapsed);

    data_pane = platform::Grid::create();
    data_pane->set_rows({GridLength::star()});
    data_pane->set_background({pane_colour});
    data_scroller = platform::ScrollViewer::create();
    data_panel = platform::Panel::create();
    data_scroller->set_content(data_panel);
    data_pane->children().append(data_scroller);

    body->set_columns({GridLength::automatic(), GridLength::star(), GridLength::automatic()});
    body->set_cell(*menu_pane, 0, 0);
    body->set_cell(*main_webview, 0, 1);
    body->set_cell(*preview_webview, 0, 1);
    body->set_cell(*data_pane, 0, 2);
    for (const std::shared_ptr<platform::Element>& part :
         {std::shared_ptr<platform::Element>(menu_pane), std::shared_ptr<platform::Element>(main_webview),
          std::shared_ptr<platform::Element>(preview_webview), std::shared_ptr<platform::Element>(data_pane)}) {
        body->children().append(part);
    }

    status_bar_grid = platform::Grid::create();
    status_bar_grid->set_background({title_bar_colour});
    status_text = platform::TextBlock::create();
    status_text->set_margin({12, 4, 12, 4});
    status_bar_grid->children().append(status_text);

    auto root = platform::Grid::create();
    root->set_rows({GridLength::automatic(), GridLength::star(), GridLength::automatic()});
    root->set_cell(*title_bar_grid, 0, 0);
    root->set_cell(*body, 1, 0);
    root->set_cell(*status_bar_grid, 2, 0);
    root->children().append(title_bar_grid);
    root->children().append(body);
    root->children().append(status_bar_grid);
    window->set_content(root);
}

void MainWindow::HookEvents() {
    window->closed.add([this](platform::Window&, const platform::NoArgs&) { OnWindowClosed(); });
    main_webview->core_initialized.add(
        [this](platform::WebView& sender, const platform::NoArgs&) { OnWebViewInitialized(sender); });
    main_webview->navigation_completed.add(
        [this](platform::WebView& sender, const platform::NoArgs&) { OnWebViewNavigationCompleted(sender); });
    main_webview->web_message_received.add(
        [this](platform::WebView& sender, const std::wstring& message) { OnWebMessageReceived(sender, message); });
    main_webview->got_focus.add([this](platform::WebView&, const platform::NoArgs&) { OnWebViewGotFocus(); });
    preview_webview->core_initialized.add(
        [this](platform::WebView& sender, const platform::NoArgs&) { OnPdfViewInitialized(sender); });
    library_button->clicked.add([this](platform::AppBarButton&, const platform::NoArgs&) { ToggleLibrary(); });
    settings_button->clicked.add([this](platform::AppBarButton&, const platform::NoArgs&) { ToggleSettings(); });
    text_edit_button->clicked.add([this](platform::AppBarButton&, const platform::NoArgs&) { ToggleTextEditAsync(); });
    for (const auto& button : {print_button, save_button}) {
        button->clicked.add([this](platform::AppBarButton&, const platform::NoArgs&) { TogglePrintSavePanel(); });
    }
}

void MainWindow::ApplyBars() {
    const core::settings& config = session_.config();
    toolbar_shown = config.ToolBarShow == 1.0;
    toolbar_panel->set_visibility(toolbar_shown ? Visibility::visible : Visibility::collapsed);
    title_bar_grid->set_height(toolbar_shown ? title_bar_with_tool_bar : title_bar_without_tool_bar);
    logo_tall->set_visibility(toolbar_shown ? Visibility::visible : Visibility::collapsed);
    logo_short->set_visibility(toolbar_shown ? Visibility::collapsed : Visibility::visible);

    accent_brush.color = accent_colour;
    statusbar_shown = config.StatusBarShow == 1.0;
    status_bar_grid->set_visibility(statusbar_shown ? Visibility::visible : Visibility::collapsed);
    text_edit_button->set_visibility(Visibility::collapsed);

    // Our own artwork, installed beside the template library.
    const std::wstring& install = session_.folders().install_folder;
    const std::wstring art = install.empty() ? std::wstring() : install + L"/icons/";
    const std::pair<platform::AppBarButton*, const wchar_t*> icons[] = {
        {library_button.get(), L"library.xpm"}, {settings_button.get(), L"settings.xpm"},
        {text_edit_button.get(), L"text_edit.xpm"}, {print_button.get(), L"print.xpm"},
        {save_button.get(), L"save.xpm"}};
    for (const auto& [button, file] : icons) {
        if (!art.empty()) button->set_icon(art + file);
        button->set_foreground(accent_brush);
    }
    if (!art.empty()) {
        logo_tall->set_source(art + L"logo_tall.xpm");
        logo_short->set_source(art + L"logo_short.xpm");
    }

    data_pane->set_width(pane_width(config.DataPanelWidth, 480.0));
    menu_pane->set_width(pane_width(config.MenuPanelWidth, 263.0));
}

}  // namespace app
