// The program's three folders and the template library inside them.
//
// The installation folder holds one library tree per language ("briks/01"
// English, "briks/00" Russian); the data folder holds the working library
// ("briks"), the value lists ("lists") and the settings file; the temporary
// folder is emptied when the window closes. An empty folder path means the
// folder is unknown: nothing is installed, resolved or removed then.
// Owned by the session; UI thread only.
#pragma once

#include <optional>
#include <string>
#include <system_error>

namespace core {

// What a data folder that cannot be written still serves for.
enum class data_folder_use {
    writable,
    // The library of the interface language is there; what is written is
    // not kept.
    read_only,
    // The library of the interface language is not there and cannot be
    // copied: no document can be opened.
    no_library,
};

struct data_folder_check {
    data_folder_use use = data_folder_use::writable;
    // The system's reason; empty when writable.
    std::error_code reason;
};

class library_folders {
public:
    library_folders() = default;
    library_folders(std::wstring install, std::wstring data, std::wstring temp);

    // Copies the library of `language` (0 English, 1 Russian) into the data
    // folder when its page is missing there; files already present are left
    // as they are. Throws std::filesystem::filesystem_error when the copy
    // fails.
    void install_library(int language);
    // The same, throwing std::runtime_error with the sentence
    // `library_not_copied` in the interface language instead.
    void install_library_or_say_why(int language);
    // Installs the library, then tries a write where documents are written
    // back. Writable when either folder is unknown. Never throws.
    data_folder_check prepare_data_folder();
    // The full path of a library document, "" when it does not exist, cannot
    // be checked (too long, a loop of links) or the name may not be used (see
    // `library_relative_name`). Installs the library first; throws
    // std::runtime_error with the sentence `library_not_copied` when that
    // fails.
    std::wstring resolve(std::wstring name);
    // The value-list folder, created when missing; "" when the data folder is
    // unknown.
    std::wstring lists_folder() const;
    // Removes everything inside the temporary folder, keeping the folder.
    // Refuses any folder but the program's own ("tembrick/temp"). Entries
    // that cannot be removed stay.
    void clear_temp();

    std::wstring install_folder;
    std::wstring data_folder;
    std::wstring temp_folder;
};

// The name with "\" turned into "/"; nullopt for a name that could leave the
// library: absolute, holding a ".." step or a NUL.
std::optional<std::wstring> library_relative_name(std::wstring name);

// The size of the file in bytes; 0 for any failure.
double file_size_of(std::wstring path);

}  // namespace core
