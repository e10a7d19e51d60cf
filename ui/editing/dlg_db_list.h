// The database list dialog: the list dialog over a list without a file. It
// offers only the field's own text, for no source of database lists exists
// yet; the dialog, its handlers and its answer are those of `DlgList`.
// UI thread only.
#pragma once

#include <string>

#include "ui/editing/dlg_list.h"

namespace ui {

class DlgDbList final {
public:
    DlgDbList(PickerOwner owner, const std::wstring& initial_value, const std::wstring& title);

    platform::Task<platform::DialogResult> ShowAsync() { return list_.ShowAsync(); }
    const std::wstring& result() const { return list_.result(); }
    bool accepted() const { return list_.accepted(); }

private:
    DlgList list_;
};

}  // namespace ui
