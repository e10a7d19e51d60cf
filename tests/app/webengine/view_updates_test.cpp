// The real web engine: edits reach the view as changed text nodes and pages,
// and what the view then holds is what a full replace of the content gives;
// the reader's place in a long document stays where it was.
#include <gtest/gtest.h>

#include "app/open_document.h"
#include "core/interface_language_fixture.h"
#include "platform/js_string_literal.h"
#include "tools/generated_templates/fifty_pages.h"

namespace {

using app_test::run_script;
using app_test::wait_until;

// Every node of the document in order: its type and name, an element's
// attributes, a text's or comment's data; so two trees compare equal only
// when they are equal node for node, text node boundaries included.
constexpr wchar_t dom_dump[] =
    LR"js((function () {
  var out = [];
  (function walk(node) {
    var line = node.nodeType + ' ' + node.nodeName;
    if (node.nodeType === 1) {
      for (var i = 0; i < node.attributes.length; ++i) line += ' ' + node.attributes[i].name + '=' + node.attributes[i].value;
    } else {
      line += ' ' + node.data;
    }
    out.push(line);
    for (var child = node.firstChild; child; child = child.nextSibling) walk(child);
    out.push('/');
  })(document.documentElement);
  return out.join('\n');
})())js";

// Scrolls a page to the top and answers the scroll position; `pageSeen`
// turns true once an observer is told the page is on screen.
constexpr wchar_t scroll_and_watch[] =
    LR"js((function (index) {
  var page = document.querySelectorAll('table.mpage')[index];
  page.scrollIntoView();
  window.pageSeen = false;
  new IntersectionObserver(function (entries, observer) {
    if (!entries.some(function (entry) { return entry.isIntersecting; })) return;
    window.pageSeen = true;
    observer.disconnect();
  }).observe(page);
  return Math.round(window.scrollY);
}))js";

std::string fifty_page_bytes() {
    fixture::temp_folder folder;
    const auto file = folder.file("fifty.brik");
    if (!generated::write_fifty_pages(file, {.wanted = true})) return {};
    return fixture::read_bytes(file);
}

class ViewUpdates : public core_test::interface_language_test {
protected:
    void SetUp() override {
        ASSERT_TRUE(open.ready()) << "the generated document never opened";
        window().session().set_mode(core::ViewMode::data);
        settle();
    }

    app::MainWindow& window() { return *open.window; }
    platform::WebView& view() { return *window().elements().main_webview; }
    engine::doc_record& field(std::size_t section, std::size_t index) {
        return window().session().data()->parameters.groups.at(section).elements.at(index).record;
    }
    void settle() {
        ASSERT_TRUE(wait_until([&] { return !window().render_in_flight(); }));
    }
    void edit(engine::doc_record& record, const std::wstring& value) {
        record.s2 = value;
        window().RenderDocumentAsync(false);
        settle();
    }
    // Pages away from the view take their text edits once no edit came for
    // a quarter of a second, on the view's own timer; a longer timer set
    // after it fires after it, however busy the machine.
    void wait_for_quiet() {
        run_script(view(),
                   L"window.quietSeen=false;setTimeout(function(){window.quietSeen=true;},500);0");
        EXPECT_TRUE(wait_until([&] { return run_script(view(), L"window.quietSeen") == L"true"; }))
            << "the view's timers never ran";
    }
    // Scrolls page `index` (from 0) to the top and answers the scroll
    // position once the view has seen the page on screen, as it has before a
    // reader types: observers are told in the order they were made, so the
    // view's own has been told when this newer one is.
    std::wstring scroll_to_page(int index) {
        const std::wstring at = run_script(
            view(), std::wstring(scroll_and_watch) + L"(" + std::to_wstring(index) + L")");
        EXPECT_TRUE(wait_until([&] { return run_script(view(), L"window.pageSeen") == L"true"; }))
            << "the view never showed page " << index + 1;
        return at;
    }
    // The view's tree, then the tree a full replace with the same HTML gives.
    std::pair<std::wstring, std::wstring> shown_and_fresh() {
        wait_for_quiet();
        const std::wstring shown = run_script(view(), dom_dump);
        run_script(view(), L"document.documentElement.innerHTML='" +
                               platform::js_string_literal(window().pending_html()) + L"';0");
        return {shown, run_script(view(), dom_dump)};
    }

