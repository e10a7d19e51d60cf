#include "ui/editing/dlg_db_list.h"

namespace ui {

// No lists folder: the list is neither read nor written.
DlgDbList::DlgDbList(PickerOwner owner, const std::wstring& initial_value,
                     const std::wstring& title)
    : list_(std::move(owner), std::wstring(), initial_value, std::wstring(), title) {}

}  // namespace ui
