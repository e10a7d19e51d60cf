// The built program ended other than by its window, on an X server of the
// test's own (Xvfb): by SIGTERM, and by its X server ending, after typing
// into a document and turning its page; the document's file then holds
// both. Opening the library after typing writes the document back first,
// and the library page that cannot be written ends with no dialog.
//
// The program runs in a child process (a death test), which the X server's
// end takes down; the test reads the files after it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/real_views.h"
#include "app/start.h"
#include "core/engine_services.h"
#include "core/file_paths.h"
#include "core/settings.h"
#include "core/temp_folder.h"
#include "engine/document/document.h"
#include "platform/dispatcher.h"
#include "platform/qt/native_widget.h"
#include "platform/timer.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

enum class Ending { sigterm, x_server_ends, library_then_sigterm };

constexpr double landscape_width_mm = 297;

// An Xvfb on a display it chooses itself; pid 0 when it did not start.
struct XServer {
    XServer() {
        int ready[2];
        if (::pipe(ready) != 0) return;
        const std::string fd = std::to_string(ready[1]);
        const char* argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                              "1280x1024x24", "-nolisten",  "tcp",      nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        ::close(ready[1]);
        // Once it takes connections it writes its display number and a line
        // break and closes its end; the pipe is read to that end, as the
        // server dies of a write that finds it closed.
        std::string number;
        char part[16];
        for (ssize_t got; pid && (got = ::read(ready[0], part, sizeof part)) > 0;)
            number.append(part, std::size_t(got));
        ::close(ready[0]);
        if (number.ends_with('\n')) display.assign(1, ':').append(number, 0, number.size() - 1);
    }
    ~XServer() {
        if (!pid) return;
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
    pid_t pid = 0;
    std::string display;
};

// Stderr of the program lacks the lines of a reported failure ("tembrick:"),
// which also go into a dialog, and of a step that went wrong.
class NothingReported final : public testing::MatcherInterface<const std::string&> {
public:
    bool MatchAndExplain(const std::string& output, testing::MatchResultListener*) const override {
        return output.find("tembrick: ") == std::string::npos &&
               output.find("step failed: ") == std::string::npos;
    }
    void DescribeTo(std::ostream* os) const override { *os << "reports no failure"; }
};

void step_failed(const char* what) {
    std::fprintf(stderr, "step failed: %s\n", what);
    std::fflush(stderr);
    std::_Exit(3);
}

QLineEdit* first_field(app::MainWindow& window) {
    QWidget* panel = platform::widget_of(window.data_panel().panel());
    for (QLineEdit* field : panel->findChildren<QLineEdit*>()) {
        if (field->isVisibleTo(panel) && field->isEnabled() && !field->isReadOnly()) return field;
    }
    return nullptr;
}

platform::FireAndForget type_then_end(app::MainWindow& window, Ending ending, pid_t x_server,
                                      fs::path document) {
    window.OnWebMessageReceived(*window.elements().main_webview, L"Agreements/Sales|Agreement");
    QLineEdit* field = first_field(window);
    if (!field) step_failed("no field to type into");
    QTest::keyClicks(field, "Typed before the end");
    // Turned as the page settings turn it: stored, then rendered.
    engine::doc_record& setup = *core::page_setup_record(window.session().data());
    setup.d1 = landscape_width_mm;
    setup.v[0] = 210;
    window.RenderDocumentAsync(false);
    switch (ending) {
        case Ending::sigterm: ::kill(::getpid(), SIGTERM); break;
        case Ending::x_server_ends:
            co_await platform::delay(2500);
            ::kill(x_server, SIGTERM);
            co_await platform::delay(30000);
            step_failed("the program outlived its X server");
            break;
        case Ending::library_then_sigterm:
            window.ToggleLibrary();
            if (!core_test::file_contains(document, u"Typed before the end"))
                step_failed("the document was not written back before the library opened");
            // A folder in the library page's place stops every write, even
            // root's; selecting a section is all that changes in it.
            fs::remove(core::fs_path(window.session().document()->path));
            fs::create_directories(core::fs_path(window.session().document()->path) / "x");
            window.session().set_section(1);
            window.RenderDocumentAsync(false);
            co_await platform::delay(1500);
            ::kill(::getpid(), SIGTERM);
            break;
    }
}

class UnaskedEnd : public testing::Test {
protected:
    void SetUp() override {
        if (x_server.display.empty()) GTEST_SKIP() << "Xvfb did not start";
        core_test::make_home(home.path());
        setenv("DISPLAY", x_server.display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // English where the system's region does not say (C.UTF-8): the
        // Sales Agreement is in the English library.
        core::settings english;
        english.Language = 0;
        fs::create_directories(data());
        english.path = core::text_of(data() / "tembrick.ini");
        english.write();
    }

    // Runs the program until `ending` ends it; answers its exit code.
    [[noreturn]] void run(Ending ending) {
        app::MainWindowHooks hooks;
        hooks.first_page_shown = [this, ending](app::MainWindow& window) {
            platform::post([&window, this, ending] {
                type_then_end(window, ending, x_server.pid, document());
            });
        };
        static char name[] = "tembrick";
        char* argv[] = {name, nullptr};
        const int code = app::start(1, argv, hooks);
        std::fflush(nullptr);
        std::_Exit(code);
    }

    fs::path data() const { return home.path() / ".local/share/tembrick"; }
    fs::path document() const { return data() / "briks/Agreements/Sales Agreement.brik"; }
    void expect_typed_value_and_page_setting() const {
        EXPECT_TRUE(core_test::file_contains(document(), u"Typed before the end"));
        const engine::document stored(core::text_of(document()));
        ASSERT_TRUE(stored.loaded());
        EXPECT_EQ(core::page_setup_record(stored.data.get())->d1, landscape_width_mm);
    }

    XServer x_server;
    core_test::TempFolder home;
};

TEST_F(UnaskedEnd, SigtermKeepsWhatWasTypedAndThePageSetting) {
    EXPECT_EXIT(run(Ending::sigterm), testing::ExitedWithCode(0),
                testing::MakeMatcher(new NothingReported));
    expect_typed_value_and_page_setting();
    EXPECT_TRUE(fs::is_empty(home.path() / ".cache/tembrick/temp"));
    EXPECT_TRUE(core_test::file_contains(data() / "tembrick.ini",
                                         u"LastDocumentEng:\t\tAgreements/Sales Agreement.brik"));
}

TEST_F(UnaskedEnd, AnXServerThatEndsTwoSecondsAfterTypingLosesNothing) {
    EXPECT_EXIT(
        run(Ending::x_server_ends), [](int) { return true; }, "");
    expect_typed_value_and_page_setting();
}

TEST_F(UnaskedEnd, OpeningTheLibraryWritesFirstAndTheUnwritableLibraryEndsWithNoDialog) {
    EXPECT_EXIT(run(Ending::library_then_sigterm), testing::ExitedWithCode(0),
                testing::MakeMatcher(new NothingReported));
    expect_typed_value_and_page_setting();
}

}  // namespace
