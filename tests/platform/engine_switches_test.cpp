#include "platform/engine_switches.h"

#include <gtest/gtest.h>

namespace {

using platform::engine_switch_line;
using words = std::vector<std::string>;

const words ours = {"--a=1", "--b=x y"};
const words guarded = {"a", "b"};

TEST(EngineSwitchLine, OurSwitchesComeLastAndNoUserValueSwallowsEndsOrOverridesThem) {
    const struct {
        const char* user;
        const char* line;
        words left_out;
        bool unparsable;
    } cases[] = {
        {"", "--a=1 \"--b=x y\"", {}, false},
        // An open quote would swallow ours into its value.
        {"--user-agent=\"x", "--a=1 \"--b=x y\"", {}, true},
        // After "--" ours would be no switches at all.
        {"a -- b --c", "--a=1 \"--b=x y\"", {}, false},
        {"--a=default -b --keep=1", "--keep=1 --a=1 \"--b=x y\"", {"--a=default", "-b"}, false},
        {"--ua=\"p q\" --x=a\"b c\"d", "\"--ua=p q\" \"--x=ab cd\" --a=1 \"--b=x y\"", {}, false},
        // Only spaces part words; names are told apart by case.
        {"--t=1\t--a=2  --A=3", "--t=1\t--a=2 --A=3 --a=1 \"--b=x y\"", {}, false},
        {"--=k - \"\" ---a=4", "---a=4 --a=1 \"--b=x y\"", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user);
        const auto result = engine_switch_line(c.user, ours, guarded);
        EXPECT_EQ(result.line, c.line);
        EXPECT_EQ(result.left_out, c.left_out);
        EXPECT_EQ(result.unparsable, c.unparsable);
        // The engine reads back exactly the words that were written.
        EXPECT_EQ(engine_switch_line(result.line, {}, {}).line, result.line);
    }
}

}  // namespace
