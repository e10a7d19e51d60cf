// A main window on offscreen widgets with fake web views and a fake system
// whose folders are those of the sample library.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <vector>

#include "app/failures.h"
#include "app/main_window.h"
#include "core/interface_language_fixture.h"
#include "core/sample_library.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_web_view.h"

namespace app_test {

class WindowTest : public core_test::interface_language_test, public core_test::SampleLibrary {
protected:
    WindowTest();
    ~WindowTest() override;

    // A new session from `system`, and a window on it; the session lives
    // until the test ends.
    std::unique_ptr<app::MainWindow> make_window(app::MainWindowHooks hooks = {});
    platform::FakeWebView& main_view() { return *views.at(0); }
    platform::FakeWebView& preview_view() { return *views.at(1); }
    // Completes the first navigation and runs what it posted. From then on
    // the main view answers every script at once, so each render goes out
    // at once; a test that holds the answers sets `holds_answers` again.
    void show_first_page();
    static void pump() { QCoreApplication::processEvents(); }
    // Taps the menu button and chooses the item at `position` (separators
    // count), as a user would.
    static void choose(app::MainWindow& window, std::size_t position);
    // Whether `script` puts a document's content into the view, and whether
    // it carries the whole of `html` (as a build does).
    static bool is_render(const std::wstring& script);
    static bool carries(const std::wstring& script, const std::wstring& html);

    platform::FakeSystem system;
    // The files the next sessions read and write documents through; the
    // machine's when null.
    const engine::environment* files = nullptr;
    std::vector<std::unique_ptr<core::session>> sessions;
    std::vector<std::shared_ptr<platform::FakeWebView>> views;
    Failures failures;
};

}  // namespace app_test
