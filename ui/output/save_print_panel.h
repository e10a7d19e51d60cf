// The save/print panel: the print page (copies, pages, footer), the save page
// (format, folder, file name, opening afterwards) and the layout page
// (margins, fonts, paragraphs), each ending in its action button, and the
// actions themselves: print on the default printer, save as PDF, DOC or
// HTML, or refresh the preview. The choices live in the session, the file
// name and the footer in the document. Every outcome is shown below the
// button; a run whose document was replaced stops quietly. UI thread only;
// the session, the preview and the status message outlive the panel.
#pragma once

#include <cstdint>
#include <memory>

#include "core/session.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/task.h"
#include "platform/text_box.h"
#include "platform/toggle_button.h"
#include "platform/window.h"
#include "ui/editing/status_message.h"
#include "ui/output/print_preview.h"
#include "ui/output/setting_rows.h"
#include "ui/render_wanted.h"

namespace ui {

// What an action button does; the value is the code the button carries.
enum class SavePrintAction : std::int32_t {
    print = 0,
    save = 1,
    refresh_preview = 3,  // the layout page's "Apply"
};

class SavePrintPanel final {
public:
    // The value dialogs of the page list and the file name show over `window`.
    SavePrintPanel(core::session& session, RenderWanted render, PrintPreview& preview,
                   StatusMessage& status, std::weak_ptr<platform::Window> window);
    SavePrintPanel(const SavePrintPanel&) = delete;
    SavePrintPanel& operator=(const SavePrintPanel&) = delete;

    // Empties `panel` and builds the page `page` of `core::SavePrintPage`;
    // nothing for another page or while no document with a page setup is
    // open. The children of each page keep a fixed order: the handlers find
    // rows by their position.
    void BuildSavePrintPanel(platform::Panel& panel, std::int32_t page);
    // Messages go to `page_panel`.
    platform::FireAndForget SaveOrPrintAsync(SavePrintAction action,
                                             std::shared_ptr<platform::Panel> page_panel);

    bool print_in_progress() const { return print_in_progress_; }

private:
    void MakeCopiesRow(platform::Panel& panel);
    void MakeApplyRow(platform::Panel& panel, SavePrintAction action);
    std::shared_ptr<platform::Panel> MakeOptionGroup(
        std::initializer_list<std::pair<int, std::int32_t>> options, std::int32_t chosen);
    std::shared_ptr<platform::CheckBox> MakeOptionCheckBox(int row, std::int32_t code,
                                                           bool checked);
    std::shared_ptr<platform::Grid> MakeTextRow(std::int32_t tag, const std::wstring& text,
                                                const std::wstring& hint, bool read_only);
    void OnOptionRadioChecked(platform::ToggleButton& sender);
    void OnOptionCheckBoxToggled(platform::ToggleButton& sender);
    void OnCopiesChanged(platform::Slider& sender, double value);
    // The panel's text boxes: the page list, the folder and the file name.
    void OnSavePrintTextChanged(platform::TextBox& sender);
    platform::FireAndForget PickSaveFolderAsync(std::shared_ptr<platform::TextBox> box);
    // The pick buttons of the page list (a calculator without "=", then a
    // fresh preview) and of the file name (a remembered list per interface
    // language); save_print_picking.cpp.
    platform::FireAndForget PickPageListAsync(std::shared_ptr<platform::TextBox> box);
    platform::FireAndForget PickFileNameAsync(std::shared_ptr<platform::TextBox> box);
    // Whether `box` still shows and its document is the one a pick began on.
    bool MayTakePick(const platform::TextBox& box, std::uint64_t started_on) const;

    core::session& session_;
    RenderWanted render_;
    PrintPreview& preview_;
    StatusMessage& status_;
    std::weak_ptr<platform::Window> window_;
    SettingRows setting_rows_;
    bool print_in_progress_ = false;
    // Expires with the panel: a run that resumes later touches nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui
