// A system for tests: folders, region and font families as the test sets
// them; launched addresses and font-family reads are recorded.
#pragma once

#include <vector>

#include "platform/system.h"

namespace platform {

class FakeSystem final : public System {
public:
    std::wstring install_folder() override { return install; }
    std::wstring data_folder() override { return data; }
    std::wstring temp_folder() override { return temp; }
    std::optional<std::wstring> home_region_code() override { return region; }
    bool launch_uri(const std::wstring& uri) override {
        launched.push_back(uri);
        return true;
    }
    std::vector<std::wstring> font_families(FontScript script) override {
        ++font_family_reads;
        return script == FontScript::cyrillic ? cyrillic_families : latin_families;
    }

    std::wstring install;
    std::wstring data;
    std::wstring temp;
    std::optional<std::wstring> region = std::wstring(L"US");
    std::vector<std::wstring> launched;
    std::vector<std::wstring> latin_families;
    std::vector<std::wstring> cyrillic_families;
    int font_family_reads = 0;
};

}  // namespace platform
