#include "platform/qt/copy_process.h"

#include <dirent.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace platform {

namespace {

std::string proc_file(const std::string& process, const char* name) {
    std::ifstream in("/proc/" + process + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The real and effective user of the process, from its "Uid:" line.
bool runs_as_this_user(const std::string& process) {
    std::istringstream status(proc_file(process, "status"));
    for (std::string line; std::getline(status, line);) {
        if (!line.starts_with("Uid:")) continue;
        std::istringstream ids(line.substr(4));
        long real = -1;
        long effective = -1;
        ids >> real >> effective;
        return real == long(::getuid()) && effective == long(::getuid());
    }
    return false;
}

// Readable only for a process of this user's (or for root).
bool has_open(const std::string& process, const struct stat& opened) {
    const std::string folder = "/proc/" + process + "/fd";
    DIR* descriptors = ::opendir(folder.c_str());
    if (!descriptors) return false;
    bool found = false;
    while (const dirent* entry = ::readdir(descriptors)) {
        struct stat target {};
        if (entry->d_name[0] != '.' &&
            ::stat((folder + "/" + entry->d_name).c_str(), &target) == 0 &&
            target.st_dev == opened.st_dev && target.st_ino == opened.st_ino) {
            found = true;
            break;
        }
    }
    ::closedir(descriptors);
    return found;
}

}  // namespace

bool is_copy_with_file_open(int id, const struct stat& opened) {
    if (id <= 0) return false;
    const std::string process = std::to_string(id);
    const std::string name = proc_file(process, "comm");
    return !name.empty() && name == proc_file("self", "comm") && runs_as_this_user(process) &&
           has_open(process, opened);
}

}  // namespace platform
