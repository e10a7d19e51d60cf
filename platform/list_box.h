// A list of text entries with at most one selected: the left menu.
//
// The selection is an index, -1 for none. `selection_changed` is raised for
// every change of it, made by the user or by code, and only for a change:
// replacing the entries clears a selection (raising -1 when there was one),
// and selecting an index outside the entries clears it too. Nothing here
// throws for an index. UI thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

struct ListEntry {
    std::wstring text;
    Color foreground{255, 255, 255, 255};
    double indent = 0;  // space before the text
};

class ListBox final : public Element {
public:
    static std::shared_ptr<ListBox> create();

    const std::vector<ListEntry>& entries() const { return entries_; }
    void set_entries(std::vector<ListEntry> entries);

    int selected_index() const { return selected_; }
    void set_selected_index(int index);

    Event<ListBox, int> selection_changed;

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
