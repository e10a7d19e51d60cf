// One change to a value-list file, made to the file as it is on disk at that
// moment: read, changed, written whole under a fresh name and renamed over
// it, all under the list's lock (engine::file_lock), so that changes made at
// the same moment, in one program or two, follow each other. Each dialog
// adds or deletes its one entry and never writes back a copy that is out of
// date. UI thread only.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace ui {

// Changes the sorted entries it is handed; answers whether the file should
// be written.
using value_list_change = std::function<bool(std::vector<std::wstring>&)>;

// How long a change waits for another one to the same list before it gives
// up and says so: a change takes milliseconds, even for the longest list.
inline constexpr std::chrono::milliseconds value_list_lock_wait{5000};

struct value_list_update {
    // The file's entries, sorted, with the change made (also when the file
    // could not be written).
    std::vector<std::wstring> entries;
    // The file name the old file, not read whole, was kept under.
    std::wstring kept_as;
    // The file was left as it was: the old one, not read whole, had no free
    // name to be kept under.
    bool no_name_to_keep = false;
    // The file was left as it was: another change held the list's lock for
    // the whole wait.
    bool busy = false;
    // Why the file was left as it was; nothing when it was written or the
    // change needed no writing.
    std::error_code failure;
};

// Reads the list at `path`, sorts it, makes `change` and writes the list
// when asked to. A file not read whole is kept aside first, unless
// `kept_already` (this dialog kept it before); when it cannot be, nothing is
// written. A folder in the file's place is neither kept nor written over.
// When the lock is not had within `wait`, the change is made to the entries
// read, and nothing is written.
value_list_update update_value_list(const std::wstring& path, const value_list_change& change,
                                    bool kept_already,
                                    std::chrono::milliseconds wait = value_list_lock_wait);

}  // namespace ui
