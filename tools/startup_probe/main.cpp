// Start-up time of the program: from the kernel's start of the process to the
// answer of the script that puts the start page into the view.
//
//   startup_probe [runs]   runs the program `runs` times (10 by default) after
//                          one first start, in a fresh home folder, and prints
//                          each time and the median
//   startup_probe --once   one run; prints "startup_ms N"
//
// The runs are offscreen unless QT_QPA_PLATFORM says otherwise.
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/start.h"
#include "tools/probe_home/probe_home.h"

extern char** environ;

namespace {

// Seconds since boot at which the kernel started this process.
double process_start_seconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The command name may hold blanks; the fields after it are plain.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    // Field 22 (starttime) is the 20th after the name.
    for (int i = 0; i < 20; ++i) fields >> field;
    return std::stod(field) / double(sysconf(_SC_CLK_TCK));
}

double seconds_since_boot() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

int run_once(int argc, char** argv) {
    const double started = process_start_seconds();
    app::MainWindowHooks hooks;
    hooks.first_page_shown = [started](app::MainWindow& window) {
        const double elapsed_ms = (seconds_since_boot() - started) * 1000.0;
        std::printf("startup_ms %.0f\n", elapsed_ms);
        std::fflush(stdout);
        window.elements().window->close();
    };
    return app::start(argc, argv, hooks);
}

// Runs this program with --once and reads its figure; -1 on failure.
double measure(const std::string& self) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    std::string once = "--once";
    char* child_argv[] = {const_cast<char*>(self.c_str()), once.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, child_argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while (spawned == 0 && (got = read(pipe_ends[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(got));
    close(pipe_ends[0]);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(child, &status, 0);
    const auto at = output.find("startup_ms ");
    return at == std::string::npos ? -1 : std::stod(output.substr(at + 11));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--once") return run_once(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::filesystem::path home = probe::use_fresh_home("tembrick-probe");

    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const double first = measure(self);  // installs the library: not a warm start
    std::printf("first start: %.0f ms\n", first);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = measure(self);
        std::printf("run %d: %.0f ms\n", i + 1, ms);
        if (ms >= 0) times.push_back(ms);
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    if (times.empty()) return 1;
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("median of %zu warm runs: %.0f ms\n", n, median);
    return 0;
}