    app_test::OpenDocument open{PAPERWRIGHT_BUILT_SHARE, "Fifty pages", fifty_page_bytes()};
};

// The fields of the generated template: the three to type into are the
// last section; "Поле йб" is in bold on pages 10, 20, 30, 40 and 50, and
// "Поле йа" picks a word in a condition on page 30.
constexpr std::size_t typing = 10, every_page = 0, one_page = 1, memo = 2;
constexpr std::size_t letters = 9, bold_on_five_pages = 1, condition = 0;

TEST_F(ViewUpdates, AfterASeriesOfEditsTheViewHoldsWhatAFullReplaceGives) {
    const int builds = window().view_updates().builds;
    for (const wchar_t* typed : {L"ООО «Ромашка» a", L"ООО «Ромашка» ab", L"ООО «Ромашка» abc"})
        edit(field(typing, every_page), typed);
    edit(field(typing, every_page), L"Смит & Вессон <b>x</b> \"q\" 'a' \U0001F600 &amp;");
    edit(field(typing, one_page), L"склад № 7");
    edit(field(letters, bold_on_five_pages), L"");  // its bold element goes empty
    edit(field(letters, condition), L"значение 1");
    edit(field(typing, memo), field(typing, memo).s2 + L"\nвторая строка");
    edit(field(typing, every_page), L"   ");
    edit(field(letters, bold_on_five_pages), L"значение 1");
    edit(field(typing, every_page), L"ООО «Ромашка»");

    const app::ViewUpdates updates = window().view_updates();
    EXPECT_EQ(updates.builds, builds);
    EXPECT_GT(updates.text_edits, 100);
    EXPECT_GT(updates.page_replaces, 0);
    const auto [shown, fresh] = shown_and_fresh();
    ASSERT_GT(shown.size(), 100'000u);
    EXPECT_EQ(shown, fresh);

    // A library template with tables, numbering and conditions.
    window().OnWebMessageReceived(view(), L"Agreements/Sales|Agreement");
    settle();
    engine::document_data* data = window().session().data();
    for (const auto& [name, value] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"Buyer", L"Fabrikam & Sons"},
             {L"Quantity", L"1"},
             {L"Quantity", L"12"},
             {L"Price", L"1250.5"},
             {L"Buyer address", L"1 Main St\nSpringfield"}}) {
        for (auto& section : data->parameters.groups) {
            for (auto& element : section.elements) {
                if (element.record.s1 == name) edit(element.record, value);
            }
        }
    }
    EXPECT_GT(window().view_updates().text_edits, updates.text_edits);
    const auto [agreement, fresh_agreement] = shown_and_fresh();
    EXPECT_NE(agreement.find(L"Fabrikam & Sons"), std::wstring::npos);
    EXPECT_EQ(agreement, fresh_agreement);
}

TEST_F(ViewUpdates, AnEditOnPageThirtyKeepsTheViewWhereItWas) {
    const std::wstring where = L"Math.round(window.scrollY)";
    const std::wstring at_page_thirty = scroll_to_page(29);
    ASSERT_GT(std::stoi(at_page_thirty), 10'000);

    edit(field(typing, one_page), L"склад № 7");  // a text of page 30
    EXPECT_EQ(run_script(view(), where), at_page_thirty);
    EXPECT_EQ(
        run_script(view(),
                   L"document.querySelectorAll('table.mpage')[29].textContent.indexOf('№ 7') > 0"),
        L"true");
    edit(field(letters, bold_on_five_pages), L"");  // pages 10 to 50 replaced
    EXPECT_EQ(run_script(view(), where), at_page_thirty);
    edit(field(typing, every_page), L"ООО «Ромашка» и партнёры");
    EXPECT_EQ(run_script(view(), where), at_page_thirty);
    wait_for_quiet();  // the pages away from the view catch up
    EXPECT_EQ(run_script(view(), where), at_page_thirty);
    EXPECT_GT(window().view_updates().page_replaces, 0);
}

}  // namespace
