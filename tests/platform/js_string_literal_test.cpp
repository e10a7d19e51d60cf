#include "platform/js_string_literal.h"

#include <gtest/gtest.h>

namespace {

using platform::js_string_literal;

TEST(JsStringLiteral, PlainTextIsUnchanged) {
    EXPECT_EQ(js_string_literal(L"<p class=x>Договор №1"), L"<p class=x>Договор №1");
}

TEST(JsStringLiteral, QuotesBackslashesAndLineBreaksAreEscaped) {
    EXPECT_EQ(js_string_literal(L"it's \"so\" \\"), L"it\\'s \\\"so\\\" \\\\");
    EXPECT_EQ(js_string_literal(L"a\r\nb\tc"), L"a\\r\\nb\\tc");
    EXPECT_EQ(js_string_literal(L"x\u2028y\u2029z"), L"x\\u2028y\\u2029z");
}

TEST(JsStringLiteral, ControlCharactersBecomeEscapes) {
    EXPECT_EQ(js_string_literal(std::wstring(L"a\0b", 3)), L"a\\u0000b");
    EXPECT_EQ(js_string_literal(L"\x1b\x7f"), L"\\u001b\\u007f");
}

TEST(JsStringLiteral, ClosingTagsCannotEndAScript) {
    EXPECT_EQ(js_string_literal(L"</script><b>"), L"<\\/script><b>");
    EXPECT_EQ(js_string_literal(L"a<"), L"a<");
}

}  // namespace
