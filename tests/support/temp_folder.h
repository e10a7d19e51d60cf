// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes out of scope.
#pragma once

#include <filesystem>
#include <string>

namespace fixture {

class temp_folder {
public:
    temp_folder();
    ~temp_folder();
    temp_folder(const temp_folder&) = delete;
    temp_folder& operator=(const temp_folder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder.
    std::filesystem::path file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Whole files as bytes.
void write_bytes(const std::filesystem::path& file, const std::string& bytes);
std::string read_bytes(const std::filesystem::path& file);
// The path as the engine takes it.
std::wstring engine_path(const std::filesystem::path& file);

}  // namespace fixture
