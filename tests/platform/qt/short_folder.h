// A fresh folder with a short path, for paths inside it that must fit a
// socket address; removed with its contents when the object goes.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fixture {

class short_folder {
public:
    short_folder() {
        std::string name = "/tmp/pwXXXXXX";
        if (!::mkdtemp(name.data())) throw std::runtime_error("no short folder could be made");
        path_ = name;
    }
    ~short_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    short_folder(const short_folder&) = delete;
    short_folder& operator=(const short_folder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace fixture
