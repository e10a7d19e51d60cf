// The notes below the rows of number fields (number_note_text says which and
// their words). Each number field's row has a line of its own for its note,
// empty while there is none, so the rows below keep their place as a note
// comes and goes; the line keeps to one line, cut short in a narrow panel
// with its whole text as the tooltip.
//
// A note that comes while the user types waits for a pause in that box, or
// for the box to lose the focus: on the way to «150 000» the text «150 0» is
// no number for a moment, and a note at each key would say nothing true. A
// note goes, or takes its new words, at once. A note also rests on what the
// user changes elsewhere (the document's currency): such a change works out
// every line again, at once. UI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/panel.h"
#include "platform/text_box.h"
#include "platform/timer.h"
#include "platform/value.h"

namespace ui {

class NumberNotes final {
public:
    // How long a note waits after the last change of its box's text.
    static constexpr int pause_ms = 1000;

    NumberNotes();
    NumberNotes(const NumberNotes&) = delete;
    NumberNotes& operator=(const NumberNotes&) = delete;

    // Appends the note line of `row`, the last row of `panel`, showing
    // `note` at once.
    void AddLine(platform::Panel& panel, const platform::Element& row, std::wstring note);
    // The text of `box` changed and its field's note is now `note`.
    void TextChanged(const platform::TextBox& box, std::wstring note);
    // `box` lost the focus: a note waiting for it shows now.
    void BoxLeft(const platform::TextBox& box);
    // Every line still in a panel takes the note `note_of` gives for the
    // field its row edits: at once, or in place of the note still waiting
    // for a pause in that line's box.
    void Renote(const std::function<std::wstring(const platform::TreeIndex& field)>& note_of);

    // The line below the row that holds `box`; null for a box without one.
    static std::shared_ptr<platform::TextBlock> LineOf(const platform::TextBox& box);
    // Ticks when a waiting note is due.
    platform::Timer& timer() const { return *timer_; }

private:
    void ShowWaitingNote();

    std::unique_ptr<platform::Timer> timer_;
    std::vector<std::weak_ptr<platform::TextBlock>> lines_;
    std::weak_ptr<platform::TextBlock> waiting_line_;
    std::wstring waiting_note_;
};

}  // namespace ui
