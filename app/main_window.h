// The program's one window: it lays out the title bar with the tool bar, the
// left menu, the document view and the data panel, composes the panels
// beside the document, routes the tool bar and the page's messages, opens
// documents of the session from the library and renders them into the view.
// The session (settings, folders, the open document and its choices) is
// made before the window and outlives it.
//
// Every handler runs on the UI thread; a failure that leaves one is shown by
// the platform layer and the program goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/main_menu_entries.h"
#include "app/view_content.h"
#include "app/window_placement.h"
#include "core/session.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/interface_language.h"
#include "platform/keys.h"
#include "platform/pane_row.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/system.h"
#include "platform/task.h"
#include "platform/timer.h"
#include "platform/web_view.h"
#include "platform/window.h"
#include "ui/editing/data_panel.h"
#include "ui/editing/left_menu.h"
#include "ui/editing/status_message.h"
#include "ui/editing/text_edit_panel.h"
#include "ui/output/print_preview.h"
#include "ui/output/save_print_panel.h"
#include "ui/output/settings_panel.h"

namespace app {

class MainWindow;

struct MainWindowHooks {
    // Called once, when the view has taken the start page's script.
    std::function<void(MainWindow&)> first_page_shown;
    // Called when a render's script has gone to the view.
    std::function<void(MainWindow&)> render_sent = {};
};

// The window's named elements, for the hooks and tests that look at them.
struct MainWindowElements {
    std::shared_ptr<platform::Window> window;
    std::shared_ptr<platform::WebView> main_webview;
    std::shared_ptr<platform::WebView> preview_webview;
    std::shared_ptr<platform::Grid> title_bar_grid;
    std::shared_ptr<platform::Image> logo_tall;
    std::shared_ptr<platform::Image> logo_short;
    std::shared_ptr<platform::Panel> menu_button;
    std::shared_ptr<platform::TextBlock> title_text;
    std::shared_ptr<platform::Panel> toolbar_panel;
    std::shared_ptr<platform::AppBarButton> library_button;
    std::shared_ptr<platform::AppBarButton> settings_button;
    std::shared_ptr<platform::AppBarButton> text_edit_button;
    std::shared_ptr<platform::AppBarButton> print_button;
    std::shared_ptr<platform::AppBarButton> save_button;
    // The row of the menu pane, the document views and the data pane.
    std::shared_ptr<platform::PaneRow> pane_row;
    std::shared_ptr<platform::Grid> menu_pane;
    std::shared_ptr<platform::Panel> focus_panel;
    std::shared_ptr<platform::Grid> data_pane;
    std::shared_ptr<platform::Grid> status_bar_grid;
    std::shared_ptr<platform::TextBlock> status_text;
    // The width sliders, each in a strip of its own at the foot of its pane.
    std::shared_ptr<platform::Slider> menu_pane_slider;
    std::shared_ptr<platform::Slider> data_pane_slider;
};

class MainWindow final {
public:
    // Builds the window and opens the start page; the window is shown by
    // `activate`. Throws when the start page cannot be opened. `system`
    // opens the links of the About box and lists the font families; it
    // outlives the window.
    MainWindow(core::session& session, platform::System& system,
               platform::WebViewFactory make_web_view, MainWindowHooks hooks = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Places the window as the settings keep it, then shows it.
    void activate();
    // Brings the shown window to the front, as it is placed; nothing once
    // it is closed, which answers false.
    bool BringToFront();

    core::session& session() const { return session_; }
    platform::System& system() const { return system_; }
    const MainWindowElements& elements() const { return elements_; }
    ui::LeftMenu& left_menu() { return left_menu_; }
    ui::DataPanel& data_panel() { return data_panel_; }
    ui::SettingsPanel& settings_panel() { return settings_panel_; }
    ui::TextEditPanel& text_edit_panel() { return text_edit_panel_; }
    ui::SavePrintPanel& save_print_panel() { return save_print_panel_; }
    ui::PrintPreview& print_preview() { return preview_; }
    ui::StatusMessage& status_message() { return status_; }
    // The last screen HTML rendered; the first navigation shows it.
    const std::wstring& pending_html() const { return pending_html_; }
    bool first_page_shown() const { return first_page_shown_; }
    // From sending a render's script until the view answers it. Renders asked
    // for meanwhile wait and go as one, with the newest values.
    bool render_in_flight() const { return render_in_flight_; }
    // How the renders so far reached the view.
    const ViewUpdates& view_updates() const { return view_content_.updates(); }

    // Opening and rendering (main_window_documents.cpp).
    void OnWebMessageReceived(platform::WebView& sender, const std::wstring& message);
    void ToggleLibrary();
    void OpenDocument(std::wstring name);
    platform::FireAndForget RenderDocumentAsync(bool reset_scroll);
    void ApplyUiLanguage();

    // The document views and closing (main_window_views.cpp).
    void OnWebViewInitialized(platform::WebView& sender);
    void OnPdfViewInitialized(platform::WebView& sender);
    void OnWebViewNavigationCompleted(platform::WebView& sender);
    void OnWebViewGotFocus();
    // Typed values that cannot be written back keep the window open, with
    // the message saying why; a close with nothing typed since that message
    // goes through.
    void OnWindowClosing(const platform::WindowClosing& request);
    void OnWindowClosed();
    // Whether the user was told at a refused close of the open document as
    // it is now, or by the status bar's note at logout.
    bool ToldAtRefusedClose() const;

    // Ending without the user (main_window_unasked_end.cpp); none of these
    // shows a dialog. A termination signal: the window closes as at the
    // user's close, and typed values that cannot be written back are lost,
    // with the status bar's note. Nothing once the window is closed.
    void CloseUnasked();
    // Logout: the document and the settings are written now; when the
    // document cannot be, the status bar says so and a close with nothing
    // typed since goes through.
    void SaveAtLogout();
    // The process ends with the window open (the display is gone): the
    // document, the settings and the temporary folder as at a close,
    // without the window.
    void SaveAtSuddenExit();

    // Writing back (main_window_write_back.cpp): the open document is
    // written back this long after the last change asked for a render, and
    // at the latest this long after the first change not yet written, so
    // that steady typing reaches the file too.
    static constexpr int write_back_delay_ms = 1000;
    static constexpr int write_back_longest_wait_ms = 5000;
    platform::Timer& write_back_timer() { return *write_back_timer_; }
    platform::Timer& write_back_deadline() { return *write_back_deadline_; }
    // A change asked for a render: the write-back follows (both timers).
    void ScheduleWriteBack();
    // The document is written or closed: no write-back waits.
    void CancelWriteBack();
    // Writes the open document back now; a write that fails while typed
    // values would be lost puts the status bar's note up, the next that
    // succeeds takes it down.
    void WriteBackNow();
    // The note that stands in the status bar; empty when none.
    const std::wstring& write_back_note() const { return write_back_note_; }

    // View modes and the tool bar (main_window_modes.cpp).
    void ToggleSettings();
    void TogglePrintSavePanel();
    // The menu's Print and Save items.
    void OnPrintSaveMenuClick(core::SavePrintPage page);
    void ToggleTextEditAsync();
    void UpdateToolbarState();
    // A document with a page setup: only it has settings and a print.
    bool HasLoadedDocument() const;

    // The keyboard and the interface language (main_window_keys.cpp).
    void OnKeyboardAcceleratorInvoked(const platform::Accelerator& key);
    // Closes the open document in the present language, then switches and
    // opens the other language's start page; a document that cannot be
    // written back stops the switch.
    void SwitchLanguage();

    // Placement (main_window_placement.cpp): each change is kept in the
    // settings, which this timer writes a moment later.
    // Answers the plan it applied.
    placement_plan ApplyPlacement();
    void OnWindowChanged(const platform::WindowChange& change);
    platform::Timer& placement_write_timer() { return *placement_write_timer_; }

    // The header row (main_window_title_bar.cpp).
    double GetMonitorScale() const;
    void UpdateTitleBarLayout();

    // The panes' width sliders (main_window_panes.cpp).
    void OnMenuPanelWidthChanged(double width);
    void OnDataPanelWidthChanged(double width);

    // The main menu and the bars (main_window_main_menu.cpp).
    void OnMenuButtonTapped();
    void OnBarsMenuClick(main_menu_command bar);
    bool toolbar_shown() const { return toolbar_shown_; }
    bool statusbar_shown() const { return statusbar_shown_; }

    // Captions (main_window_captions.cpp): the status bar names the open
    // document; the title adds its name while the tool bar is hidden, and
    // the system's title is always the title row's.
    void UpdateBreadcrumb();
    std::wstring GetDocumentName() const;

    // The About box (main_window_about.cpp).
    platform::FireAndForget ShowAboutAsync();
    void OnSupportLinkClick();

private:
    // The window first, then the two views, as the platform expects them.
    static MainWindowElements MakeWindowAndViews(const platform::WebViewFactory& make_web_view);
    void BuildLayout();
    void BuildTitleBar();
    void BuildPaneSliders();
    void HookEvents();
    void ApplyBars();
    // The bars, logos and title as `toolbar_shown_` and `statusbar_shown_` say.
    void ShowBars();
    void SetTitle(std::wstring title);
    void ApplyPaneWidths();
    // Stops the pending write and keeps the placement for the closing one.
    void StorePlacementAtClose();
    std::wstring icons_folder() const;
    // The About box's rule and its four links.
    std::shared_ptr<platform::Grid> AboutLinks();
    // Closes the open document before a switch; throws (dropping the switch)
    // when it could not be written back.
    void CloseBeforeSwitch();
    // The status bar's note of a failed write-back, or none.
    void SetWriteBackNote(std::wstring note);
    // Sends renders while one is asked for, each after the view answered
    // the one before.
    platform::FireAndForget SendRendersAsync();
    ui::RenderWanted render_wanted();

    core::session& session_;
    platform::System& system_;
    MainWindowHooks hooks_;
    MainWindowElements elements_;
    ui::StatusMessage status_;
    ui::PrintPreview preview_;
    ui::SettingsPanel settings_panel_;
    ui::TextEditPanel text_edit_panel_;
    ui::SavePrintPanel save_print_panel_;
    ui::DataPanel data_panel_;
    ui::LeftMenu left_menu_;
    std::wstring pending_html_;
    bool first_page_shown_ = false;
    ViewContent view_content_;
    bool render_in_flight_ = false;
    bool render_wanted_ = false;
    bool scroll_reset_wanted_ = false;
    bool first_answer_seen_ = false;
    bool toolbar_shown_ = true;
    bool statusbar_shown_ = false;
    std::unique_ptr<platform::Timer> placement_write_timer_;
    std::unique_ptr<platform::Timer> write_back_timer_;
    std::unique_ptr<platform::Timer> write_back_deadline_;
    std::wstring write_back_note_;
    // Closing for a termination signal or the event loop's end: nothing is
    // asked or shown.
    bool closing_unasked_ = false;
    // Placement is applied, and then kept, once the window has been shown.
    bool activated_ = false;
    // Shown maximised over the first-start size or a size held to the
    // screen: the frame is fitted into the screen at the first restore.
    bool fit_frame_at_restore_ = false;
    // The document whose unsaved values kept the window open at a close,
    // and what it held then.
    struct RefusedClose {
        std::uint64_t document_serial;
        std::string content;
    };
    std::optional<RefusedClose> close_refused_;
    // The widths of the header row's columns 0 and 6, over the insets.
    std::pair<double, double> inset_columns_{0, 0};
    // Posted work, menu items and renders that resume after the window went
    // touch nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// The texts of the platform's own dialogs and message boxes in `language`
// (0 English, 1 Russian), titled with the program's name in it.
platform::InterfaceTexts PlatformTexts(int language);
// The platform's own dialogs and message boxes in the session's language.
void SetPlatformTexts(const core::session& session);

}  // namespace app
