#include "core/stale_saves.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_paths.h"
#include "engine/document/file_replace.h"

namespace fs = std::filesystem;

namespace core {

namespace {

// The executable a process runs; "" when it has ended or cannot be read.
std::string executable_of(const std::string& process) {
    std::error_code error;
    std::string link = fs::read_symlink("/proc/" + process + "/exe", error).string();
    if (error) return {};
    // An executable replaced by an update since the process started.
    constexpr std::string_view replaced = " (deleted)";
    if (link.ends_with(replaced)) link.resize(link.size() - replaced.size());
    return link;
}

void remove_if_stale(const fs::directory_entry& entry, const std::string& ours) {
    const auto pid = engine::saving_file_pid(entry.path().filename().string());
    std::error_code error;
    if (!pid || !entry.is_regular_file(error) || entry.is_symlink(error)) return;
    // A running process of this program may be an older one that holds no lock.
    if (executable_of(std::to_string(*pid)) == ours) return;
    engine::remove_unless_held(entry.path());
}

template <class Iterator>
void remove_stale_in(const fs::path& folder, const std::string& ours) {
    std::error_code error;
    Iterator entry(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && entry != Iterator(); entry.increment(error)) remove_if_stale(*entry, ours);
}

}  // namespace

void remove_stale_saves(const library_folders& folders) {
    if (folders.data_folder.empty()) return;
    const std::string ours = executable_of("self");
    if (ours.empty()) return;
    const fs::path data = fs_path(folders.data_folder);
    remove_stale_in<fs::directory_iterator>(data, ours);
    remove_stale_in<fs::directory_iterator>(data / "lists", ours);
    remove_stale_in<fs::recursive_directory_iterator>(data / "briks", ours);
}

void remove_stale_saves_in(const std::wstring& folder) {
    if (folder.empty()) return;
    const std::string ours = executable_of("self");
    if (ours.empty()) return;
    remove_stale_in<fs::directory_iterator>(fs_path(folder), ours);
}

}  // namespace core
