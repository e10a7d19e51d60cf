// A web view for tests: it records the scripts it is given and lets the test
// raise its events and answer its asynchronous scripts, or answers them at
// once with "null".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/web_view.h"

namespace platform {

class FakeWebView final : public WebView {
public:
    static std::shared_ptr<FakeWebView> create();

    void apply_settings() override { ++settings_applied; }
    void execute_script(const std::wstring& script) override;
    Task<std::wstring> execute_script_async(const std::wstring& script) override;
    void close() override { closed = true; }

    // Completes the oldest asynchronous script still waiting.
    void answer_next(std::wstring json = L"null");
    // Asynchronous scripts not answered yet.
    std::size_t waiting() const { return waiting_.size(); }

    std::vector<std::wstring> scripts;  // every script, both kinds, in order
    int settings_applied = 0;
    bool closed = false;
    // When false, each asynchronous script is answered at once with "null".
    bool holds_answers = true;
    // When set, execute_script throws this message (a failing view).
    std::string fail_with;

private:
    FakeWebView() = default;
    std::vector<TaskSource<std::wstring>> waiting_;
};

}  // namespace platform
