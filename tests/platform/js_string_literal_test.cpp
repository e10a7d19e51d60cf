#include "platform/js_string_literal.h"

#include <gtest/gtest.h>

namespace {

TEST(JsStringLiteral, EscapesWhatCouldEndTheLiteralOrTheScript) {
    const struct {
        std::wstring text, literal;
    } cases[] = {
        {L"<p class=x>Договор №1", L"<p class=x>Договор №1"},
        {L"it's \"so\" \\", L"it\\'s \\\"so\\\" \\\\"},
        {L"a\r\nb\tc", L"a\\r\\nb\\tc"},
        {L"x\u2028y\u2029z", L"x\\u2028y\\u2029z"},
        {std::wstring(L"a\0b", 3), L"a\\u0000b"},
        {L"\x1b\x7f", L"\\u001b\\u007f"},
        {L"</script><b>", L"<\\/script><b>"},
        {L"a<", L"a<"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::js_string_literal(c.text), c.literal);
}

}  // namespace
