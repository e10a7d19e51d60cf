// What every probe of the running program needs: a home folder of its own,
// so a run neither reads nor changes the user's settings and library, and a
// way to wait for the program's work in the event loop.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace probe {

// Points HOME and the XDG data, cache and runtime folders at a new folder
// named after `name` and this process under the temporary folder, and
// answers it. The program runs offscreen unless QT_QPA_PLATFORM says
// otherwise, and without Chromium's sandbox as root.
std::filesystem::path use_fresh_home(const std::string& name);

// Writes a settings file in `home` that says English: with a locale that
// names no region the program keeps the stored language.
void start_in_english(const std::filesystem::path& home);

// Runs the event loop until `done` answers true; false after `milliseconds`.
bool wait_until(const std::function<bool()>& done, int milliseconds = 20000);

}  // namespace probe
