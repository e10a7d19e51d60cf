// One change to a value-list file, made to the file as it is on disk at that
// moment: read, changed, written whole under a fresh name and renamed over
// it. Two dialogs, in one program or two, each add or delete their one entry
// and never write back a copy that is out of date. UI thread only.
#pragma once

#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace ui {

// Changes the sorted entries it is handed; answers whether the file should
// be written.
using value_list_change = std::function<bool(std::vector<std::wstring>&)>;

struct value_list_update {
    // The file's entries, sorted, with the change made (also when the file
    // could not be written).
    std::vector<std::wstring> entries;
    // The file name the old file, not read whole, was kept under.
    std::wstring kept_as;
    // The file was left as it was: the old one, not read whole, had no free
    // name to be kept under.
    bool no_name_to_keep = false;
    // Why the file was left as it was; nothing when it was written or the
    // change needed no writing.
    std::error_code failure;
};

// Reads the list at `path`, sorts it, makes `change` and writes the list
// when asked to. A file not read whole is kept aside first, unless
// `kept_already` (this dialog kept it before); when it cannot be, nothing is
// written. A folder in the file's place is neither kept nor written over.
value_list_update update_value_list(const std::wstring& path, const value_list_change& change,
                                    bool kept_already);

}  // namespace ui
