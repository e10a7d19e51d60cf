#include "app/view_content.h"

#include <gtest/gtest.h>

#include "app/page_pieces.h"
#include "platform/js_string_literal.h"

namespace {

const std::wstring head = L"<html><head><style>td {}</style></head> <body>";
const std::wstring tail = L"</body></html>";

std::wstring page(const std::wstring& body) {
    return L"<table class=\"mpage\"><tr><td>" + body + L"</td></tr></table>";
}

std::wstring document(const std::wstring& first, const std::wstring& second) {
    return head + page(first) + page(second) + tail;
}

// The answer the view gives to a build it took page by page, with the
// signatures of its pages' text nodes.
std::wstring built(int build, const std::wstring& html, bool second_matches = true) {
    std::wstring answer = L"\"1 " + std::to_wstring(build);
    for (std::wstring_view one : app::split_pages(html).pages) {
        answer += L" " + std::to_wstring(*app::expected_signature(one) + (second_matches ? 0 : 1));
    }
    return answer + L"\"";
}

std::wstring quoted(const std::wstring& text) {
    return L"'" + platform::js_string_literal(text) + L"'";
}

bool is_build(const std::wstring& script) {
    return script.find(L"window.tembrickView.build(") != std::wstring::npos;
}

TEST(ViewContent, OnceTheViewHasThePagesChangedTextsAndPagesGoAlone) {
    app::ViewContent view;
    const std::wstring first = document(L"Buyer: <b>Contoso</b>.", L"Seller: <b>Northwind</b>.");
    const std::wstring script = view.script_for(first, true);
    EXPECT_TRUE(is_build(script));
    EXPECT_NE(script.find(quoted(page(L"Buyer: <b>Contoso</b>."))), std::wstring::npos);
    EXPECT_FALSE(view.take_answer(built(1, first)));

    // One text node of the second page: "Seller: " is its node 0.
    const std::wstring second =
        document(L"Buyer: <b>Contoso</b>.", L"Seller: <b>Northwind & Co</b>.");
    EXPECT_EQ(view.script_for(second, false),
              L"window.tembrickView.update(1,[1,1,'Northwind & Co'],[]);");
    EXPECT_FALSE(view.take_answer(L"\"1 1\""));

    // Other tags: the page goes whole, and the view reports its texts again.
    const std::wstring third =
        document(L"Buyer: <i>Contoso</i>.", L"Seller: <b>Northwind & Co</b>.");
    EXPECT_EQ(view.script_for(third, false), L"window.tembrickView.update(1,[],[0," +
                                                 quoted(page(L"Buyer: <i>Contoso</i>.")) + L"]);");
    const auto signature = *app::expected_signature(app::split_pages(third).pages[0]);
    EXPECT_FALSE(view.take_answer(L"\"1 1 0 " + std::to_wstring(signature) + L"\""));
    EXPECT_EQ(view.script_for(
                  document(L"Buyer: <i>Fabrikam</i>.", L"Seller: <b>Northwind & Co</b>."), false),
              L"window.tembrickView.update(1,[0,1,'Fabrikam'],[]);");

    const app::ViewUpdates& updates = view.updates();
    EXPECT_EQ(updates.builds, 1);
    EXPECT_EQ(updates.updates, 3);
    EXPECT_EQ(updates.text_edits, 2);
    EXPECT_EQ(updates.page_replaces, 1);
}

TEST(ViewContent, APageWhoseTextNodesTheViewCountsOtherwiseIsReplacedWhole) {
    app::ViewContent view;
    const std::wstring first = document(L"a", L"b");
    view.script_for(first, true);
    view.take_answer(built(1, first, false));
    const std::wstring script = view.script_for(document(L"a", L"c"), false);
    EXPECT_EQ(script, L"window.tembrickView.update(1,[],[1," + quoted(page(L"c")) + L"]);");
}

TEST(ViewContent, AViewThatLostItsPagesIsBuiltAgainAndAnUnansweredBuildIsNotRepeated) {
    app::ViewContent view;
    const std::wstring first = document(L"a", L"b");
    view.script_for(first, true);
    view.take_answer(built(1, first));
    view.script_for(document(L"a", L"c"), false);
    EXPECT_TRUE(view.take_answer(L"\"0\""));  // build now
    EXPECT_TRUE(is_build(view.script_for(document(L"a", L"c"), false)));

    EXPECT_FALSE(view.take_answer(L"null"));
    EXPECT_TRUE(is_build(view.script_for(document(L"a", L"d"), false)));
    // A new head (another zoom) is a new build too.
    view.take_answer(built(3, document(L"a", L"d")));
    EXPECT_TRUE(is_build(
        view.script_for(L"<html><head></head><body>" + page(L"a") + page(L"d") + tail, false)));
}

TEST(ViewContent, ContentTheViewTookWholeIsReplacedWholeUntilTheNextDocument) {
    app::ViewContent view;
    view.script_for(document(L"a", L"b"), true);
    EXPECT_FALSE(view.take_answer(L"\"2 1\""));
    const std::wstring html = document(L"a", L"c");
    EXPECT_EQ(view.script_for(html, false),
              L"document.documentElement.innerHTML=" + quoted(html) + L";'2';");
    view.take_answer(L"\"2\"");
    EXPECT_TRUE(is_build(view.script_for(html, true)));
    EXPECT_EQ(view.updates().full_replaces, 1);
}

}  // namespace
