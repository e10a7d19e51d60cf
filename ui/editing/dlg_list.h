// The list dialog: the remembered texts of one list name, with the field's
// text added and selected, to pick from (OK, or a double click on an entry)
// or to delete from (a right click on an entry). Opening it remembers the
// field's text at once; deleting writes the list again. A line under the
// list says when the old file was kept aside or the list could not be
// written. Without a lists folder the list lives in memory for this one
// opening. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/content_dialog.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/task.h"
#include "ui/editing/picker_dialog.h"
#include "ui/editing/value_list.h"

namespace ui {

class DlgList final {
public:
    // `list_name` loses its trailing digits; an empty `title` gives the
    // default one.
    DlgList(PickerOwner owner, const std::wstring& lists_folder, const std::wstring& initial_value,
            const std::wstring& list_name, const std::wstring& title);
    DlgList(const DlgList&) = delete;
    DlgList& operator=(const DlgList&) = delete;

    // Reads and prepares the list, then shows the dialog until it closes.
    platform::Task<platform::DialogResult> ShowAsync();
    const std::wstring& result() const { return choice_.result(); }
    bool accepted() const { return accepted_; }

private:
    void BuildContent();
    // Shows what became of the last change to the file, or nothing.
    void ShowNote();
    void OnPrimaryButtonClick();
    void OnItemDoubleTapped();
    void OnItemRightTapped(const platform::ListItemPointer& at);
    void OnDeleteClick(int index);

    PickerOwner owner_;
    std::wstring title_;
    value_list_choice choice_;
    bool accepted_ = false;
    std::shared_ptr<platform::ContentDialog> dialog_;
    std::shared_ptr<platform::ListBox> list_;
    std::shared_ptr<platform::Grid> content_;
    // Made when there is first something to say.
    std::shared_ptr<platform::TextBlock> note_;
    // A menu item chosen after the dialog went touches nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui
