#include "engine/text/link_address.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text/markup_position.h"

using namespace engine;

TEST(LinkAddress, RefusesEverySchemeButTheWebMailPhoneAndFileOnesHoweverItIsSpelled) {
    // clang-format off
    const struct { const wchar_t* text; bool refused; } cases[] = {
        {L"javascript:alert(1)", true}, {L"  JaVaScRiPt:alert(1)", true}, {L"java\tscr\nipt:x", true},
        {L"\x01\x1f javascript:x", true}, {L"jav&#x09;ascript:x", true}, {L"jav&#9ascript:x", true},
        {L"&#x6A;avascript&colon;x", true}, {L"java&Tab;script&#58x", true}, {L"vbscript:x", true},
        {L"data:text/html,x", true}, {L"blob:x", true},
        {L"https://example.org/a:b", false}, {L"HTTP://example.org", false}, {L"mailto:a@example.org", false},
        {L"tel:+7 495 000", false}, {L"file:///tmp/a.png", false}, {L"contract.html", false},
        {L"/a/javascript:x", false}, {L"?q=javascript:x", false}, {L"1java:x", false},
        {L"java&amp;script:x", false}, {L"", false},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(has_refused_scheme(c.text), c.refused) << c.text;
}

TEST(LinkAddress, TheTrackerKnowsTheAttributeAndItsTextAcrossPieces) {
    markup_position position;
    // Blanks before the scheme outlast the point where a long address is
    // settled; a long data address is settled early and kept short.
    position.follow(L"<a title=x HREF = \"" + std::wstring(300, L' ') + L"java");
    EXPECT_EQ(position.attribute_name(), L"href");
    EXPECT_EQ(escape_for_position(L"script:x", position), L"");
    EXPECT_EQ(escape_for_position(L"&lt;b&gt; & c", position), L"&lt;b&gt; &amp; c");
    position.follow(L"\"><img alt=\"a\" src=\"data:image/png;base64," + std::wstring(100000, L'A'));
    EXPECT_LT(position.address_so_far().size(), 1000u);
    EXPECT_EQ(escape_for_position(L"B", position), L"");
    position.follow(L"\"><i onclick=\"");
    EXPECT_EQ(escape_for_position(L"x()", position), L"");
    position.follow(L"\" title=\"");
    EXPECT_EQ(escape_for_position(L"&amp;", position), L"&amp;");
}

TEST(LinkAddress, EachItemOfAListIsAnAddressOfItsOwn) {
    // clang-format off
    const struct { const wchar_t* text; bool refused; } cases[] = {
        {L"#a;javascript:x", true}, {L"#a; javascript:x", true}, {L"#a&#59javascript:x", true},
        {L"#a&semi;javascript:x", true}, {L"https://a/;mailto:b@example.org;#c", false},
        {L"https://a/?b=1&amp;javascript:x", false}, {L"", false}, {L";", false},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(has_refused_scheme_in_list(c.text), c.refused) << c.text;
}
