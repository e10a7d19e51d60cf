// The built program from start to close, through `main`'s start function,
// with a home folder of its own and the template library of the build tree.
// The launcher sets LANG=en_US.UTF-8: the system locale is read before a
// test could change it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/real_views.h"
#include "app/start.h"
#include "core/temp_folder.h"
#include "engine/document/document.h"
#include "engine/text/utf16.h"

namespace {

namespace fs = std::filesystem;
using app_test::run_script;
using app_test::wait_until;
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

TEST(EndToEnd, StartOpenALinkedDocumentAndClose) {
    TempFolder home;
    const fs::path data = home.path() / ".local/share/tembrick";
    const fs::path temp = home.path() / ".cache/tembrick/temp";
    fs::create_directories(home.path() / "run");
    fs::permissions(home.path() / "run", fs::perms::owner_all);
    for (const auto& [name, place] : {std::pair{"HOME", ""},
                                      {"XDG_DATA_HOME", ".local/share"},
                                      {"XDG_CACHE_HOME", ".cache"},
                                      {"XDG_CONFIG_HOME", ".config"},
                                      {"XDG_RUNTIME_DIR", "run"}}) {
        setenv(name, (home.path() / place).c_str(), 1);
    }
    std::wstring page_text, click, opened, last_document;
    bool settings_written = false, russian_copied = true;
    app::MainWindowHooks hooks;
    hooks.first_page_shown = [&](app::MainWindow& window) {
        page_text = run_script(*window.elements().main_webview, L"document.body.innerText");
        settings_written = fs::exists(data / "tembrick.ini");
        russian_copied = fs::exists(data / core::fs_path(L"briks/Библиотека.brik"));
        click = run_script(*window.elements().main_webview, click_service_agreement);
        wait_until(
            [&] { return window.session().document() && !window.session().library_shown(); });
        opened = window.session().document() ? window.session().document()->path : L"";
        last_document = window.session().config().LastDocumentEng;
        core_test::write_file(temp / "preview/page.pdf", "pdf");
        window.elements().window->close();
    };
    static char name[] = "tembrick";
    char* argv[] = {name, nullptr};
    int argc = 1;
    EXPECT_EQ(app::start(argc, argv, hooks), 0);
    // The library page of the interface language, and only its tree.
    EXPECT_NE(page_text.find(L"Sales Agreement"), std::wstring::npos) << engine::to_utf8(page_text);
    EXPECT_TRUE(settings_written);
    EXPECT_FALSE(russian_copied);
    EXPECT_TRUE(fs::exists(data / "briks/Library.brik"));

    const fs::path service = data / "briks/Agreements/Service Agreement.brik";
    EXPECT_EQ(click, L"\"clicked\"");
    EXPECT_EQ(opened, core::text_of(service));
    EXPECT_EQ(last_document, L"Agreements/Service Agreement.brik");

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
