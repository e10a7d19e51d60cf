#include <gtest/gtest.h>

#include "engine/document/document.h"
#include "engine/document/process_state.h"
#include "engine/document/script.h"
#include "engine/fields/parameter_fixture.h"

using namespace engine;
using engine::testing::parameter_document;

namespace {

// "kind[token kinds: texts]" per statement, joined by " ┃ ".
std::wstring parsed(std::wstring source) {
    script s(std::move(source), nullptr);
    std::wstring out;
    for (const script_statement& statement : s.parse()) {
        if (!out.empty()) out += L" ┃ ";
        out += std::to_wstring(statement.kind) + L"[";
        for (std::size_t i = 0; i < statement.tokens.size(); ++i) {
            if (i) out += L", ";
            out += std::to_wstring(statement.tokens[i].kind) + L":" + statement.tokens[i].text;
        }
        out += L"]";
    }
    return out;
}

// A chain of `levels` conditional blocks, each nested in the then-part of the
// one around it.
std::wstring nested_blocks(int levels) {
    std::wstring source = L"core";
    for (int i = 0; i < levels; ++i) source = L"{ЕСЛИ 1 ТО \"" + source + L"\"}";
    return source;
}

}  // namespace

TEST(ScriptParse, TextAndReferencesAreStatementsOfTheirOwn) {
    EXPECT_EQ(parsed(L"Итого: {Сумма} руб."), L"0[1:Итого: ] ┃ 0[3:Сумма] ┃ 0[1: руб.]");
    EXPECT_EQ(parsed(L"{a, \"b\", 5}"), L"0[3:a] ┃ 0[5:b] ┃ 0[6:5]");
    EXPECT_EQ(parsed(L"{прописью:Сумма + 1}"), L"0[4:прописью, 3:Сумма, 2:+, 6:1]");
    EXPECT_EQ(parsed(L"{!заметка}"), L"0[0:{!заметка}]");
    EXPECT_EQ(parsed(L"{ }"), L"");
}

TEST(ScriptParse, ClauseKeywordsOpenStatements) {
    EXPECT_EQ(parsed(L"{ЕСЛИ a ТО \"x\" ИНАЧЕ ЕСЛИ b ТО \"y\" ИНАЧЕ \"z\"}"),
              L"1[3:a ] ┃ 2[5:x] ┃ 1[3:b ] ┃ 2[5:y] ┃ 3[5:z]");
    EXPECT_EQ(parsed(L"{ЕСЛИ a ТО \"x\"}{ЕСЛИ b ТО \"y\"}"), L"1[3:a ] ┃ 2[5:x] ┃ 4[0:;] ┃ 1[3:b ] ┃ 2[5:y]");
    EXPECT_EQ(parsed(L"{IF a = 1 AND NOT b ТО \"x\"}"),
              L"1[3:a, 2:=, 6:1, 12:и, 11:не, 3:b ] ┃ 2[5:x]");
    EXPECT_EQ(parsed(L"{ЕСЛИ !a ТО \"x\"}"), L"1[11:!, 3:a ] ┃ 2[5:x]");
    EXPECT_EQ(parsed(L"{ЕСЛИ a ТО \"x {ЕСЛИ b ТО \"y\"}\"}"), L"1[3:a ] ┃ 2[5:x , 8:{ЕСЛИ b ТО \"y\"}]");
}

TEST(ScriptParse, MarkersBecomeHtmlTokens) {
    EXPECT_EQ(parsed(L"{Ж:}жирный{:Ж}"), L"0[5:<b>] ┃ 0[1:жирный, 5:</b>]");
    EXPECT_EQ(parsed(L"{К:}{:К}{Ч:}{:Ч}{/}{}{|}"), L"0[5:<i>, 5:</i>, 5:<u>, 5:</u>, 5:<br />, 5:&nbsp;, 5:&thinsp;]");
    std::wstring table = parsed(L"{ТАБЛИЦА:}{СТРОКА:}{ЯЧЕЙКА:}{:ТАБЛИЦА}");
    EXPECT_TRUE(table.starts_with(L"0[5:<table width=100%  cellspacing=0 ")) << table;
    EXPECT_NE(table.find(L", 5:<tr>, 5:<td  style=\""), std::wstring::npos) << table;
    EXPECT_TRUE(table.ends_with(L", 5:</td></tr></table>]")) << table;
}

TEST(ScriptParse, ATopLevelBlockAfterAMarkerStartsItsOwnStatement) {
    EXPECT_EQ(parsed(L"{Ж:}Итого{:Ж}{x = 5}"), L"0[5:<b>] ┃ 0[1:Итого, 5:</b>] ┃ 0[3:x, 2:=, 6:5]");
}

using ScriptRun = parameter_document;

TEST_F(ScriptRun, TextReferencesAndMarkers) {
    add_field(L"Сумма", L"1 200");
    add_field(L"Фирма", L"  A &\n\tB <C> ");
    EXPECT_EQ(run(L"Итого: {Сумма} руб."), L"Итого: 1 200 руб.");
    EXPECT_EQ(run(L"{фирма}"), L" A & B &lt;C&gt; ");
    EXPECT_EQ(run(L"{Ж:}жирный{:Ж}"), L"<b>жирный</b>");
    EXPECT_EQ(run(L"a {} b{|}c{/}d"), L"a &nbsp;b&thinsp;c<br />d");
    EXPECT_EQ(run(L"{!заметка}x"), L"x");
    EXPECT_EQ(run(L"{Нет такого}"), L"");
    EXPECT_EQ(run(L""), L"");
}

TEST_F(ScriptRun, IndentedNewLineFollowsThePageSetup) {
    doc.first_indent_text = L"12.500000";
    EXPECT_EQ(run(L"a{.}b"), L"a<br /><span style=\"margin-left:12.500000mm;\"></span>b");
    doc.data->page_setup.record.v[1] = 1;
    EXPECT_EQ(run(L"a{.}b"), L"a<br />b");
}

