// The program's folders in a temporary tree: an installation with a small
// library in both languages (Library, Agreements/Sales Agreement,
// Folder/Two Words; Библиотека), an empty data folder and the temporary
// folder, as the session and the window start from them.
#pragma once

#include <filesystem>
#include <string>

#include "core/session.h"
#include "core/temp_folder.h"

namespace core_test {

// A document file whose page title and only paragraph are `title`, with one
// standard page.
std::string document_bytes(const std::u16string& title);
// The section stored in a document file (page_setup root v[0]); -1 when the
// file does not load.
int stored_section(const std::filesystem::path& file);

// Changes the open document's tree as typing a value would.
void type_a_value(core::session& session);

class SampleLibrary {
public:
    SampleLibrary();

    core::program_folders folders() const;
    std::filesystem::path data_file(std::wstring_view relative) const {
        return root / (L"data/" + std::wstring(relative));
    }
    std::wstring data_text(std::wstring_view relative) const {
        return core::text_of(data_file(relative));
    }
    void write_settings(std::initializer_list<std::u16string_view> lines) const {
        write_file(data_file(L"tembrick.ini"), settings_file(lines));
    }

    TempFolder root;
};

}  // namespace core_test
