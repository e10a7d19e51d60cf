// The probes run the program in a home folder of their own, so they start
// from no settings and no library and leave nothing behind.
#pragma once

#include <filesystem>
#include <string>

namespace probe {

// Makes a fresh folder `<temp>/<name>-<pid>` the home, data, cache and
// runtime folder of this process and of those it starts; offscreen unless
// QT_QPA_PLATFORM says otherwise, and without Chromium's sandbox as root.
// Answers the folder, for the caller to remove.
std::filesystem::path use_fresh_home(const std::string& name);

}  // namespace probe
