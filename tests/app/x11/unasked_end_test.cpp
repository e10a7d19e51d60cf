// The built program ended other than by its window, on an X server of the
// test's own (Xvfb): by SIGTERM, SIGHUP or SIGINT, and by its X server
// ending, after typing into a document and turning its page; the document's
// file then holds both. Opening the library after typing writes the
// document back first, and the library page that cannot be written ends
// with no dialog. Killed (kill -9) while typing or a moment after, the file
// holds what the write-back had time for; a second start on the same data
// folder hands over to the running copy, or says that the copy does not
// answer. A window destroyed from outside ends its copy as SIGTERM does. A
// data folder that cannot be written ends a start without its library with
// one sentence in the interface language, and with its library, or with a
// lock file that is a link, still keeps one copy.
//
// The program runs in a child process (a death test, or a copy the test
// starts and ends itself), which the X server's end takes down; the test
// reads the files after it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/real_views.h"
#include "app/start.h"
#include "core/engine_services.h"
#include "core/file_paths.h"
#include "core/settings.h"
#include "core/temp_folder.h"
#include "engine/document/document.h"
#include "platform/dispatcher.h"
#include "platform/qt/data_folder_lock.h"
#include "platform/qt/native_widget.h"
#include "platform/testing.h"
#include "platform/timer.h"
#include "support/unwritable_tree.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

using namespace std::chrono_literals;
using steady = std::chrono::steady_clock;

enum class Ending { by_signal, x_server_ends, x_server_ends_at_once, library_then_sigterm };

constexpr char typed_value[] = "Typed before the end";
constexpr double kept_zoom = 120;

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

// Opens the Sales Agreement and answers its first field; ends the process
// when there is none.
QLineEdit& open_first_field(app::MainWindow& window) {
    window.OnWebMessageReceived(*window.elements().main_webview, L"Agreements/Sales|Agreement");
    QLineEdit* field = first_field(window);
    if (!field) step_failed("no field to type into");
    return *field;
}

