// A main window on offscreen widgets with fake web views and a fake system
// whose folders live in a temporary tree with a small library.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <vector>

#include "app/failures.h"
#include "app/main_window.h"
#include "app/temp_folder.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_web_view.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"

namespace app_test {

// A document file whose page title is `title`, with one standard page.
std::string document_bytes(const std::u16string& title);
// The section stored in a document file (page_setup root v[0]).
int stored_section(const std::filesystem::path& file);

class WindowTest : public fixture::process_state_test {
protected:
    WindowTest();
    ~WindowTest() override;

    void write_settings(std::initializer_list<std::u16string_view> lines) {
        write_file(data_file(L"tembrick.ini"), settings_file(lines));
    }
    std::unique_ptr<app::MainWindow> make_window(app::MainWindowHooks hooks = {});
    platform::FakeWebView& main_view() { return *views.at(0); }
    platform::FakeWebView& preview_view() { return *views.at(1); }
    // Completes the first navigation and runs what it posted.
    void show_first_page();
    static void pump() { QCoreApplication::processEvents(); }

    std::filesystem::path data_file(std::wstring_view relative) const { return root / (L"data/" + std::wstring(relative)); }
    std::wstring data_text(std::wstring_view relative) const { return app::text_of(data_file(relative)); }

    TempFolder root;
    platform::FakeSystem system;
    std::vector<std::shared_ptr<platform::FakeWebView>> views;
    Failures failures;
};

}  // namespace app_test
