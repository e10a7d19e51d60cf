#include "platform/link_click_gate.h"

#include <gtest/gtest.h>

namespace {

using platform::LinkClickGate;
using namespace std::chrono_literals;

TEST(LinkClickGate, LetsOneClickThroughPerRecentInputOnThePointedLink) {
    const std::wstring link = L"https://example.org/a";
    const LinkClickGate::Clock::time_point start{};
    enum class input { none, mouse, enter };
    const struct {
        const char* what;
        input given;
        std::wstring hovered;
        std::chrono::milliseconds after;
        bool handed;
    } cases[] = {
        {"no input: a page's own click", input::none, link, 0ms, false},
        {"mouse on the link", input::mouse, link, 100ms, true},
        {"mouse on another link", input::mouse, L"https://example.org/b", 100ms, false},
        {"mouse over no link", input::mouse, L"", 100ms, false},
        {"mouse a second ago", input::mouse, link, 1001ms, false},
        {"Enter, wherever the pointer is", input::enter, L"", 900ms, true},
        {"Enter too long ago", input::enter, L"", 1500ms, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LinkClickGate gate;
        gate.hovered(c.hovered);
        if (c.given == input::mouse) gate.mouse_released(start);
        if (c.given == input::enter) gate.enter_pressed(start);
        EXPECT_EQ(gate.take(link, start + c.after), c.handed);
        // A second click on the same input never gets through.
        EXPECT_FALSE(gate.take(link, start + c.after + 1ms));
    }
}

TEST(LinkClickGate, APointerMovedOffTheLinkAfterTheReleaseStillCounts) {
    LinkClickGate gate;
    const LinkClickGate::Clock::time_point start{};
    gate.hovered(L"mailto:a@example.org");
    gate.mouse_released(start);
    gate.hovered(L"");
    // A refused click leaves the input to the user's own.
    EXPECT_FALSE(gate.take(L"https://example.org/", start + 10ms));
    EXPECT_TRUE(gate.take(L"mailto:a@example.org", start + 20ms));
}

}  // namespace