TEST_F(ScriptRun, ConditionChains) {
    add_field(L"a", L"");
    add_field(L"b", L"");
    const std::wstring chain = L"{ЕСЛИ a ТО \"x\" ИНАЧЕ ЕСЛИ b ТО \"y\" ИНАЧЕ \"z\"}";
    auto set = [this](const wchar_t* a, const wchar_t* b) {
        doc.data->parameters.groups[0].elements[0].record.s2 = a;
        doc.data->parameters.groups[0].elements[1].record.s2 = b;
    };
    set(L"1", L"1");
    EXPECT_EQ(run(chain), L"x");
    set(L"", L"1");
    EXPECT_EQ(run(chain), L"y");
    set(L"", L"");
    EXPECT_EQ(run(chain), L"z");

    // A new ЕСЛИ block ends the chain: its else-part depends on b alone.
    set(L"1", L"");
    EXPECT_EQ(run(L"{ЕСЛИ a ТО \"x\"}{ЕСЛИ b ТО \"y\" ИНАЧЕ \"z\"}"), L"xz");
    // A block without ЕСЛИ continues it.
    EXPECT_EQ(run(L"{ЕСЛИ a ТО \"x\"}{ИНАЧЕ \"z\"}"), L"x");
    set(L"", L"");
    EXPECT_EQ(run(L"{ЕСЛИ a ТО \"x\"}{ИНАЧЕ \"z\"}"), L"z");
    // Text between blocks ends the chain too.
    EXPECT_EQ(run(L"{ЕСЛИ a ТО \"x\"}-{ИНАЧЕ \"z\"}"), L"-z");
}

TEST_F(ScriptRun, CommaSeparatedConditionsFormOneChain) {
    add_field(L"a", L"1");
    add_field(L"b", L"1");
    EXPECT_EQ(run(L"{ЕСЛИ a, b ТО \"x\"}"), L"");
    doc.data->parameters.groups[0].elements[0].record.s2 = L" ";
    EXPECT_EQ(run(L"{ЕСЛИ a, b ТО \"x\"}"), L"x");
}

TEST_F(ScriptRun, ClausesWithoutACondition) {
    EXPECT_EQ(run(L"{ТО \"x\"}"), L"");
    EXPECT_EQ(run(L"{ИНАЧЕ \"x\"}"), L"x");
    EXPECT_EQ(run(L"{ELSE \"x\", \"y\"}"), L"xy");
}

TEST_F(ScriptRun, SingleOperandConditionsTestForBlank) {
    add_field(L"Пусто", L" \n");
    add_field(L"Есть", L"x");
    add_field(L"Скрыто", L"x").c = 1;
    EXPECT_TRUE(test(L"{Есть}"));
    EXPECT_FALSE(test(L"{Пусто}"));
    EXPECT_FALSE(test(L"{Скрыто}"));
    EXPECT_FALSE(test(L"{Неизвестно}"));
    EXPECT_TRUE(test(L"{\"a\"}"));
    EXPECT_FALSE(test(L"{x = 0}"));
    EXPECT_TRUE(test(L"{2}"));
    EXPECT_FALSE(test(L"{ }"));
    EXPECT_FALSE(test(L""));
}

TEST_F(ScriptRun, NestedBlocksRunAsScripts) {
    add_field(L"a", L"1");
    EXPECT_EQ(run(L"{ЕСЛИ a ТО \"<{ЕСЛИ a ТО \"in\" ИНАЧЕ \"out\"}>\"}"), L"<in>");
}

TEST_F(ScriptRun, AssignmentsStoreUnderTheWordKeyAndPrintNothing) {
    add_field(L"Цена", L"10");
    EXPECT_EQ(run(L"{Ж:}Итого{:Ж}{Общая  Сумма = Цена}"), L"<b>Итого</b>");
    EXPECT_EQ(variable(L"общая|сумма"), L"10");
    EXPECT_EQ(run(L"{общая сумма}"), L"10");
    run(L"{общая сумма = \"20\"}");
    EXPECT_EQ(run(L"{Общая Сумма}"), L"20");
    EXPECT_EQ(doc.data->scratch.records.size(), 1u);
}

TEST_F(ScriptRun, ParametersHideVariablesAndTheFirstMatchWins) {
    add_field(L"Имя", L"первое");
    add_field(L"  ИМЯ ", L"второе", 1);
    EXPECT_EQ(run(L"{имя}"), L"первое");
    run(L"{Имя = \"переменная\"}");
    EXPECT_EQ(run(L"{имя}"), L"первое");
}

TEST_F(ScriptRun, NestingBeyondTheLimitIsOutputUnevaluated) {
    EXPECT_EQ(run(nested_blocks(max_script_nesting)), L"core");
    EXPECT_EQ(run(nested_blocks(max_script_nesting + 1)), L"{ЕСЛИ 1 ТО &quot;core&quot;}");
    // Deep input beyond any sensible template still finishes.
    EXPECT_FALSE(run(nested_blocks(2000)).empty());
}

TEST(ScriptWithoutDocument, ADestroyedDocumentLeavesNoDanglingPointer) {
    {
        document doc(L"");
        doc.data->page_setup.record.v[1] = 0;
        ASSERT_EQ(current_document, &doc);
    }
    EXPECT_EQ(current_document, nullptr);
    EXPECT_EQ(script(L"a{x}b{.}{y = 1}{ЕСЛИ x ТО \"t\" ИНАЧЕ \"e\"}", current_document).run(), L"ab<br />e");
    EXPECT_FALSE(script(L"{x}", current_document).test());
}
