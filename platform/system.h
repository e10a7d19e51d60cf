// What the program asks of the machine: its folders, the user's region and
// the programs that open links.
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
    // Hands a web (http, https) or mail (mailto) address to the program the
    // user opens such links with; any other address is refused. Answers
    // whether it was handed on, not whether that program started.
    virtual bool launch_uri(const std::wstring& uri) = 0;
};

}  // namespace platform
