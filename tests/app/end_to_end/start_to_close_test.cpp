// The built program from start to close, through `main`'s start function,
// with a home folder of its own and the template library of the build tree.
// The launcher sets LANG=en_US.UTF-8: the system locale is read before a
// test could change it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "app/real_views.h"
#include "app/start.h"
#include "core/temp_folder.h"
#include "engine/document/document.h"
#include "engine/text/utf16.h"
#include "platform/task.h"

namespace {

namespace fs = std::filesystem;
using app_test::when;
using core_test::TempFolder;

// Clicks the link row of the service agreement, not the default document.
constexpr wchar_t click_service_agreement[] =
    LR"js((function () {
  var row = Array.from(document.querySelectorAll('td[onclick]')).find(
      function (td) { return td.getAttribute('onclick').indexOf('Agreements/Service|Agreement') >= 0; });
  if (!row) return 'no link row';
  row.click();
  return 'clicked';
})())js";

// The steps after the first page, each resumed by the view's answer or by
// the document's opening, so that none waits inside the first page's
// handler (see `when`).
constexpr int steps_bound_ms = 90000;

struct Seen {
    std::wstring page_text, click, opened, last_document;
    bool settings_written = false, russian_copied = true, finished = false;
};

platform::FireAndForget open_the_service_agreement(app::MainWindow& window, const fs::path& home,
                                                   Seen& seen) {
    const fs::path data = home / ".local/share/tembrick";
    platform::WebView& view = *window.elements().main_webview;
    seen.page_text = co_await view.execute_script_async(L"document.body.innerText");
    seen.settings_written = fs::exists(data / "tembrick.ini");
    seen.russian_copied = fs::exists(data / core::fs_path(L"briks/Библиотека.brik"));
    seen.click = co_await view.execute_script_async(click_service_agreement);
    co_await when([&] { return window.session().document() && !window.session().library_shown(); },
                  steps_bound_ms);
    seen.opened = window.session().document() ? window.session().document()->path : L"";
    seen.last_document = window.session().config().LastDocumentEng;
    core_test::write_file(home / ".cache/tembrick/temp/preview/page.pdf", "pdf");
    seen.finished = true;
    window.elements().window->close();
}

TEST(EndToEnd, StartOpenALinkedDocumentAndClose) {
    TempFolder home;
    const fs::path data = home.path() / ".local/share/tembrick";
    const fs::path temp = home.path() / ".cache/tembrick/temp";
    core_test::make_home(home.path());
    app::MainWindowHooks hooks;
    Seen seen;
    hooks.first_page_shown = [&](app::MainWindow& window) {
        // Whatever the steps come to, the window closes within the bound.
        QTimer::singleShot(steps_bound_ms, qApp, [&window] { window.elements().window->close(); });
        open_the_service_agreement(window, home.path(), seen);
    };
    static char name[] = "tembrick";
    char* argv[] = {name, nullptr};
    int argc = 1;
    EXPECT_EQ(app::start(argc, argv, hooks), 0);
    ASSERT_TRUE(seen.finished) << "the steps did not finish within the bound";
    // The library page of the interface language, and only its tree.
    EXPECT_NE(seen.page_text.find(L"Sales Agreement"), std::wstring::npos)
        << engine::to_utf8(seen.page_text);
    EXPECT_TRUE(seen.settings_written);
    EXPECT_FALSE(seen.russian_copied);
    EXPECT_TRUE(fs::exists(data / "briks/Library.brik"));

    const fs::path service = data / "briks/Agreements/Service Agreement.brik";
    EXPECT_EQ(seen.click, L"\"clicked\"");
    EXPECT_EQ(seen.opened, core::text_of(service));
    EXPECT_EQ(seen.last_document, L"Agreements/Service Agreement.brik");

    // Closing wrote the settings and the document back with its path.
    EXPECT_TRUE(core_test::file_contains(data / "tembrick.ini",
                                         u"LastDocumentEng:\t\tAgreements/Service Agreement.brik"));
    EXPECT_TRUE(fs::is_directory(temp));
    EXPECT_TRUE(fs::is_empty(temp));
    const engine::document stored(core::text_of(service));
    ASSERT_TRUE(stored.loaded());
    EXPECT_EQ(stored.data->page_setup.record.s5, core::text_of(service));
}

}  // namespace
