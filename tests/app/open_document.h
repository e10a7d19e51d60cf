// A window on the real web engine with a document of the caller's own open
// in the save/print panel, saving PDFs into `saved` without opening them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/real_views.h"
#include "app/start.h"
#include "core/file_paths.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/qt_platform.h"
#include "support/temp_folder.h"

namespace app_test {

struct OpenDocument {
    // `share` is the built share/tembrick folder; `name` the document's file
    // name without ".brik".
    OpenDocument(const std::filesystem::path& share, const std::string& name,
                 const std::string& bytes) {
        system.install = core::text_of(share);
        system.data = core::text_of(root.path() / "data");
        system.temp = core::text_of(root.path() / "cache/tembrick/temp");
        std::filesystem::create_directories(root.path() / "data/briks/Tests");
        std::filesystem::create_directories(root.path() / "cache/tembrick/temp");
        fixture::write_bytes(root.path() / "data/briks/Tests" / (name + ".brik"), bytes);

        bool shown = false;
        session = app::start_session(system);
        window = std::make_unique<app::MainWindow>(
            *session, system, platform::make_qt_web_view_factory(system),
            app::MainWindowHooks{[&](app::MainWindow&) { shown = true; }});
        window->activate();
        if (!wait_until([&] { return shown; })) return;
        std::string link = "Tests/" + name;
        std::replace(link.begin(), link.end(), ' ', '|');
        window->OnWebMessageReceived(*window->elements().main_webview, core::text_of(link));
        window->session().set_mode(core::ViewMode::save_print);
        window->session().output().save_folder = core::text_of(saved.path());
        window->session().output().open_after_saving = false;
        window->session().output().save_format = core::SaveFormat::pdf;
    }

    // The document is open once the start page came and the link was taken.
    bool ready() const { return window && window->HasLoadedDocument(); }

    fixture::temp_folder root, saved;
    platform::FakeSystem system;
    std::unique_ptr<core::session> session;
    std::unique_ptr<app::MainWindow> window;
};

}  // namespace app_test
