// The data panel: the stack of rows beside the document, in its scroller,
// built again for the current mode and the entry chosen in the left menu.
// The rows of the data mode are its own: one editor per field of the chosen
// section, whose handlers store what is typed or chosen in the document,
// show or hide the rows whose display condition changed and ask for a
// render. The pages of the other modes come from the builders it is handed.
// UI thread only; the session outlives the panel.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/session.h"
#include "platform/button.h"
#include "platform/controls.h"
#include "platform/document_output.h"
#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/task.h"
#include "platform/text_box.h"
#include "platform/toggle_button.h"
#include "platform/window.h"
#include "ui/editing/number_notes.h"
#include "ui/editing/parameter_tree.h"
#include "ui/editing/status_message.h"
#include "ui/render_wanted.h"

namespace ui {

class DataPanel final {
public:
    // Fills the emptied panel with one mode's page for the entry chosen.
    using PageBuilder = std::function<void(platform::Panel& panel, std::int32_t index)>;
    struct OtherModes {
        PageBuilder settings;
        PageBuilder text_edit;
        PageBuilder save_print;
    };

    // What value picking needs of the window: the window its dialogs show
    // over, and the system's file picker.
    struct PickerHost {
        std::weak_ptr<platform::Window> window;
        std::function<platform::DocumentOutput&()> output;
    };

    DataPanel(core::session& session, RenderWanted render, OtherModes other_modes,
              PickerHost picker_host);
    DataPanel(const DataPanel&) = delete;
    DataPanel& operator=(const DataPanel&) = delete;

    // The scroller the window places; it holds `panel`.
    const std::shared_ptr<platform::ScrollViewer>& scroller() const { return scroller_; }
    platform::Panel& panel() const { return *panel_; }

    // Empties `panel` and builds the rows of the current mode for the entry
    // `index`; nothing happens while no document is open.
    void BuildDataPanel(platform::Panel& panel, std::int32_t index);
    // The display conditions of every field evaluated again; true when a
    // field of `section` changed its hidden flag.
    bool ReevaluateFieldConditions(std::int32_t section);
    // Shows or collapses the field rows by their fields' hidden flags.
    void RefreshFieldRowVisibility();
    // The caption row of a field, when it has a caption.
    void MakeFieldCaption(platform::Panel& panel, std::int32_t section, std::int32_t field);
    // Rebuilds the panel on a later turn of the event loop, after the
    // handler that asks for it (and the control that raised it) are done.
    void PostDataPanelRebuild();
    // The notes below the number fields' rows.
    const NumberNotes& number_notes() const { return number_notes_; }

private:
    enum class TextRowKind { one_line, one_line_listed, multi_line };

    // Types 8 and above 10 get no row.
    void BuildFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field,
                       field_type type);

    // Text fields (text_field_rows.cpp).
    void BuildFieldRowTypes1to4(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildFieldRowType5(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildFieldRowType0(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildTextRow(platform::Panel& panel, std::int32_t section, std::int32_t field,
                      TextRowKind kind);
    void BuildNoteFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void OnFieldTextChanged(platform::TextBox& sender);
    // After an edit, the note of every number field's row in the panel, which
    // may rest on the edited field (the document's currency).
    void RenoteNumberFields();
    // Holds the box to the field limit; what it refuses is said below its row.
    void LimitTyping(platform::TextBox& box);
    void SayTextRefused(const platform::TextBox& box);

    // Value picking (value_picking.cpp): the dialog of the field's type;
    // an accepted value goes into the field and its box.
    platform::FireAndForget PickFieldValueAsync(std::shared_ptr<platform::Button> sender);
    // The text box at the start of a pick button's row.
    static std::shared_ptr<platform::TextBox> RowTextBox(const platform::Button& button);
    // Whether the row of `box` still shows in the panel.
    bool IsInPanel(const platform::TextBox& box) const;

    // Image fields (image_field_row.cpp).
    void BuildImageFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    platform::FireAndForget PickImageFileAsync(std::shared_ptr<platform::Button> sender);
    void OnImageWidthChanged(platform::Slider& sender, double value);
    // The path box: a file too large, or a cleared box, empties the field.
    void OnImagePathChanged(platform::TextBox& sender, engine::doc_element& field,
                            std::int32_t section);
    // Empties a refused image field; its box shows `reason`, an interface-text row.
    void RefuseImage(platform::TextBox* box, engine::doc_element& field, std::int32_t section,
                     int reason);

    // Choice and options fields (choice_field_rows.cpp).
    void BuildChoiceFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void BuildOptionsFieldRow(platform::Panel& panel, std::int32_t section, std::int32_t field);
    void OnChoiceChecked(platform::ToggleButton& sender);
    void OnOptionChecked(platform::ToggleButton& sender);

    core::session& session_;
    RenderWanted render_;
    OtherModes other_modes_;
    PickerHost picker_host_;
    std::shared_ptr<platform::ScrollViewer> scroller_;
    std::shared_ptr<platform::Panel> panel_;
    StatusMessage status_;
    NumberNotes number_notes_;
    // Posted work checks it: the panel may be gone when the work runs.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui
