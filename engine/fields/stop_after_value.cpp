#include "engine/fields/stop_after_value.h"

#include <algorithm>

namespace engine {

namespace {

// The length of the closing tags («</span></b>») that `html` starts with.
std::size_t leading_closing_tags(std::wstring_view html) {
    std::size_t at = 0;
    while (html.substr(at, 2) == L"</") {
        std::size_t end = html.find(L'>', at);
        if (end == std::wstring_view::npos) break;
        at = end + 1;
    }
    return at;
}

// Longer than any closing tag the render writes («</table>»): the search for
// a tag's start stops there, so a value that ends with a picture's tag of
// hundreds of kilobytes is not read back to its start.
constexpr std::size_t longest_closing_tag = 16;

// `html` without the closing tags it ends with.
std::wstring_view without_trailing_closing_tags(std::wstring_view html) {
    while (!html.empty() && html.back() == L'>') {
        std::wstring_view tail =
            html.substr(html.size() - std::min(html.size(), longest_closing_tag));
        std::size_t open = tail.rfind(L'<');
        if (open == std::wstring_view::npos || tail.substr(open, 2) != L"</" ||
            tail.find(L'>', open) != tail.size() - 1)
            break;
        html.remove_suffix(tail.size() - open);
    }
    return html;
}

}  // namespace

void stop_after_value::after_value(std::wstring_view html) {
    if (html.empty()) return;
    std::wstring_view text = without_trailing_closing_tags(html);
    value_stop_ = !text.empty() && text.back() == L'.';
}

void stop_after_value::before_template(std::wstring& html) {
    if (html.empty()) return;
    std::size_t at = leading_closing_tags(html);
    if (at == html.size()) return;  // closing tags only: the value's stop still ends the output
    if (value_stop_ && html[at] == L'.') html.erase(at, 1);
    value_stop_ = false;
}

}  // namespace engine
