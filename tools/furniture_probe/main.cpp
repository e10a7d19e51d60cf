// How long the window's furniture takes: Ctrl+F7 to the other language's
// library page laid out in the view, and a click on the logo to the About
// box on the screen. The program's own window runs in a fresh home folder,
// offscreen unless QT_QPA_PLATFORM says otherwise.
//
//   furniture_probe [runs]   measures each `runs` times (10 by default)
//                            after two warm-up runs and prints the medians
//
// The page is in the view when a script run after the page's own answers,
// having asked for the page's height (which lays it out).
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/start.h"
#include "core/file_paths.h"
#include "core/settings.h"
#include "platform/content_dialog.h"
#include "platform/dispatcher.h"
#include "platform/qt/native_widget.h"
#include "tools/probe_home/probe_home.h"

namespace {

double now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Ctrl+F7, then a script queued after the page's: its answer means the new
// page is in the view and laid out. -1 when it never came.
double switch_language(app::MainWindow& window) {
    platform::Window& native = *window.elements().window;
    const double pressed = now_ms();
    native.accelerator_invoked.raise(native,
                                     {platform::VirtualKey::F7, platform::KeyModifiers::control});
    auto laid_out =
        window.elements().main_webview->execute_script_async(L"document.body.offsetHeight");
    if (!probe::wait_until([&] { return laid_out.done(); })) return -1;
    return now_ms() - pressed;
}

bool shows(const std::shared_ptr<platform::ContentDialog>& dialog) {
    if (!dialog || !dialog->native()) return false;
    const QWidget* widget = dialog->native()->widget.data();
    return widget && widget->isVisible() && widget->windowHandle() &&
           widget->windowHandle()->isExposed();
}

// A click on the tall logo to the About box exposed on the screen; -1 when
// it never showed.
double open_about(app::MainWindow& window) {
    platform::Image& logo = *window.elements().logo_tall;
    const double clicked = now_ms();
    logo.tapped.raise(logo);
    if (!probe::wait_until([] { return shows(platform::ContentDialog::open_dialog()); })) return -1;
    const double shown = now_ms() - clicked;
    platform::ContentDialog::open_dialog()->click_close();
    probe::wait_until([] { return !platform::ContentDialog::open_dialog(); });
    return shown;
}

bool measure(const char* what, const std::function<double()>& run, int runs) {
    // The first switch installs the other language's library: not warm.
    for (int i = 0; i < 2; ++i) {
        if (run() < 0) return false;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = run();
        if (ms < 0) return false;
        times.push_back(ms);
    }
    std::printf("%s: median of %d %.1f ms (%.1f to %.1f)\n", what, runs, median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::filesystem::path home = probe::use_fresh_home("tembrick-furniture");
    probe::start_in_english(home);

    int failed = 0;
    app::MainWindowHooks hooks;
    hooks.first_page_shown = [runs, &failed](app::MainWindow& window) {
        platform::post([&window, runs, &failed] {
            const bool all =
                measure(
                    "Ctrl+F7 to the other library page", [&] { return switch_language(window); },
                    runs) &&
                measure(
                    "logo click to the About box", [&] { return open_about(window); }, runs);
            if (!all) {
                std::printf("something never happened\n");
                failed = 1;
            }
            window.elements().window->close();
        });
    };
    const int code = app::start(1, argv, hooks);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return code != 0 ? code : failed;
}
