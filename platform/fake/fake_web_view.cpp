#include "platform/fake/fake_web_view.h"

#include <stdexcept>

namespace platform {

std::shared_ptr<FakeWebView> FakeWebView::create() {
    return std::shared_ptr<FakeWebView>(new FakeWebView());
}

void FakeWebView::execute_script(const std::wstring& script) {
    if (!fail_with.empty()) throw std::runtime_error(fail_with);
    scripts.push_back(script);
}

Task<std::wstring> FakeWebView::execute_script_async(const std::wstring& script) {
    if (!fail_with.empty()) throw std::runtime_error(fail_with);
    scripts.push_back(script);
    TaskSource<std::wstring> answer;
    if (!holds_answers) {
        answer.set_value(L"null");
        return answer.task();
    }
    waiting_.push_back(answer);
    return answer.task();
}

void FakeWebView::answer_next(std::wstring json) {
    if (waiting_.empty()) throw std::logic_error("no script is waiting for an answer");
    TaskSource<std::wstring> next = waiting_.front();
    waiting_.erase(waiting_.begin());
    next.set_value(std::move(json));
}

}  // namespace platform
