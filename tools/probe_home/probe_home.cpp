#include "tools/probe_home/probe_home.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>

#include "core/file_paths.h"
#include "core/settings.h"

namespace probe {

std::filesystem::path use_fresh_home(const std::string& name) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    return home;
}

void start_in_english(const std::filesystem::path& home) {
    setenv("LC_ALL", "C.UTF-8", 1);
    core::settings english;
    english.Language = 0;
    const std::filesystem::path data = home / ".local/share/tembrick";
    std::filesystem::create_directories(data);
    english.load(core::text_of(data));
}

bool wait_until(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

}  // namespace probe
