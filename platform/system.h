// What the program asks of the machine: its folders, the user's region, the
// programs that open links and the installed font families.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The writing system a font family must cover.
enum class FontScript { latin, cyrillic };

class System {
public:
    virtual ~System() = default;

    // Where the program's data (the template library) was installed; empty
    // when unknown.
    virtual std::wstring install_folder() = 0;
    // The program's private data folder, created where it can be; empty when
    // unknown.
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
    // The names of the installed font families that cover `script`, in no
    // particular order; a family offered by two foundries may come as
    // "Family [Foundry]".
    virtual std::vector<std::wstring> font_families(FontScript script) = 0;
};

}  // namespace platform
