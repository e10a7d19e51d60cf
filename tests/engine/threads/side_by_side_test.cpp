// Two documents in different languages rendered side by side, and at the same
// time on two threads: each gives exactly what it gives alone. Built on its
// own for the ThreadSanitizer run as well.
#include <gtest/gtest.h>

#include <thread>

#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "engine/render/page_body.h"
#include "engine/render/render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

// 2024-03-15 12:00:00 UTC.
const memory_environment pinned{1710504000};

void add_field(document& doc, std::wstring name, std::wstring value) {
    doc_node& parameters = doc.data->parameters;
    doc_group& section =
        group_count_of(parameters) > 0 ? parameters.groups[0] : add_group(parameters);
    doc_record& field = add_element(section).record;
    field.s1 = std::move(name);
    field.s2 = std::move(value);
}

// Numbered units, a table left open across the page, dates, amounts,
// conditions and a value that runs as a script, in English.
std::unique_ptr<document> english_contract() {
    auto doc = std::make_unique<document>(L"", 0, pinned);
    add_page_setup(*doc).record.d1 = 210;
    for (int p = 0; p < 3; ++p) {
        doc_group& page = add_page(*doc);
        doc_element& terms = add_block(page, L"Terms of {Seller}{%}", 1);
        terms.record.v[5] = 5;
        add_run(terms, L"Delivery by {long:Date}, {in words:Amount} dollars.", 2);
        add_run(terms, L"{TABLE:80%,2}{ROW:}{CELL:1,1,1,1,40%}{currency:Amount}{CELL:BOLD}{Today}",
                2);
        add_block(page, L"{IF Amount > 100 THEN \"large\" ELSE \"small\"} {Greeting}{:TABLE}", 10);
    }
    add_field(*doc, L"Seller", L"Northwind Trading");
    add_field(*doc, L"Date", L"3/15/2024");
    add_field(*doc, L"Amount", L"1,234.50");
    add_field(*doc, L"Greeting", L"{IF 1 THEN \"Dear {Seller}\"}");
    return doc;
}

// The hanging-indent layout with Russian letters, declined names and
// organisations, numbers in words and a table in every unit, in Russian.
std::unique_ptr<document> russian_contract() {
    auto doc = std::make_unique<document>(L"", 1, pinned);
    add_page_setup(*doc).record.d1 = 210;
    doc->data->page_setup.record.v[1] = 1;
    for (int p = 0; p < 3; ++p) {
        doc_group& page = add_page(*doc);
        doc_element& parties = add_block(page, L"Стороны{%}", 1);
        parties.record.d2 = 10;
        add_run(parties, L"{р:ФИО} и {д:Поставщик юрлицо}", 10).d2 = 10;
        add_run(parties, L"Сумма {прописью:Сумма} рублей, {Сумма * 2}", 11).d2 = 10;
        add_block(page, L"{ТАБЛИЦА:}{СТРОКА:}{ЯЧЕЙКА:ЖИР}{дата прописью:Дата}{:ТАБЛИЦА}", 13);
    }
    add_field(*doc, L"ФИО", L"Иванов Иван Иванович");
    add_field(*doc, L"Поставщик юрлицо", L"ООО \"Ромашка\"");
    add_field(*doc, L"Сумма", L"21");
    add_field(*doc, L"Дата", L"05.01.2024");
    return doc;
}

const view_state english_view{.language = 0};
const view_state russian_view{.language = 1};

struct outputs {
    std::wstring screen, print, word;
    bool operator==(const outputs&) const = default;
};

outputs render_all(document& doc, const view_state& view) {
    return {to_html(doc, view), to_print_html(doc, view), to_word_html(doc, view)};
}

}  // namespace

TEST(SideBySide, TwoDocumentsInTwoLanguagesEachGiveWhatTheyGiveAlone) {
    auto english = english_contract();
    auto russian = russian_contract();
    const outputs english_alone = render_all(*english, english_view);
    const outputs russian_alone = render_all(*russian, russian_view);
    EXPECT_TRUE(contains(english_alone.print, L"one thousand two hundred thirty-four"));
    EXPECT_TRUE(contains(russian_alone.print, L"ИВАНОВА ИВАНА ИВАНОВИЧА"));

    // Page by page, the two interleaved, each through a context of its own.
    render_context english_pages(english.get(), english_view, render_target::print);
    render_context russian_pages(russian.get(), russian_view, render_target::print);
    std::wstring english_interleaved, russian_interleaved;
    for (int p = 0; p < 3; ++p) {
        english_interleaved += render_standard_page(english_pages, p);
        russian_interleaved += render_standard_page(russian_pages, p);
    }
    render_context english_only(english.get(), english_view, render_target::print);
    EXPECT_EQ(english_interleaved, render_pages(english_only));
    render_context russian_only(russian.get(), russian_view, render_target::print);
    EXPECT_EQ(russian_interleaved, render_pages(russian_only));

    // Whole documents, one after the other and back.
    EXPECT_EQ(render_all(*russian, russian_view), russian_alone);
    EXPECT_EQ(render_all(*english, english_view), english_alone);
    EXPECT_EQ(render_all(*russian, russian_view), russian_alone);
}

TEST(SideBySide, TwoThreadsRenderTheirDocumentsAHundredTimesAtOnce) {
    auto english = english_contract();
    auto russian = russian_contract();
    const outputs english_alone = render_all(*english, english_view);
    const outputs russian_alone = render_all(*russian, russian_view);
    int english_differences = 0, russian_differences = 0;
    auto renders = [](document& doc, const view_state& view, const outputs& alone,
                      int& differences) {
        for (int i = 0; i < 100; ++i)
            if (render_all(doc, view) != alone) ++differences;
    };
    std::thread english_thread(renders, std::ref(*english), std::cref(english_view),
                               std::cref(english_alone), std::ref(english_differences));
    std::thread russian_thread(renders, std::ref(*russian), std::cref(russian_view),
                               std::cref(russian_alone), std::ref(russian_differences));
    english_thread.join();
    russian_thread.join();
    EXPECT_EQ(english_differences, 0);
    EXPECT_EQ(russian_differences, 0);
}
