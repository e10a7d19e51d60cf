// Whether the program's framed window fits the screen when it starts, and
// keeps a usable document view: run under a window manager (the offscreen
// platform has no frames).
//
//   window_fit_probe HOME [name-length] [--panes MENU DATA] [--stored X Y W H]
//                    [--maximised] [--narrow WIDTH]
//
// Starts the program with HOME as its home folder, made on the first run and
// kept afterwards, so that a second run is a second start. A new home's
// settings open a document whose stored name is `name-length` characters
// long (5,000 by default), with the side panes MENU and DATA pixels wide,
// and the window's place X, Y and size W by H (physical pixels, as the
// settings keep them), when given, maximised with --maximised. Once the
// start page was shown and the window framed, prints the screen's available
// area and the framed window ("area 0 0 1600 1000", "frame 0 0 1600 1000"),
// then "fits" or "does not fit", and the widths of the document view and
// the window ("view 350 of 1600") with "keeps the view" when the view has a
// third of the window or 320 pixels, or "hides the view". With --narrow,
// asks the window manager for a window WIDTH pixels wide, as dragging the
// frame does, and prints "narrowed to 640" (or "stays at 1024") and the view
// again. With --maximised, restores the window as its restore button does
// and prints "restored", the fit and the view again. Then closes the window
// as a user would. Exit code 0 when everything held, 1 when not, 2 when the
// window never showed or was never framed.
#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "app/start.h"
#include "core/file_paths.h"
#include "core/settings.h"
#include "platform/dispatcher.h"
#include "platform/qt/native_widget.h"
#include "tools/probe_home/probe_home.h"

namespace {

struct probe_options {
    std::size_t name_length = 5000;
    std::optional<std::pair<double, double>> panes;
    std::optional<std::array<double, 4>> stored;  // x, y, width, height
    std::optional<int> narrow_to;
    bool maximised = false;
};

void use_home(const std::filesystem::path& home, const probe_options& options) {
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
    stored.LastDocumentEng = std::wstring(options.name_length, L'n');
    if (options.panes) {
        stored.MenuPanelWidth = options.panes->first;
        stored.DataPanelWidth = options.panes->second;
    }
    if (options.stored) {
        stored.WindowX = (*options.stored)[0];
        stored.WindowY = (*options.stored)[1];
        stored.WindowWidth = (*options.stored)[2];
        stored.WindowHeight = (*options.stored)[3];
    }
    if (options.maximised) stored.AppWindowMaximized = 1;
    const std::filesystem::path data = home / ".local/share/tembrick";
    std::filesystem::create_directories(data);
    stored.path = core::text_of(data / "tembrick.ini");
    stored.write();
}

bool framed(const QWidget& widget) { return widget.frameGeometry() != widget.geometry(); }

void print(const char* what, const QRect& r) {
    std::printf("%s %d %d %d %d\n", what, r.x(), r.y(), r.width(), r.height());
}

// Prints whether the framed window lies within its screen's available area.
bool report_fit(const QWidget& widget) {
    const QRect area = widget.screen()->availableGeometry();
    const QRect frame = widget.frameGeometry();
    print("area", area);
    print("frame", frame);
    const bool fits = area.contains(frame);
    std::printf("%s\n", fits ? "fits" : "does not fit");
    return fits;
}

// Prints whether the document view keeps a third of the window, or 320
// pixels when that is less.
bool report_view(const QWidget& window, const QWidget& view) {
    std::printf("view %d of %d\n", view.width(), window.width());
    const bool keeps = view.width() + 1 >= std::min(window.width() / 3.0, 320.0);
    std::printf("%s\n", keeps ? "keeps the view" : "hides the view");
    return keeps;
}

// The settling of the window manager's work, which tells nothing when done.
void let_the_manager_work() {
    probe::wait_until([] { return false; }, 1500);
}

std::optional<probe_options> read_options(int argc, char** argv) {
    probe_options options;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--panes") == 0 && i + 2 < argc) {
            options.panes = {std::strtod(argv[i + 1], nullptr), std::strtod(argv[i + 2], nullptr)};
            i += 2;
        } else if (std::strcmp(argv[i], "--stored") == 0 && i + 4 < argc) {
            options.stored = std::array<double, 4>{};
            for (double& value : *options.stored) value = std::strtod(argv[++i], nullptr);
        } else if (std::strcmp(argv[i], "--maximised") == 0) {
            options.maximised = true;
        } else if (std::strcmp(argv[i], "--narrow") == 0 && i + 1 < argc) {
            options.narrow_to = std::atoi(argv[++i]);
        } else if (i == 2 && argv[i][0] != '-') {
            options.name_length = std::strtoul(argv[i], nullptr, 10);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<probe_options> options =
        argc >= 2 ? read_options(argc, argv) : std::nullopt;
    if (!options) {
        std::fprintf(stderr,
                     "usage: window_fit_probe HOME [name-length] [--panes MENU DATA] "
                     "[--stored X Y W H] [--maximised] [--narrow WIDTH]\n");
        return 2;
    }
    use_home(std::filesystem::absolute(argv[1]), *options);

    int result = 2;
    app::MainWindowHooks hooks;
    hooks.first_page_shown = [&result, &options](app::MainWindow& window) {
        platform::post([&window, &result, &options] {
            QWidget& widget = *platform::widget_of(*window.elements().window);
            const QWidget& view = *platform::widget_of(*window.elements().main_webview);
            if (probe::wait_until([&] { return widget.isVisible() && framed(widget); }, 10000)) {
                // The window fits itself once framed; give the manager time
                // to carry that out.
                let_the_manager_work();
                bool held = report_fit(widget);
                held = report_view(widget, view) && held;
                if (options->narrow_to) {
                    widget.resize(*options->narrow_to, widget.height());
                    let_the_manager_work();
                    const bool narrowed = widget.width() <= *options->narrow_to;
                    std::printf("%s %d\n", narrowed ? "narrowed to" : "stays at", widget.width());
                    held = report_fit(widget) && narrowed && held;
                    held = report_view(widget, view) && held;
                }
                if (options->maximised) {
                    window.elements().window->restore();
                    let_the_manager_work();
                    std::printf("restored\n");
                    held = report_fit(widget) && held;
                    held = report_view(widget, view) && held;
                }
                result = held ? 0 : 1;
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
