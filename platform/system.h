// What the program asks of the machine: its folders and the user's region.
#pragma once

#include <optional>
#include <string>

namespace platform {

class System {
public:
    virtual ~System() = default;

    // Where the program's data (the template library) was installed; empty
    // when unknown.
    virtual std::wstring install_folder() = 0;
    // The program's private data folder, created; empty when unknown.
    virtual std::wstring data_folder() = 0;
    // The program's private temporary folder, created; empty when unknown.
    virtual std::wstring temp_folder() = 0;
    // The two-letter code of the user's home region as the system reports
    // it; nullopt when it cannot be read.
    virtual std::optional<std::wstring> home_region_code() = 0;
};

}  // namespace platform
