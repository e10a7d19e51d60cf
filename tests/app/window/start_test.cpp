#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "core/interface_texts.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "ui/editing/panel_look.h"
#include "window/window_fixture.h"

namespace {

using core_test::utf16le;
using platform::Visibility;

using WindowStart = app_test::WindowTest;

TEST_F(WindowStart, FirstStartWritesTheSettingsAndOpensTheLibraryOfTheRegion) {
    auto window = make_window();
    // Written before the region is consulted: Language is still the default.
    EXPECT_TRUE(core_test::read_file(data_file(L"tembrick.ini"))
                    .starts_with(utf16le(u"16\r\nLanguage:\t\t1.000000")));
    EXPECT_EQ(window->session().language(), 0);
    EXPECT_TRUE(window->session().library_shown());
    ASSERT_TRUE(window->session().document());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Library.brik"));
    EXPECT_FALSE(std::filesystem::exists(data_file(L"briks/Библиотека.brik")));
    EXPECT_EQ(window->elements().text_edit_button->visibility(), Visibility::collapsed);
}

TEST_F(WindowStart, SavesIntoTheDocumentsFolderThatWereCutShortAreSweptAway) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::filesystem::path documents = root / L"home/Documents";
    const auto stale = documents / (".paperwright-" + std::to_string(child) + "-3.saving");
    const auto running = documents / (".paperwright-" + std::to_string(::getpid()) + "-3.saving");
    core_test::write_file(stale, "cut short");
    core_test::write_file(running, "being written");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", (root / L"home").c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    auto window = make_window();
    ::setenv("HOME", home.c_str(), 1);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(running));
}

TEST_F(WindowStart, TheRegionOverridesTheStoredLanguageAndWithoutOneTheStoredLanguageDecides) {
    write_settings({u"Language:\t\t0.000000"});
    system.region = L"ru";
    {
        auto window = make_window();
        EXPECT_EQ(window->session().language(), 1);
        EXPECT_EQ(window->elements().title_text->text(), L"Бумагодел");
        EXPECT_EQ(window->session().document()->path, data_text(L"briks/Библиотека.brik"));
    }
    const struct {
        std::optional<std::wstring> region;
        const char16_t* settings;
        int language;
    } cases[] = {
        {std::nullopt, u"Language:\t\t0.000000", 0},
        {L"", u"Language:\t\t2.000000",
         0},                         // an empty code cannot be read; only exactly 1 is Russian
        {std::nullopt, nullptr, 1},  // the default
    };
    for (const auto& c : cases) {
        system.region = c.region;
        std::filesystem::remove(data_file(L"tembrick.ini"));
        if (c.settings) write_settings({c.settings});
        auto window = make_window();
        EXPECT_EQ(window->session().language(), c.language) << &c - cases;
    }
}

TEST_F(WindowStart, StoredStartAndToolBarAreApplied) {
    write_settings({u"StartOnLibrary:\t\t0.000000", u"LastDocumentEng:\t\tFolder/Two Words.brik",
                    u"ToolBarShow:\t\t0.500000"});
    auto window = make_window();
    EXPECT_FALSE(window->session().library_shown());
    EXPECT_EQ(window->session().document()->path, data_text(L"briks/Folder/Two Words.brik"));
    EXPECT_EQ(window->elements().toolbar_panel->visibility(), Visibility::collapsed);  // not 1
}

TEST_F(WindowStart, AStoredDocumentThatDoesNotOpenShowsItsPageAndAnEmptyPanelInTheGradient) {
    core_test::write_file(data_file(L"briks/Broken.brik"), "not a document");
    std::filesystem::create_symlink("Loop.brik", data_file(L"briks/Loop.brik"));
    const struct {
        std::u16string name;
        bool uncheckable;
    } cases[] = {{std::u16string(295, u'x') + u".brik", true},
                 {u"Loop.brik", true},
                 {u"Absent.brik", false},
                 {u"Broken.brik", false}};
    for (const auto& c : cases) {
        write_settings({u"StartOnLibrary:\t\t0.000000", u"LastDocumentEng:\t\t" + c.name});
        auto window = make_window();
        ASSERT_TRUE(window->session().document());
        const platform::Panel& panel = window->data_panel().panel();
        EXPECT_EQ(panel.children().size(), 0u);
        EXPECT_EQ(panel.background(), ui::look::panel_brush());
        if (!c.uncheckable) continue;
        EXPECT_EQ(window->session().document()->path, L"");
        EXPECT_NE(window->pending_html().find(core::ui_string(engine::ui_text::document_absent)),
                  std::wstring::npos);
    }
}

TEST_F(WindowStart, NoScriptRunsBeforeTheFirstNavigationThenExactlyThePendingPage) {
    int shown = 0;
    auto window = make_window({[&](app::MainWindow&) { ++shown; }});
    EXPECT_TRUE(main_view().scripts.empty());
    ASSERT_FALSE(window->pending_html().empty());

    main_view().navigation_completed.raise(main_view());
    ASSERT_EQ(main_view().scripts.size(), 1u);
    EXPECT_TRUE(carries(main_view().scripts[0], window->pending_html()));
    main_view().answer_next();
    EXPECT_EQ(shown, 0);  // resumed by posted work, not inside the answer
    pump();
    EXPECT_EQ(shown, 1);

    main_view().navigation_completed.raise(main_view());
    EXPECT_EQ(main_view().scripts.size(), 1u);
}

TEST_F(WindowStart, ANavigationInSavePrintModeWaitsForALaterOneAndZoomIsBounded) {
    write_settings({u"DocumentZoom:\t\t900.000000"});
    auto window = make_window();
    EXPECT_EQ(window->session().document()->zoom, 250);
    EXPECT_EQ(window->session().config().DocumentZoom, 900);  // the setting is kept
    window->session().config().DocumentZoom = std::numeric_limits<double>::quiet_NaN();
    window->session().set_mode(core::ViewMode::save_print);
    main_view().navigation_completed.raise(main_view());
    EXPECT_FALSE(window->first_page_shown());
    window->session().set_mode(core::ViewMode::data);
    main_view().navigation_completed.raise(main_view());
    EXPECT_TRUE(window->first_page_shown());
    EXPECT_EQ(window->session().document()->zoom, 100);
}

TEST_F(WindowStart, UnknownFoldersLeaveTheDefaultsAndWriteNothing) {
    system.data = L"";
    auto window = make_window();
    EXPECT_TRUE(window->session().config().path.empty());
    EXPECT_FALSE(std::filesystem::exists(data_file(L"tembrick.ini")));
    ASSERT_TRUE(window->session().document());
    EXPECT_EQ(window->session().document()->path, L"");
}

}  // namespace
