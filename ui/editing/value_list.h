// Remembered texts: one ".list" file per list name in the lists folder, and
// the choice a list dialog offers over them.
//
// Texts are held as code points and stored as UTF-16LE; lengths and order are
// counted in UTF-16 code units, so a file read and written back keeps its
// bytes (lone surrogates included). A list is read whole when a dialog opens
// and written whole, through engine::replace_file, when it changes.
// UI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// At most this many bytes of a file are read and this many entries kept: a
// damaged or foreign file costs bounded memory and time.
inline constexpr std::size_t value_list_max_bytes = std::size_t(4) << 20;
inline constexpr std::size_t value_list_max_entries = 10000;

struct value_list_read {
    std::vector<std::wstring> entries;
    // False when something in the file was not an entry: one without the
    // mark, a count the entries fall short of, bytes after the last entry,
    // an entry cut off, or a bound reached.
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
// Keeps a file that was not read whole beside it, under the first free name
// of "<file>.unreadable", "<file>.2.unreadable", ... before it is replaced;
// answers the file name it got, empty when it could not be kept.
std::wstring keep_unreadable_value_list(const std::wstring& path);
// Replaces the file whole; a failure keeps the old file and goes to stderr.
bool write_value_list(const std::wstring& path, const std::vector<std::wstring>& entries);

// What a list dialog shows and hands back. With a path the list is read when
// it opens and written back whenever it changes; without one it lives in
// memory for one opening.
class value_list_choice {
public:
    value_list_choice(std::wstring list_path, std::wstring initial_value);

    // Reads the list, adds the initial value once, sorts, selects the initial
    // value and writes the list back. An empty initial value adds and writes
    // nothing and leaves the first entry selected; so does a new text for a
    // list of `value_list_max_entries`, which selects none. A file that was not read
    // whole is kept aside before the first write; when it cannot be, the
    // list is never written.
    void open();

    const std::vector<std::wstring>& entries() const { return entries_; }
    // -1 for none.
    std::int32_t selected_index() const { return selected_; }
    const std::wstring& result() const { return result_; }
    // The file name the old list was kept under; empty when none was.
    const std::wstring& kept_as() const { return kept_as_; }

    // A selection made in the list: the selected entry becomes the result; no
    // selection keeps the result.
    void select(std::int32_t index);
    // OK: the result is the selected entry, or stays as it was.
    const std::wstring& accept();
    // Removes an entry and writes the list. The result goes with it unless
    // another entry holds the same text; the selection follows its entry.
    void remove(std::int32_t index);

private:
    bool has(std::int32_t index) const {
        return index >= 0 && std::size_t(index) < entries_.size();
    }
    void write();

    std::wstring list_path_;
    std::wstring initial_value_;
    std::vector<std::wstring> entries_;
    std::int32_t selected_ = 0;
    std::wstring result_;
    bool read_whole_ = true;
    std::wstring kept_as_;
};

}  // namespace ui