platform::FireAndForget type_then_end(app::MainWindow& window, Ending ending, int signal,
                                      pid_t x_server, fs::path home, fs::path document) {
    QTest::keyClicks(&open_first_field(window), typed_value);
    // Turned as the page settings turn it: stored, then rendered.
    engine::doc_record& setup = *core::page_setup_record(window.session().data());
    setup.d1 = landscape_width_mm;
    setup.v[0] = 210;
    window.RenderDocumentAsync(false);
    switch (ending) {
        case Ending::by_signal: ::kill(::getpid(), signal); break;
        case Ending::x_server_ends:
            co_await platform::delay(2500);
            ::kill(x_server, SIGTERM);
            co_await platform::delay(30000);
            step_failed("the program outlived its X server");
            break;
        case Ending::x_server_ends_at_once:
            // Within the write-back's delay: only the display's loss can
            // write the document, the settings and the temporary folder.
            window.session().config().DocumentZoom = kept_zoom;
            core_test::write_file(home / ".cache/tembrick/temp/preview/page.pdf", "pdf");
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

// What a copy started by the test does once its first page shows; it tells
// the test through `told` (see `Copy`).
using CopySteps = std::function<platform::FireAndForget(app::MainWindow&, int told)>;

void tell(int told, char what) {
    if (::write(told, &what, 1) != 1) step_failed("the test stopped listening");
}

platform::FireAndForget only_show(app::MainWindow&, int) { co_return; }

platform::FireAndForget type_a_value(app::MainWindow& window, int told) {
    QTest::keyClicks(&open_first_field(window), typed_value);
    tell(told, 't');
    co_return;
}

// Types unless told not to, then hides or minimises the window until a
// later start brings it forward, shown and not minimised.
platform::FireAndForget put_away(app::MainWindow& window, int told, bool type, bool minimise) {
    if (type) QTest::keyClicks(&open_first_field(window), typed_value);
    QWidget* shown = platform::widget_of(*window.elements().window);
    if (minimise) {
        shown->showMinimized();
    } else {
        shown->hide();
    }
    tell(told, 't');
    if (co_await app_test::when([shown] { return shown->isVisible() && !shown->isMinimized(); }))
        tell(told, 'f');
}

platform::FireAndForget type_and_hide(app::MainWindow& window, int told) {
    return put_away(window, told, true, false);
}

platform::FireAndForget type_and_minimise(app::MainWindow& window, int told) {
    return put_away(window, told, true, true);
}

platform::FireAndForget only_hide(app::MainWindow& window, int told) {
    return put_away(window, told, false, false);
}

// Opens the save page's folder picker; once it has the keys, the window
// takes them back, as a click on it would, and tells 't'. Tells 'f' once the
// picker has them again.
platform::FireAndForget pick_a_folder(app::MainWindow& window, int told) {
    QWidget* shown = platform::widget_of(*window.elements().window);
    auto picked = window.print_preview().Output().pick_folder(L"/");
    QWidget* picker = nullptr;
    if (!co_await app_test::when([&picker] {
            picker = QApplication::activeModalWidget();
            return picker && QApplication::activeWindow() == picker;
        }))
        step_failed("the folder picker did not take the keys");
    shown->activateWindow();
    if (!co_await app_test::when([shown] { return QApplication::activeWindow() == shown; }))
        step_failed("the window did not take the keys");
    tell(told, 't');
    if (co_await app_test::when([picker] { return QApplication::activeWindow() == picker; }))
        tell(told, 'f');
    co_await picked;
}

// Types, then has the X server destroy the window, as a tool of another
// program does (`xdotool windowclose`).
platform::FireAndForget type_and_lose_the_window(app::MainWindow& window, int told) {
    QTest::keyClicks(&open_first_field(window), typed_value);
    const auto id = xcb_window_t(platform::widget_of(*window.elements().window)->winId());
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    // Checked: the window is gone once the answer is in, not only asked for.
    if (xcb_generic_error_t* error =
            xcb_request_check(other, xcb_destroy_window_checked(other, id))) {
        std::free(error);
        step_failed("the window could not be destroyed");
    }
    xcb_disconnect(other);
    tell(told, 't');
    co_return;
}

// One key each 300 ms, as steady typing goes, for 12 s.
constexpr char steady_keys[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
constexpr int steady_key_ms = 300;

platform::FireAndForget type_steadily(app::MainWindow& window, int told) {
    QLineEdit& field = open_first_field(window);
    for (const char key : std::string_view(steady_keys)) {
        QTest::keyClick(&field, key);
        tell(told, 'k');
        co_await platform::delay(steady_key_ms);
    }
}

// How a copy starts where the test's own start does not do: its locale
// (LC_ALL), its Qt platform, and a file its standard error goes to. A copy
// with a locale of its own is the built program beside this test, in a
// process of its own, with no steps: Qt reads the system's locale once per
// process, and this one may have read it already.
struct CopyStart {
    const char* lang = nullptr;
    const char* platform = nullptr;
    fs::path errors;
    // XDG_RUNTIME_DIR, as another terminal has it.
    fs::path runtime = {};
};

// A copy of the program in a child process, started and ended by the test.
// It writes 'w' into its pipe when its first page shows, then what its
// steps tell.
class Copy {
public:
    Copy(CopySteps steps, const fs::path& data_home, const CopyStart& start = {}) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ends[0]);
            if (!data_home.empty()) setenv("XDG_DATA_HOME", data_home.c_str(), 1);
            if (start.lang) setenv("LC_ALL", start.lang, 1);
            if (start.platform) setenv("QT_QPA_PLATFORM", start.platform, 1);
            if (!start.runtime.empty()) setenv("XDG_RUNTIME_DIR", start.runtime.c_str(), 1);
            if (!start.errors.empty()) {
                const int errors = ::open(start.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                if (errors < 0 || ::dup2(errors, 2) != 2) std::_Exit(4);
            }
            if (start.lang) {
                const fs::path program =
                    fs::read_symlink("/proc/self/exe").parent_path() / "tembrick";
                ::execl(program.c_str(), "tembrick", nullptr);
                std::_Exit(5);
            }
            platform::testing::close_not_answering_message_at_once();
            app::MainWindowHooks hooks;
            hooks.first_page_shown = [steps, told = ends[1]](app::MainWindow& window) {
                tell(told, 'w');
                platform::post([&window, steps, told] { steps(window, told); });
            };
            static char name[] = "tembrick";
            char* argv[] = {name, nullptr};
            const int code = app::start(1, argv, hooks);
            std::fflush(nullptr);
            std::_Exit(code);
        }
        ::close(ends[1]);
        told_ = ends[0];
    }
    ~Copy() {
        if (pid_ > 0) kill_now();
        if (told_ >= 0) ::close(told_);
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    // What the copy tells next; '\0' when it told nothing within `bound` or
    // ended.
    char next(std::chrono::milliseconds bound = 90s) const {
        pollfd ready{told_, POLLIN, 0};
        char what = 0;
        if (::poll(&ready, 1, int(bound.count())) != 1 || ::read(told_, &what, 1) != 1) return 0;
        return what;
    }
    // The exit code once the copy ended; -1 when it was still running after
    // `bound` (it is killed then) or did not end by exit.
    int exit_code(std::chrono::milliseconds bound = 60s) {
        if (pid_ <= 0) return -1;
        const steady::time_point until = steady::now() + bound;
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (steady::now() > until) {
                kill_now();
                return -1;
            }
            std::this_thread::sleep_for(20ms);
        }
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int end_with(int signal) {
        if (pid_ > 0) ::kill(pid_, signal);
        return exit_code();
    }
    pid_t pid() const { return pid_; }
    void kill_now() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = -1;
    int told_ = -1;
};

// Waits for `done` until `until`; answers it then.
bool wait_until(const std::function<bool()>& done, steady::time_point until) {
    while (!done()) {
        if (steady::now() > until) return done();
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// An answer of the X server, which xcb allocates with malloc.
template <class Answer>
std::unique_ptr<Answer, decltype(&std::free)> reply(Answer* answer) {
    return {answer, &std::free};
}

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    const auto named = reply(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return named ? named->atom : xcb_atom_t(XCB_NONE);
}

class UnaskedEnd : public testing::Test {
protected:
    void SetUp() override {
        if (x_server.display.empty()) GTEST_SKIP() << "Xvfb did not start";
        setenv("DISPLAY", x_server.display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        fresh_home();
    }

    // A home of its own, with English where the system's region does not
    // say (C.UTF-8): the Sales Agreement is in the English library.
    void fresh_home() {
        home_ = std::make_unique<core_test::TempFolder>();
        core_test::make_home(home());
        core::settings english;
        english.Language = 0;
        fs::create_directories(data());
        english.path = core::text_of(data() / "tembrick.ini");
        english.write();
    }

    // Runs the program until `ending` ends it; answers its exit code.
    [[noreturn]] void run(Ending ending, int signal = 0) {
        // As a start from a desktop has it, whatever the test's own start.
        if (signal) ::signal(signal, SIG_DFL);
        app::MainWindowHooks hooks;
        hooks.first_page_shown = [this, ending, signal](app::MainWindow& window) {
            platform::post([&window, this, ending, signal] {
                type_then_end(window, ending, signal, x_server.pid, home(), document());
            });
        };
        static char name[] = "tembrick";
        char* argv[] = {name, nullptr};
        const int code = app::start(1, argv, hooks);
        std::fflush(nullptr);
        std::_Exit(code);
    }

    const fs::path& home() const { return home_->path(); }
    fs::path data() const { return home() / ".local/share/tembrick"; }
    fs::path temp() const { return home() / ".cache/tembrick/temp"; }
    fs::path document() const { return data() / "briks/Agreements/Sales Agreement.brik"; }
    bool holds_typed_value() const {
        return core_test::file_contains(document(), u"Typed before the end");
    }
    void expect_typed_value_and_page_setting() const {
        EXPECT_TRUE(holds_typed_value());
        const engine::document stored(core::text_of(document()));
        ASSERT_TRUE(stored.loaded());
        EXPECT_EQ(core::page_setup_record(stored.data.get())->d1, landscape_width_mm);
    }

    XServer x_server;
    std::unique_ptr<core_test::TempFolder> home_;
};

TEST_F(UnaskedEnd, SigtermSighupAndSigintEachKeepWhatWasTypedAndThePageSetting) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        fresh_home();
        EXPECT_EXIT(run(Ending::by_signal, signal), testing::ExitedWithCode(0),
                    testing::MakeMatcher(new NothingReported));
        expect_typed_value_and_page_setting();
        EXPECT_TRUE(fs::is_empty(temp()));
        EXPECT_TRUE(core_test::file_contains(
            data() / "tembrick.ini", u"LastDocumentEng:\t\tAgreements/Sales Agreement.brik"));
    }
}

TEST_F(UnaskedEnd, AnXServerThatEndsTwoSecondsAfterTypingLosesNothing) {
    EXPECT_EXIT(
        run(Ending::x_server_ends), [](int) { return true; }, "");
    expect_typed_value_and_page_setting();
}

TEST_F(UnaskedEnd,
       AnXServerThatEndsBeforeTheWriteBackLeavesTheValueTheSettingsAndNoTemporaryFiles) {
    EXPECT_EXIT(
        run(Ending::x_server_ends_at_once), [](int) { return true; }, "");
    expect_typed_value_and_page_setting();
    EXPECT_TRUE(core_test::file_contains(data() / "tembrick.ini", u"DocumentZoom:\t\t120.000000"));
    EXPECT_TRUE(fs::is_empty(temp()));
}

TEST_F(UnaskedEnd, OpeningTheLibraryWritesFirstAndTheUnwritableLibraryEndsWithNoDialog) {
    EXPECT_EXIT(run(Ending::library_then_sigterm), testing::ExitedWithCode(0),
                testing::MakeMatcher(new NothingReported));
    expect_typed_value_and_page_setting();
}

TEST_F(UnaskedEnd, AKillASecondAndAHalfAfterTheLastKeyFindsTheValueWritten) {
    Copy copy(type_a_value, {});
    ASSERT_EQ(copy.next(), 'w');
    ASSERT_EQ(copy.next(), 't');
    // Killed once written, and at the latest 2.5 s after the key.
    EXPECT_TRUE(wait_until([this] { return holds_typed_value(); }, steady::now() + 2500ms));
    copy.kill_now();
    EXPECT_TRUE(holds_typed_value());
}

TEST_F(UnaskedEnd, SteadyTypingKilledAfterTwelveSecondsKeepsTheKeysOfFiveSecondsBefore) {
    Copy copy(type_steadily, {});
    ASSERT_EQ(copy.next(), 'w');
    std::vector<steady::time_point> keys;
    while (keys.size() < std::size(steady_keys) - 1) {
        ASSERT_EQ(copy.next(), 'k') << keys.size();
        keys.push_back(steady::now());
    }
    copy.kill_now();
    // About five seconds: the longest wait, and a second for a busy machine.
    const steady::time_point written_by = steady::now() - 6s;
    const auto kept = std::count_if(keys.begin(), keys.end(),
                                    [&](steady::time_point key) { return key <= written_by; });
    ASSERT_GT(kept, 0);
    const std::string typed(steady_keys, std::size_t(kept));
    EXPECT_TRUE(core_test::file_contains(document(), std::u16string(typed.begin(), typed.end())))
        << "the file lacks the first " << kept << " keys";
}

// A second start on the data folder of `first`: it ends with 0 and no window
// of its own, and the first copy's window comes forward.
void expect_hand_over_to(const Copy& first) {
    Copy second(only_show, {});
    EXPECT_EQ(second.exit_code(), 0);
    EXPECT_EQ(second.next(0ms), '\0') << "the second start showed a window";
    EXPECT_EQ(first.next(), 'f') << "the first window did not come forward";
}

TEST_F(UnaskedEnd, ASecondStartOnTheSameDataFolderBringsTheFirstForwardAndEndsWithoutAWindow) {
    for (const auto& [put_away, name] :
         {std::pair{&type_and_hide, "hidden"}, std::pair{&type_and_minimise, "minimised"}}) {
        SCOPED_TRACE(name);
        fresh_home();
        Copy first(put_away, {});
        ASSERT_EQ(first.next(), 'w');
        ASSERT_EQ(first.next(), 't');
        expect_hand_over_to(first);
        EXPECT_TRUE(wait_until([this] { return holds_typed_value(); }, steady::now() + 30s));
        EXPECT_EQ(first.end_with(SIGTERM), 0);
        EXPECT_TRUE(holds_typed_value());
    }
}

// Without a window manager to pass the keys on to the picker itself.
TEST_F(UnaskedEnd, ASecondStartWhileAFolderPickerIsOpenGivesThePickerTheKeys) {
    Copy first(pick_a_folder, {});
    ASSERT_EQ(first.next(), 'w');
    ASSERT_EQ(first.next(), 't');
    Copy second(only_show, {});
    EXPECT_EQ(second.exit_code(), 0);
    EXPECT_EQ(first.next(), 'f') << "the picker did not get the keys back";
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

TEST_F(UnaskedEnd, TwoStartsAtOnceGiveOneWindowAndNoMessage) {
    Copy one(only_show, {}, {.errors = home() / "one.txt"});
    Copy other(only_show, {}, {.errors = home() / "other.txt"});
    // Each tells of its window, or ends without one.
    const bool one_shows = one.next() == 'w';
    const bool other_shows = other.next() == 'w';
    ASSERT_NE(one_shows, other_shows);
    EXPECT_EQ((one_shows ? other : one).exit_code(), 0);
    EXPECT_EQ((one_shows ? one : other).end_with(SIGTERM), 0);
    for (const char* errors : {"one.txt", "other.txt"})
        EXPECT_EQ(core_test::read_file(home() / errors).find("not answering"), std::string::npos);
}

TEST_F(UnaskedEnd, AStartWhileTheFirstIsStoppedSaysSoWithinTheBoundAndEnds) {
    Copy first(only_show, {});
    ASSERT_EQ(first.next(), 'w');
    ::kill(first.pid(), SIGSTOP);
    const steady::time_point started = steady::now();
    Copy second(only_show, {}, {.errors = home() / "errors.txt"});
    EXPECT_EQ(second.exit_code(30s), 1);
    // The bound is 10 s; a busy machine may add to it.
    EXPECT_LT(steady::now() - started, 15s);
    EXPECT_EQ(second.next(0ms), '\0') << "the second start showed a window";
    const std::string said = core_test::read_file(home() / "errors.txt");
    EXPECT_NE(said.find("tembrick: Paperwright is already running on this data folder but is not "
                        "answering (process " +
                        std::to_string(first.pid()) + ")"),
              std::string::npos)
        << said;
    ::kill(first.pid(), SIGCONT);
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

TEST_F(UnaskedEnd, AStartThatReachesNoCopySaysItCannotReachTheOneHoldingTheFolder) {
    // Held by this process, which listens nowhere.
    const platform::FolderLock held = platform::FolderLock::of_data_folder(data());
    ASSERT_EQ(held.outcome(), platform::FolderLock::Outcome::held);
    Copy start(only_show, {}, {.errors = home() / "errors.txt"});
    EXPECT_EQ(start.exit_code(30s), 1);
    EXPECT_EQ(start.next(0ms), '\0') << "the start showed a window";
    const std::string said = core_test::read_file(home() / "errors.txt");
    EXPECT_NE(said.find("tembrick: Paperwright is already running on this data folder (process " +
                        std::to_string(::getpid()) + "), but this start cannot reach it."),
              std::string::npos)
        << said;
}

TEST_F(UnaskedEnd, AStartWithAnotherRuntimeFolderBringsTheFirstForward) {
    Copy first(only_hide, {});
    ASSERT_EQ(first.next(), 'w');
    ASSERT_EQ(first.next(), 't');
    fs::create_directory(home() / "other run");
    fs::permissions(home() / "other run", fs::perms::owner_all);
    Copy second(only_show, {}, {.errors = {}, .runtime = home() / "other run"});
    EXPECT_EQ(second.exit_code(), 0);
    EXPECT_EQ(first.next(), 'f') << "the first window did not come forward";
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

// The socket's name before it moved to a folder of the user's alone: in the
// temporary folder every user shares, where anyone can take it.
fs::path shared_socket_name(const fs::path& data_folder) {
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray::fromStdString(fs::weakly_canonical(data_folder)), QCryptographicHash::Sha256);
    return fs::path("/tmp") /
           ("tembrick-" + std::to_string(::getuid()) + "-" + hash.toHex().left(32).toStdString());
}

// A listener of the test's own at `path`.
int listen_at(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.native().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0)
        ADD_FAILURE() << "no listener at " << path;
    return fd;
}

TEST_F(UnaskedEnd, NamesTakenInTheSharedTemporaryFolderChangeNothingForAStart) {
    // Another user's folder where the socket stood, before the first start;
    // another user's listener there once it runs.
    const fs::path taken = shared_socket_name(data());
    fs::create_directories(taken / "inside");
    Copy first(type_and_hide, {});
    ASSERT_EQ(first.next(), 'w');
    ASSERT_EQ(first.next(), 't');
    fs::remove_all(taken);
    const int foreign = listen_at(taken);
    Copy second(only_show, {});
    EXPECT_EQ(second.exit_code(), 0);
    EXPECT_EQ(first.next(), 'f') << "the first window did not come forward";
    pollfd asked{foreign, POLLIN, 0};
    EXPECT_EQ(::poll(&asked, 1, 0), 0) << "the start asked the foreign listener";
    ::close(foreign);
    fs::remove(taken);
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

TEST_F(UnaskedEnd, AStartOnOneOfTwoDataFoldersBringsForwardTheCopyOnThatFolderOnly) {
    Copy first(only_hide, {});
    ASSERT_EQ(first.next(), 'w');
    ASSERT_EQ(first.next(), 't');
    // The later copy listens last: a name blind to the folder would be its.
    Copy other(only_hide, home() / "other data");
    ASSERT_EQ(other.next(), 'w');
    ASSERT_EQ(other.next(), 't');
    Copy start(only_show, {});
    EXPECT_EQ(start.exit_code(), 0);
    EXPECT_EQ(first.next(), 'f') << "the copy on that folder did not come forward";
    EXPECT_EQ(other.next(0ms), '\0') << "the copy on the other folder came forward";
    EXPECT_EQ(other.end_with(SIGTERM), 0);
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

TEST_F(UnaskedEnd, AWindowDestroyedFromOutsideEndsItsCopyAsSigtermDoesKeepingWhatWasTyped) {
    Copy copy(type_and_lose_the_window, {});
    ASSERT_EQ(copy.next(), 'w');
    ASSERT_EQ(copy.next(), 't');
    EXPECT_EQ(copy.exit_code(30s), 0) << "the copy ran on without its window";
    EXPECT_TRUE(holds_typed_value());
}

TEST_F(UnaskedEnd, ACopyKilledWithKillNineStopsNeitherTheNextStartNorItsHandingOver) {
    Copy killed(only_show, {});
    ASSERT_EQ(killed.next(), 'w');
    killed.kill_now();
    Copy next(type_and_hide, {});
    ASSERT_EQ(next.next(), 'w');
    ASSERT_EQ(next.next(), 't');
    Copy third(only_show, {});
    EXPECT_EQ(third.exit_code(), 0);
    EXPECT_EQ(next.next(), 'f') << "the running window did not come forward";
    EXPECT_EQ(next.end_with(SIGTERM), 0);
}

TEST_F(UnaskedEnd, CopiesOnTwoDataFoldersBothRunAndEmptyNoTemporaryFolderOfTheOther) {
    Copy first(only_show, {});
    ASSERT_EQ(first.next(), 'w');
    // The same home, and so the same cache, with a data folder of its own.
    Copy second(only_show, home() / "other data");
    ASSERT_EQ(second.next(), 'w');
    core_test::write_file(temp() / "kept.tmp", "x");
    EXPECT_EQ(second.end_with(SIGTERM), 0);
    EXPECT_TRUE(fs::exists(temp() / "kept.tmp"));
    EXPECT_EQ(first.end_with(SIGTERM), 0);
    EXPECT_TRUE(fs::is_empty(temp()));
}

// What a start wrote on its standard error, which ends in `errors`.
std::string written(const fs::path& errors) {
    std::error_code absent;
    return fs::exists(errors, absent) ? core_test::read_file(errors) : std::string();
}

// Whether the copy runs yet; unlike `exit_code`, it is left as it is.
bool running(const Copy& copy) {
    siginfo_t ended{};
    return ::waitid(P_PID, id_t(copy.pid()), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           ended.si_pid == 0;
}

// The top-level windows of process `pid` mapped on the screen (the test's
// X server has no window manager to frame them).
std::vector<xcb_window_t> shown_windows_of(pid_t pid) {
    std::vector<xcb_window_t> shown;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const xcb_atom_t pid_atom = atom(x, "_NET_WM_PID");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const auto tree = reply(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
    const xcb_window_t* children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto owner = reply(xcb_get_property_reply(
            x, xcb_get_property(x, 0, children[i], pid_atom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        const auto look = reply(
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr));
        if (owner && xcb_get_property_value_length(owner.get()) == 4 &&
            *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get())) ==
                std::uint32_t(pid) &&
            look && look->map_state == XCB_MAP_STATE_VIEWABLE)
            shown.push_back(children[i]);
    }
    xcb_disconnect(x);
    return shown;
}

// Closes `window` as its close button does.
void close_window(xcb_window_t window) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = atom(x, "WM_PROTOCOLS");
    close.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(x);
    xcb_disconnect(x);
}

TEST_F(UnaskedEnd, StartsBesideAStoppedCopySayAtOnceThatTheyAskItAndShowOneBoxThatWaitsForOk) {
    Copy first(only_show, {});
    ASSERT_EQ(first.next(), 'w');
    ::kill(first.pid(), SIGSTOP);
    // The built program, a second apart, as a user clicks again.
    std::vector<std::unique_ptr<Copy>> starts;
    for (const char* errors : {"one.txt", "two.txt", "three.txt"}) {
        const steady::time_point started = steady::now();
        starts.push_back(std::make_unique<Copy>(
            only_show, fs::path(), CopyStart{.lang = "en_US.UTF-8", .errors = home() / errors}));
        // Well within the wait of 10 s for the answer.
        EXPECT_TRUE(wait_until(
            [&] { return written(home() / errors).find("asking it") != std::string::npos; },
            started + 5s))
            << errors;
        std::this_thread::sleep_until(started + 1s);
    }
    std::vector<xcb_window_t> box;
    ASSERT_TRUE(wait_until(
        [&] {
            box = shown_windows_of(starts[0]->pid());
            return !box.empty();
        },
        steady::now() + 60s))
        << "the first box was not mapped";
    for (const std::size_t later : {1u, 2u}) {
        EXPECT_EQ(starts[later]->exit_code(), 1) << later;
        EXPECT_NE(written(home() / (later == 1 ? "two.txt" : "three.txt")).find("not answering"),
                  std::string::npos);
    }
    // One box, up until OK.
    EXPECT_EQ(shown_windows_of(starts[0]->pid()).size(), 1u);
    EXPECT_TRUE(running(*starts[0]));
    // Closed as by its close button, once more while a close finds it busy.
    EXPECT_TRUE(wait_until(
        [&] {
            close_window(box.front());
            return !running(*starts[0]);
        },
        steady::now() + 30s));
    EXPECT_EQ(starts[0]->exit_code(), 1);
    ::kill(first.pid(), SIGCONT);
    EXPECT_EQ(first.end_with(SIGTERM), 0);
}

constexpr char english_refusal[] =
    "tembrick: The template library cannot be copied into the data folder ";
constexpr char russian_refusal[] =
    "tembrick: Библиотеку шаблонов не удаётся скопировать в папку данных ";

TEST_F(UnaskedEnd, AStartWhoseLibraryCannotBeCopiedEndsWithOneSentenceInTheInterfaceLanguage) {
    enum class Folder {
        share_unwritable_at_first_start,
        read_only_without_library,
        read_only_english_only
    };
    struct Row {
        Folder folder;
        const char* lang;
        const char* refusal;
    };
    for (const Row& row :
         {Row{Folder::share_unwritable_at_first_start, "en_US.UTF-8", english_refusal},
          Row{Folder::read_only_without_library, "en_US.UTF-8", english_refusal},
          Row{Folder::read_only_english_only, "ru_RU.UTF-8", russian_refusal}}) {
        SCOPED_TRACE(int(row.folder));
        fresh_home();
        if (row.folder == Folder::share_unwritable_at_first_start) fs::remove_all(data());
        if (row.folder == Folder::read_only_english_only) {
            Copy english(only_show, {});
            ASSERT_EQ(english.next(), 'w');
            ASSERT_EQ(english.end_with(SIGTERM), 0);
        }
        const fixture::unwritable_tree unwritable(
            row.folder == Folder::share_unwritable_at_first_start ? data().parent_path() : data());
        if (!unwritable.made()) GTEST_SKIP() << "root, on a file system without immutable files";
        // No box there: the sentence goes to the standard error alone.
        const fs::path errors = home() / "errors.txt";
        Copy refused(only_show, {}, {.lang = row.lang, .platform = "offscreen", .errors = errors});
        EXPECT_EQ(refused.exit_code(), 1);
        const std::string said = written(errors);
        EXPECT_NE(said.find(row.refusal + data().string() + ": "), std::string::npos) << said;
        EXPECT_EQ(said.find("filesystem"), std::string::npos) << said;
        EXPECT_EQ(said.find("could not be opened"), std::string::npos) << said;
    }
}

TEST_F(UnaskedEnd, ASecondStartOnAFolderWithoutItsLibraryBringsTheFirstsMessageForward) {
    const fixture::unwritable_tree unwritable(data());
    if (!unwritable.made()) GTEST_SKIP() << "root, on a file system without immutable files";
    const fs::path first_errors = home() / "first.txt";
    const fs::path second_errors = home() / "second.txt";
    Copy first(only_show, {}, {.errors = first_errors});
    ASSERT_TRUE(
        wait_until([&] { return written(first_errors).find(english_refusal) != std::string::npos; },
                   steady::now() + 60s));
    Copy second(only_show, {}, {.errors = second_errors});
    EXPECT_EQ(second.exit_code(), 0);
    EXPECT_EQ(written(second_errors).find(english_refusal), std::string::npos);
    EXPECT_EQ(first.exit_code(0ms), -1) << "the first message went";
}

TEST_F(UnaskedEnd, AReadOnlyDataFolderWithItsLibraryAndALinkedLockFileStillKeepOneCopy) {
    for (const bool read_only : {true, false}) {
        SCOPED_TRACE(read_only);
        fresh_home();
        Copy installing(only_show, {});
        ASSERT_EQ(installing.next(), 'w');
        ASSERT_EQ(installing.end_with(SIGTERM), 0);
        // A link is never followed: what it names stays as it was.
        core_test::write_file(home() / "elsewhere", "kept");
        if (!read_only) {
            fs::remove(data() / "tembrick.lock");
            fs::create_symlink(home() / "elsewhere", data() / "tembrick.lock");
        }
        std::optional<fixture::unwritable_tree> unwritable;
        if (read_only) unwritable.emplace(data());
        if (unwritable && !unwritable->made())
            GTEST_SKIP() << "root, on a file system without immutable files";
        Copy first(type_and_hide, {});
        ASSERT_EQ(first.next(), 'w');
        ASSERT_EQ(first.next(), 't');
        expect_hand_over_to(first);
        EXPECT_EQ(first.end_with(SIGTERM), 0);
        EXPECT_EQ(core_test::read_file(home() / "elsewhere"), "kept");
    }
}

}  // namespace
