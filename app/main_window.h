// The program's one window: it lays out the tool bar, the document view and
// the side panes, opens documents of the session from the library and
// renders them into the view. The session (settings, folders, the open
// document and its choices) is made before the window and outlives it.
//
// Members are public: the panels of the window (data, settings, print) are
// built by members of this class in other files and work on this state.
// Every handler runs on the UI thread; a failure that leaves one is shown by
// the platform layer and the program goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/view_content.h"
#include "core/session.h"
#include "platform/controls.h"
#include "platform/document_output.h"
#include "platform/grid.h"
#include "platform/info_bar.h"
#include "platform/list_box.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/task.h"
#include "platform/text_box.h"
#include "platform/timer.h"
#include "platform/toggle_button.h"
#include "platform/web_view.h"
#include "platform/window.h"

namespace app {

class MainWindow;

struct MainWindowHooks {
    // Called once, when the view has taken the start page's script.
    std::function<void(MainWindow&)> first_page_shown;
};

class MainWindow final {
public:
    // Builds the window and opens the start page; the window is shown by
    // `activate`. Throws when the start page cannot be opened.
    MainWindow(core::session& session, platform::WebViewFactory make_web_view,
               MainWindowHooks hooks = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void activate();

    core::session& session() const { return session_; }

    // Named elements.
    std::shared_ptr<platform::Window> window;
    std::shared_ptr<platform::Grid> title_bar_grid;
    std::shared_ptr<platform::Grid> menu_pane;
    std::shared_ptr<platform::Grid> data_pane;
    std::shared_ptr<platform::WebView> main_webview;
    std::shared_ptr<platform::Grid> status_bar_grid;
    std::shared_ptr<platform::TextBlock> status_text;
    std::shared_ptr<platform::WebView> preview_webview;
    std::shared_ptr<platform::ScrollViewer> data_scroller;
    std::shared_ptr<platform::Panel> data_panel;
    std::shared_ptr<platform::Panel> focus_panel;
    std::shared_ptr<platform::Panel> toolbar_panel;
    std::shared_ptr<platform::Panel> menu_button;
    std::shared_ptr<platform::AppBarButton> library_button;
    std::shared_ptr<platform::AppBarButton> settings_button;
    std::shared_ptr<platform::AppBarButton> text_edit_button;
    std::shared_ptr<platform::AppBarButton> print_button;
    std::shared_ptr<platform::AppBarButton> save_button;
    std::shared_ptr<platform::TextBlock> title_text;
    std::shared_ptr<platform::Image> logo_tall;
    std::shared_ptr<platform::Image> logo_short;
    std::shared_ptr<platform::ListBox> menu_list;

    bool toolbar_shown = true;
    bool statusbar_shown = false;
    std::wstring pending_html;
    bool first_page_shown = false;
    // What the document view shows; renders reach it through this.
    ViewContent view_content;
    // From sending a render's script until the view answers it. Renders
    // asked for meanwhile wait and go as one, with the newest values.
    bool render_in_flight = false;
    platform::SolidColorBrush accent_brush;
    // Background of the data panel, and of its label and note rows.
    platform::SolidColorBrush panel_brush;
    platform::SolidColorBrush button_brush;

    // Opening and rendering.
    void OnWebMessageReceived(platform::WebView& sender, const std::wstring& message);
    void ToggleLibrary();
    void OpenDocument(std::wstring name);
    platform::FireAndForget RenderDocumentAsync(bool reset_scroll);

    void ApplyUiLanguage();

    // The document views.
    void OnWebViewInitialized(platform::WebView& sender);
    void OnPdfViewInitialized(platform::WebView& sender);
    void OnWebViewNavigationCompleted(platform::WebView& sender);
    void OnWebViewGotFocus();

    void OnWindowClosed();

    platform::Task<> ShowPrintPreviewAsync();

    // The left menu (main_window_menu.cpp).
    void PopulateMenuList(platform::ListBox& list);
    void RefreshMenuPanel();
    void OnMenuListSelectionChanged(int index);

    // The data panel (ui/editing/data_panel.cpp).
    void BuildDataPanel(platform::Panel& panel, std::int32_t index);
    bool ReevaluateFieldConditions(std::int32_t section);
    void RefreshFieldRowVisibility();
    void MakeFieldCaption(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void MakeSectionHeader(platform::Panel& panel, std::wstring title, std::wstring subtitle);
    void MakeLabel(platform::Panel& panel, const std::wstring& text);
    // Rebuilds the data panel on a later turn of the event loop, after the
    // handler that asks for it (and the control that raised it) are done.
    void PostDataPanelRebuild();

    // Text fields (ui/editing/text_field_rows.cpp).
    void BuildFieldRowTypes1to4(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildFieldRowType5(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildFieldRowType0(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildNoteFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void OnFieldTextChanged(platform::TextBox& sender);

    // Choice and options fields (ui/editing/choice_field_rows.cpp).
    void BuildChoiceFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildOptionsFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void OnChoiceChecked(platform::ToggleButton& sender);
    void OnOptionChecked(platform::ToggleButton& sender);

    // The panels of the other modes; empty until they are built.
    void BuildSettingsPanel(platform::Panel& panel, std::int32_t page);
    void BuildTextEditPanels(platform::Panel& panel, std::int32_t index);
    void BuildSavePrintPanel(platform::Panel& panel, std::int32_t page);

    // Filled in by the caption code.
    void UpdateBreadcrumb() {}

    // View modes and the tool bar (main_window_modes.cpp).
    void ToggleSettings();
    void TogglePrintSavePanel();
    // The menu's Print and Save items.
    void OnPrintSaveMenuClick(core::SavePrintPage page);
    void ToggleTextEditAsync();
    void UpdateToolbarState();
    // A document with a page setup: only it has settings and a print.
    bool HasLoadedDocument() const;

    // Names of the open document (ui/output/document_names_window.cpp).
    std::wstring GetDocumentTitle(bool use_name) const;
    std::wstring GetFooterText() const;
    bool IsPageNumberInFooter() const;
    void StripKnownExtension(std::wstring file_name);

    // Status messages (ui/output/status_message.cpp): one bar, shown at the
    // end of `panel`, closed by one timer 3 seconds after the last message.
    void ShowStatusMessage(platform::Panel& panel, std::wstring text, int severity);
    std::shared_ptr<platform::InfoBar> info_bar;
    std::unique_ptr<platform::Timer> status_timer;

    // Setting rows and font settings (ui/output/setting_rows.cpp,
    // ui/output/font_settings.cpp).
    void MakeFontSizeRow(platform::Panel& panel);
    void MakeFirstLineIndentRow(platform::Panel& panel);
    void MakeBodyTopPaddingRow(platform::Panel& panel);
    void MakeLineSpacingRow(platform::Panel& panel);
    void MakeHeadingTopPaddingRow(platform::Panel& panel);
    // side: 0 left, 1 top, 2 right, 3 bottom.
    void MakePageMarginRow(platform::Panel& panel, std::int32_t side);
    void ApplyFontSettings();
    void OnFontFamilySelectionChanged(platform::Element& sender, const std::wstring& family);
    void OnFontSizeChanged(platform::Slider& sender, double value);
    void OnHeadingSizeChanged(platform::Slider& sender, double value);
    void OnBoldNumberingChecked(bool checked);
    void OnBoldHeadingsChecked(bool checked);

    // Printing, saving and the preview (ui/output/).
    platform::DocumentOutput& Output();
    std::shared_ptr<platform::DocumentOutput> output;  // made on first use when unset
    // kind: 0 print, 1 save, 3 layout page. Messages go to `page_panel`.
    platform::FireAndForget SaveOrPrintAsync(std::int32_t kind, std::shared_ptr<platform::Panel> page_panel);
    // Loads the current print HTML into the print view and waits for its
    // images; false when the document went away meanwhile.
    platform::Task<bool> LoadPrintViewAsync(std::uint64_t started_on);
    // The print view loaded as above and made into a PDF at the document's
    // page layout; nothing when the document went away meanwhile.
    struct PrintedView {
        platform::PdfBytes pdf;
        platform::PageLayout layout;
    };
    platform::Task<std::optional<PrintedView>> PrintViewPdfAsync(std::uint64_t started_on);
    std::uint64_t preview_runs = 0;
    bool print_in_progress = false;
    // Expires with the window: a run that resumes later touches nothing.
    std::shared_ptr<int> output_alive = std::make_shared<int>(0);

    // The save/print panel (ui/output/save_print_panel.cpp).
    void MakeCopiesRow(platform::Panel& panel);
    // kind: 0 print page, 1 save page, 2 or 3 layout page.
    void MakeApplyRow(platform::Panel& panel, std::int32_t kind);
    void OnOptionRadioChecked(platform::ToggleButton& sender);
    void OnOptionCheckBoxToggled(platform::ToggleButton& sender);
    void OnCopiesChanged(platform::Slider& sender, double value);
    // The panel's text boxes: the page list, the folder and the file name.
    void OnSavePrintTextChanged(platform::TextBox& sender);
    platform::FireAndForget PickSaveFolderAsync(std::shared_ptr<platform::TextBox> box);
    bool cleaning_page_list = false;

private:
    void BuildLayout();
    // The left menu and the data panel's brushes.
    void BuildSidePanes();
    void HookEvents();
    void ApplyBars();
    // Closes the open document before a switch; throws (dropping the switch)
    // when it could not be written back.
    void CloseBeforeSwitch();
    // Sends renders while one is asked for, each after the view answered
    // the one before.
    platform::FireAndForget SendRendersAsync();

    core::session& session_;
    platform::WebViewFactory make_web_view_;
    MainWindowHooks hooks_;
    bool render_wanted_ = false;
    bool scroll_reset_wanted_ = false;
    bool first_answer_seen_ = false;
    // Posted work checks it: the window may be gone when the work runs.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace app
