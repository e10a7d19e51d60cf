// A system for tests: folders and region as the test sets them; launched
// addresses are recorded.
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

    std::wstring install;
    std::wstring data;
    std::wstring temp;
    std::optional<std::wstring> region = std::wstring(L"US");
    std::vector<std::wstring> launched;
};

}  // namespace platform
