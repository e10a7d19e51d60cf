#include "core/library_folders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/file_paths.h"
#include "core/interface_texts.h"
#include "engine/document/file_replace.h"
#include "engine/text/utf16.h"

namespace fs = std::filesystem;

namespace core {

namespace {

// Copies a file whole, so that an interrupted first start leaves no
// half-copied template behind.
void copy_whole_file(const fs::path& source, const fs::path& destination) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(source, error);
    std::string bytes(error ? 0 : std::size_t(size), '\0');
    if (!error) {
        std::ifstream in(source, std::ios::binary);
        if (!in.read(bytes.data(), std::streamsize(bytes.size())))
            error = std::make_error_code(std::errc::io_error);
    }
    if (!error) error = engine::replace_file(destination, bytes);
    if (error) throw fs::filesystem_error("cannot copy the library", source, destination, error);
}

// Merges `source` into `target`, creating folders as needed and skipping
// files that already exist there.
void copy_tree(const fs::path& source, const fs::path& target) {
    fs::create_directories(target);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
        const fs::path destination = target / fs::relative(entry.path(), source);
        if (entry.is_directory()) {
            fs::create_directories(destination);
        } else if (!fs::exists(fs::symlink_status(destination))) {
            copy_whole_file(entry.path(), destination);
        }
    }
}

// A name that cannot be checked (too long, a loop of links, no access) counts
// as missing: a stored or posted name must never stop the program.
bool exists_checked(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error) && !error;
}

bool is_private_temp(const fs::path& folder) {
    if (folder.empty() || !folder.is_absolute()) return false;
    std::error_code error;
    const fs::path real = fs::weakly_canonical(folder, error);
    if (error || real == real.root_path()) return false;
    if (real.filename() != "temp" || real.parent_path().filename() != "tembrick") return false;
    const fs::path system_temp = fs::weakly_canonical(fs::temp_directory_path(error), error);
    return error || real != system_temp;
}

}  // namespace

library_folders::library_folders(std::wstring install, std::wstring data, std::wstring temp)
    : install_folder(std::move(install)),
      data_folder(std::move(data)),
      temp_folder(std::move(temp)) {}

void library_folders::install_library(int language) {
    if (install_folder.empty() || data_folder.empty()) return;
    const bool russian = language == 1;
    const fs::path library = fs_path(data_folder) / "briks";
    const fs::path marker = library / fs_path(russian ? L"Библиотека.brik" : L"Library.brik");
    if (exists_checked(marker)) return;
    const fs::path source = fs_path(install_folder) / "briks" / (russian ? "00" : "01");
    if (!exists_checked(source)) return;
    copy_tree(source, library);
}

data_folder_check library_folders::prepare_data_folder() {
    if (install_folder.empty() || data_folder.empty()) return {};
    try {
        install_library(current_language);
    } catch (const fs::filesystem_error& error) {
        return {data_folder_use::no_library, error.code()};
    }
    // A file made and removed, as the program makes each file it writes;
    // beside the library, or without one to copy, in the folder itself.
    fs::path folder = fs_path(data_folder) / "briks";
    if (!exists_checked(folder)) folder = fs_path(data_folder);
    const engine::saving_file probe(folder);
    if (probe.error()) return {data_folder_use::read_only, probe.error()};
    return {};
}

std::optional<std::wstring> library_relative_name(std::wstring name) {
    std::replace(name.begin(), name.end(), L'\\', L'/');
    if (name.find(L'\0') != std::wstring::npos) return std::nullopt;
    if (!name.empty() && name.front() == L'/') return std::nullopt;
    for (const fs::path& step : fs_path(name)) {
        if (step == "..") return std::nullopt;
    }
    return name;
}

void library_folders::install_library_or_say_why(int language) {
    try {
        install_library(language);
    } catch (const fs::filesystem_error& error) {
        throw std::runtime_error(engine::to_utf8(library_not_copied(data_folder, error.code())));
    }
}

std::wstring library_folders::resolve(std::wstring name) {
    install_library_or_say_why(current_language);
    if (data_folder.empty()) return {};
    const auto relative = library_relative_name(std::move(name));
    if (!relative) return {};
    std::wstring path = data_folder + L"/briks/" + *relative;
    if (!exists_checked(fs_path(path))) return {};
    return path;
}

std::wstring library_folders::lists_folder() const {
    if (data_folder.empty()) return {};
    std::wstring path = data_folder + L"/lists";
    const fs::path folder = fs_path(path);
    if (!fs::exists(folder)) fs::create_directory(folder);
    return path;
}

void library_folders::clear_temp() {
    const fs::path folder = fs_path(temp_folder);
    if (!is_private_temp(folder) || !fs::is_directory(folder)) return;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::error_code ignored;
        fs::remove_all(entry.path(), ignored);
    }
}

double file_size_of(std::wstring path) {
    std::error_code error;
    const auto size = fs::file_size(fs_path(path), error);
    return error ? 0.0 : double(size);
}

}  // namespace core
