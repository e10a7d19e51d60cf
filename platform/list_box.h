// A list of text entries with at most one selected: the left menu and the
// list dialogs.
//
// The selection is an index, -1 for none. `selection_changed` is raised for
// every change of it, made by the user or by code, and only for a change:
// replacing the entries clears a selection (raising -1 when there was one),
// and selecting an index outside the entries clears it too. Removing the
// selected entry leaves none selected; removing one above it moves the index
// with its entry. Nothing here throws for an index. UI thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

// An entry under the pointer and where the pointer is, in the list's own
// coordinates.
struct ListItemPointer {
    int index = -1;
    Point position;
};

struct ListEntry {
    std::wstring text;
    Color foreground{255, 255, 255, 255};
    double indent = 0;              // space before the text
    std::wstring font_family = {};  // the text's typeface; empty: the list's own
};

class ListBox final : public Element {
public:
    static std::shared_ptr<ListBox> create();

    const std::vector<ListEntry>& entries() const { return entries_; }
    void set_entries(std::vector<ListEntry> entries);

    int selected_index() const { return selected_; }
    void set_selected_index(int index);
    void remove_at(int index);
    // Scrolls the list as little as it takes to show the entry whole. A list
    // that was never shown has no size yet to scroll in.
    void scroll_into_view(int index);

    Event<ListBox, int> selection_changed;
    // A double click on an entry; its first click has selected it.
    Event<ListBox, int> item_double_clicked;
    // A right click on an entry, which does not select it.
    Event<ListBox, ListItemPointer> item_right_clicked;

    // Act as a user would (tests).
    void double_click(int index);
    void right_click(int index);

private:
    ListBox();
    // Moves the widget's selection without raising anything.
    void show_selection(int index);
    void change_selection(int index);

    std::vector<ListEntry> entries_;
    int selected_ = -1;
    bool updating_ = false;
};

}  // namespace platform
