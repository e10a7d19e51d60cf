// Whether the program's framed window fits the screen when it starts: run
// under a window manager (the offscreen platform has no frames).
//
//   window_fit_probe HOME [name-length]
//
// Starts the program with HOME as its home folder, made on the first run and
// kept afterwards, so that a second run is a second start. A new home's
// settings open a document whose stored name is `name-length` characters
// long (5,000 by default). Once the start page was shown and the window
// framed, prints the screen's available area and the framed window
// ("area 0 0 1600 1000", "frame 0 0 1600 1000"), then "fits" or "does not
// fit", and closes the window as a user would. Exit code 0 when it fits, 1
// when not, 2 when the window never showed or was never framed.
#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/start.h"
#include "core/file_paths.h"
#include "core/settings.h"
#include "platform/dispatcher.h"
#include "platform/qt/native_widget.h"
#include "tools/probe_home/probe_home.h"

namespace {

void use_home(const std::filesystem::path& home, std::size_t name_length) {
    const bool fresh = !std::filesystem::exists(home);
    std::filesystem::create_directories(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    if (!fresh) return;
    core::settings stored;
    stored.Language = 0;
    stored.StartOnLibrary = 0;
    stored.LastDocumentEng = std::wstring(name_length, L'n');
    const std::filesystem::path data = home / ".local/share/tembrick";
    std::filesystem::create_directories(data);
    stored.path = core::text_of(data / "tembrick.ini");
    stored.write();
}

bool framed(const QWidget& widget) { return widget.frameGeometry() != widget.geometry(); }

void print(const char* what, const QRect& r) {
    std::printf("%s %d %d %d %d\n", what, r.x(), r.y(), r.width(), r.height());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_fit_probe HOME [name-length]\n");
        return 2;
    }
    const std::size_t name_length = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 5000;
    use_home(std::filesystem::absolute(argv[1]), name_length);

    int result = 2;
    app::MainWindowHooks hooks;
    hooks.first_page_shown = [&result](app::MainWindow& window) {
        platform::post([&window, &result] {
            QWidget& widget = *platform::widget_of(*window.elements().window);
            if (probe::wait_until([&] { return widget.isVisible() && framed(widget); }, 10000)) {
                // The window fits itself once framed; give the manager time
                // to carry that out.
                probe::wait_until([] { return false; }, 1500);
                const QRect area = widget.screen()->availableGeometry();
                const QRect frame = widget.frameGeometry();
                print("area", area);
                print("frame", frame);
                const bool fits = area.contains(frame);
                std::printf("%s\n", fits ? "fits" : "does not fit");
                result = fits ? 0 : 1;
            } else {
                std::printf("the window was never framed\n");
            }
            std::fflush(stdout);
            window.elements().window->close();
        });
    };
    const int code = app::start(1, argv, hooks);
    return code != 0 ? 2 : result;
}
