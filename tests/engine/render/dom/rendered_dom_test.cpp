// The rendered pages in a real browser engine: structure and computed
// styles that only a browser's parser and cascade can tell.
//
// The only engine test that links Qt. It owns its main: a QApplication and
// one QWebEnginePage serve every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>
#include <string>

#include "engine/render/render_tree.h"
#include "engine/text/word_key.h"

using namespace engine;
using namespace render_test;

namespace {

QWebEnginePage* page = nullptr;

// Waits for the event loop to deliver what `start` asked for, at most 30 s.
template <typename Start>
bool wait_for(Start start) {
    QEventLoop loop;
    bool done = false;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    start([&] { done = true, loop.quit(); });
    if (!done) loop.exec();
    return done;
}

void load(const std::wstring& html) {
    ASSERT_LT(html.size(), 1'000'000u);  // setHtml takes at most 2 MB
    bool ok = false;
    ASSERT_TRUE(wait_for([&](auto finish) {
        QObject::connect(
            page, &QWebEnginePage::loadFinished, page,
            [&ok, finish](bool result) { ok = result, finish(); }, Qt::SingleShotConnection);
        page->setHtml(QString::fromStdWString(html), QUrl(QStringLiteral("file:///paperwright/")));
    }));
    ASSERT_TRUE(ok);
}

QVariant run_js(const QString& script) {
    QVariant result;
    EXPECT_TRUE(wait_for([&](auto finish) {
        page->runJavaScript(script,
                            [&result, finish](const QVariant& value) { result = value, finish(); });
    }));
    return result;
}

std::unique_ptr<document> new_document() {
    auto doc = empty_document();
    add_page_setup(*doc);
    return doc;
}

// What JSON.stringify writes for a text without control characters.
QString json_string(const std::wstring& text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') out += L'\\';
        out += c;
    }
    return QString::fromStdWString(out + L"\"");
}

using RenderedDom = RenderTest;

// The weight of the element holding exactly `text`, and of every element
// whose own text holds "after".
const QString weights_script = QStringLiteral(R"(
(function() {
  const out = {number: null, after: []};
  for (const el of document.body.querySelectorAll('*')) {
    let own = '';
    for (const n of el.childNodes) if (n.nodeType === 3) own += n.textContent;
    if (own.replace(/\u00a0/g, ' ').trim() === '%1') out.number = getComputedStyle(el).fontWeight;
    if (own.includes('after')) out.after.push(getComputedStyle(el).fontWeight);
  }
  return JSON.stringify(out);
})())");

std::string weights(const QString& number_text) {
    return run_js(weights_script.arg(number_text)).toString().toStdString();
}

}  // namespace

TEST_F(RenderedDom, BoldNumbersAndBoldUnitsDoNotLeakIntoTheRestOfTheDocument) {
    for (int variant : {0, 1, 2}) {  // a framed bold number, an unframed one, a bold unit
        auto doc = new_document();
        doc->data->page_setup.record.c = 1;
        doc_group& first = add_page(*doc);
        doc_record& unit = add_block(first, L"heavy", variant == 2 ? 0 : 1).record;
        unit.v[5] = variant == 0 ? 10 : 0;
        unit.v[2] = variant == 2 ? 1 : 0;
        add_block(first, L"after one{%}");
        add_block(add_page(*doc), L"after two");
        for (int mode : {0, 1}) {
            load(mode == 0 ? to_html(*doc, view_state{}) : to_print_html(*doc, view_state{}));
            EXPECT_EQ(weights(variant == 2 ? QStringLiteral("heavy") : QStringLiteral("1.")),
                      R"({"number":"700","after":["400","400"]})")
                << "variant " << variant << " mode " << mode;
        }
    }
}

TEST_F(RenderedDom, EveryUnitSitsInItsOwnPageWhateverItsTables) {
    // clang-format off
    const wchar_t* units[] = {
        L"{TABLE:}{ROW:}{CELL:}whole{:TABLE}unit0{%}",
        L"{TABLE:}{ROW:}{CELL:}open unit1{%}",
        L"{ЯЧЕЙКА:}loose unit2{%}",
        L"stray{:ТАБЛИЦА} unit3{%}",
        L"<tr><td style=\"padding:4px\">link row</td>unit4{%}",
        L"unit5",
    };
    // clang-format on
    auto doc = new_document();
    doc_group& page = add_page(*doc);
    for (const wchar_t* text : units) add_block(page, text);
    load(to_html(*doc, view_state{}));
    const QString script = QStringLiteral(R"(
(function() {
  const pages = Array.from(document.querySelectorAll('table.mpage'));
  const result = {pages: pages.length, children: pages.every(p => p.parentElement === document.body), placed: []};
  for (let i = 0; i < 6; ++i) {
    const div = Array.from(document.querySelectorAll('div')).find(d => d.textContent.includes('unit' + i));
    const cell = pages[i] && pages[i].rows[1] && pages[i].rows[1].cells[1];
    result.placed.push(!!(div && cell && cell.contains(div) && div.closest('table.mpage') === pages[i]));
  }
  return JSON.stringify(result);
})())");
    EXPECT_EQ(run_js(script).toString().toStdString(),
              R"({"pages":6,"children":true,"placed":[true,true,true,true,true,true]})");
}

// A library page whose one block puts the link field into a table.
std::unique_ptr<document> library_page(const std::wstring& value) {
    auto doc = new_document();
    add_block(add_page(*doc), L"{ТАБЛИЦА:}{ссылка:Документ}{:ТАБЛИЦА}");
    doc_record& field = add_element(add_group(doc->data->parameters)).record;
    field.a = 5;
    field.b = 1;
    field.s1 = L"Документ";
    field.s2 = value;
    return doc;
}

TEST_F(RenderedDom, LinkRowsPostExactlyTheJoinedValue) {
    const std::wstring values[] = {
        L"Договоры/Договор купли-продажи", L"a\"b", L"C:\\x\\y", L"O'Brien", L"R&D  <draft>",
    };
    for (const std::wstring& value : values) {
        load(to_html(*library_page(value), view_state{.library_shown = true}));
        const QString script = QStringLiteral(R"(
(function() {
  const posted = [];
  window.chrome = window.chrome || {};
  window.chrome.webview = {postMessage: m => posted.push(m)};
  document.querySelector('td[onclick]').click();
  return JSON.stringify(posted);
})())");
        const QString expected = QStringLiteral("[%1]").arg(json_string(join_words(value)));
        EXPECT_EQ(run_js(script).toString().toStdString(), expected.toStdString());
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QWebEnginePage web_page;
    page = &web_page;
    int result = RUN_ALL_TESTS();
    page = nullptr;
    return result;
}
