// Remembered texts: one ".list" file per list name in the lists folder, and
// the choice a list dialog offers over them.
//
// Texts are held as code points and stored as UTF-16LE; lengths and order are
// counted in UTF-16 code units, so a file read and written back keeps its
// bytes (lone surrogates included). Each change (the field's text added when
// a dialog opens, an entry deleted) is made to the file as it is on disk at
// that moment, under the list's lock, and written whole again through
// engine::replace_file: a dialog left open never writes back what another
// one added meanwhile, and two changes at once both stay. UI thread only.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "ui/editing/value_list_update.h"

namespace ui {

// At most this many bytes of a file are read and this many entries kept: a
// damaged or foreign file costs bounded memory and time.
inline constexpr std::size_t value_list_max_bytes = std::size_t(4) << 20;
inline constexpr std::size_t value_list_max_entries = 10000;

struct value_list_read {
    std::vector<std::wstring> entries;
    // False when something in the file was not an entry: one without the
    // mark, a count the entries fall short of, bytes after the last entry,
    // an entry cut off, or a bound reached. Such a list holds no empty text:
    // none the program would have written there.
    bool whole = true;
};

// The texts of a ".list" file; what a damaged file holds in complete entries,
// at most `value_list_max_entries` of them.
value_list_read decode_value_list(std::string_view bytes);
// A ".list" file of `entries`, every entry in the long length form.
std::string encode_value_list(const std::vector<std::wstring>& entries);

// Ascending by UTF-16 code units compared as unsigned numbers; a prefix
// comes first. No case folding and no locale.
bool value_list_less(std::wstring_view a, std::wstring_view b);
void sort_value_list(std::vector<std::wstring>& entries);

// The file name of a list, without ".list": the name without its trailing
// digits (Client1 and Client2 share "Client"), with "/", "\", NUL and control
// characters turned into "_" so that a name from a template stays one file
// in the lists folder.
std::wstring value_list_name(std::wstring_view name);
// The list's file in `lists_folder`; empty when the folder is unknown.
std::wstring value_list_path(const std::wstring& lists_folder, std::wstring_view name);

// A missing file reads as an empty, whole list; one that cannot be read, as
// an empty list that is not whole. At most `value_list_max_bytes` are read.
value_list_read read_value_list(const std::wstring& path);
// The file name an old list is kept under: n = 1 gives "<file>.unreadable",
// n = 2 to `value_list_kept_names` "<file>.<n>.unreadable".
inline constexpr int value_list_kept_names = 100;
std::wstring unreadable_list_name(const std::wstring& path, int n);
struct value_list_keeping {
    // The file name it got; empty when it could not be kept.
    std::wstring name;
    // Why not: every name was taken, or the system's reason.
    bool names_taken = false;
    std::error_code error;
};
// Keeps a file that was not read whole beside it, under the first free one
// of those names, before it is replaced.
value_list_keeping keep_unreadable_value_list(const std::wstring& path);
// Replaces the file whole; a failure keeps the old file. Answers the failure.
std::error_code write_value_list(const std::wstring& path,
                                 const std::vector<std::wstring>& entries);

// What a list dialog shows and hands back. With a path each change is made
// to the file (update_value_list); without one the list lives in memory for
// one opening.
class value_list_choice {
public:
    // `lock_wait`: how long a change waits for another one to the same list.
    value_list_choice(std::wstring list_path, std::wstring initial_value,
                      std::chrono::milliseconds lock_wait = value_list_lock_wait);

    // Reads the list, adds the initial value once, sorts, selects the initial
    // value and writes the list back. An empty initial value adds and writes
    // nothing and leaves the first entry selected; so does a new text for a
    // list of `value_list_max_entries`, which selects none. A file that was
    // not read whole is kept aside before it is written (see
    // update_value_list).
    void open();

    const std::vector<std::wstring>& entries() const { return entries_; }
    // -1 for none.
    std::int32_t selected_index() const { return selected_; }
    const std::wstring& result() const { return result_; }
    const std::wstring& list_path() const { return list_path_; }
    // The file name the old list was kept under; empty when none was.
    const std::wstring& kept_as() const { return kept_as_; }
    // Why the last change could not be written to the file; nothing when it
    // was written or needed no writing.
    const std::error_code& write_failure() const { return write_failure_; }
    // The last change was not written because the old file, not read whole,
    // had no free name to be kept under.
    bool no_name_to_keep() const { return no_name_to_keep_; }
    // The last change was not written because another one held the list
    // for the whole wait.
    bool busy() const { return busy_; }
    // One line on the file for under the list: why the last change was not
    // written, else where the old file went; empty when there is nothing
    // to say.
    std::wstring note() const;

    // A selection made in the list: the selected entry becomes the result; no
    // selection keeps the result.
    void select(std::int32_t index);
    // OK: the result is the selected entry, or stays as it was.
    const std::wstring& accept();
    // Removes an entry, and one entry of its text from the file. The result
    // goes with it unless another entry holds the same text; the selection
    // follows its entry.
    void remove(std::int32_t index);

private:
    bool has(std::int32_t index) const {
        return index >= 0 && std::size_t(index) < entries_.size();
    }
    // Makes the change to the file, notes what became of it and answers
    // the file's entries with the change.
    std::vector<std::wstring> update_file(const value_list_change& change);

    std::wstring list_path_;
    std::wstring initial_value_;
    std::chrono::milliseconds lock_wait_;
    std::vector<std::wstring> entries_;
    std::int32_t selected_ = 0;
    std::wstring result_;
    std::wstring kept_as_;
    std::error_code write_failure_;
    bool no_name_to_keep_ = false;
    bool busy_ = false;
};

}  // namespace ui
