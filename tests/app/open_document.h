// A window on the real web engine with a document of the caller's own open
// in the save/print panel, saving PDFs into `saved` without opening them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "app/file_paths.h"
#include "app/main_window.h"
#include "app/real_views.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/qt_platform.h"
#include "support/temp_folder.h"

namespace app_test {

struct OpenDocument {
    // `share` is the built share/tembrick folder; `name` the document's file
    // name without ".brik".
    OpenDocument(const std::filesystem::path& share, const std::string& name,
                 const std::string& bytes) {
        system.install = app::text_of(share);
        system.data = app::text_of(root.path() / "data");
        system.temp = app::text_of(root.path() / "cache/tembrick/temp");
        std::filesystem::create_directories(root.path() / "data/briks/Tests");
        std::filesystem::create_directories(root.path() / "cache/tembrick/temp");
        fixture::write_bytes(root.path() / "data/briks/Tests" / (name + ".brik"), bytes);

        bool shown = false;
        window = std::make_unique<app::MainWindow>(
            system, platform::make_qt_web_view_factory(),
            app::MainWindowHooks{[&](app::MainWindow&) { shown = true; }});
        window->activate();
        if (!wait_until([&] { return shown; })) return;
        std::string link = "Tests/" + name;
        std::replace(link.begin(), link.end(), ' ', '|');
        window->OnWebMessageReceived(*window->main_webview, app::text_of(link));
        window->mode = 3;
        window->save_folder = app::text_of(saved.path());
        window->open_after_saving = 0;
        window->save_format = 0;
    }

    // The document is open once the start page came and the link was taken.
    bool ready() const { return window && window->HasLoadedDocument(); }

    fixture::temp_folder root, saved;
    platform::FakeSystem system;
    std::unique_ptr<app::MainWindow> window;
};

}  // namespace app_test
