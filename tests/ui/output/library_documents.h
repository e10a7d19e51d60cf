// The library's templates in both languages, opening one of them in a window
// on the real web engine as a click on its link in the library does, and
// saving it with the save button.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/open_document.h"
#include "app/real_views.h"
#include "core/file_paths.h"
#include "support/temp_folder.h"
#include "ui/output/save_print_panel.h"

namespace output_test {

struct LibraryDocument {
    std::string name;  // the file name without ".brik"
    int language = 0;  // 0 English, 1 Russian
    std::string bytes;
};

// Every template of the built library, English first, each language sorted
// by path; the library pages themselves are left out.
inline std::vector<LibraryDocument> library_documents(const std::filesystem::path& share) {
    namespace fs = std::filesystem;
    std::vector<LibraryDocument> documents;
    for (const auto& [folder, language] : {std::pair{"01", 0}, std::pair{"00", 1}}) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(share / "briks" / folder)) {
            const std::string stem = entry.path().stem().string();
            if (entry.path().extension() == ".brik" && stem != "Library" && stem != "Библиотека")
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            documents.push_back({file.stem().string(), language, fixture::read_bytes(file)});
    }
    return documents;
}

// Opens `bytes` as `name` in the window `open` made, in `language`, in the
// save/print panel; false when it did not load.
inline bool open_in(app_test::OpenDocument& open, const std::string& name, int language,
                    const std::string& bytes) {
    app::MainWindow& window = *open.window;
    core::session& session = window.session();
    if (session.language() != language) session.switch_language();
    fixture::write_bytes(open.root.path() / "data/briks/Tests" / (name + ".brik"), bytes);
    std::string link = "Tests/" + name;
    std::replace(link.begin(), link.end(), ' ', '|');
    const std::uint64_t serial = session.document_serial();
    window.OnWebMessageReceived(*window.elements().main_webview, core::text_of(link));
    if (session.document_serial() == serial || !window.HasLoadedDocument()) return false;
    session.set_mode(core::ViewMode::save_print);
    return true;
}

// Clicks the save button and waits for its message.
inline std::wstring save(app::MainWindow& window) {
    auto page = platform::Panel::create();
    window.save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    if (!app_test::wait_until([&] { return page->children().size() > 0; }, 60000))
        return L"<no message>";
    return window.status_message().info_bar() ? window.status_message().info_bar()->title() : L"";
}

}  // namespace output_test
