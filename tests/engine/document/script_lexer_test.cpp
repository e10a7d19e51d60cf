#include <gtest/gtest.h>

#include <string>

#include "engine/document/script_lexer.h"

using namespace engine;

namespace {

// One line per token list: "type:text" or "type/code:text", joined by " ┃ ".
std::wstring lexed(std::wstring_view source) {
    std::wstring out;
    for (const script_token& token : lex_script(source)) {
        if (!out.empty()) out += L" ┃ ";
        out += std::to_wstring(token.type);
        if (token.code != 0) out += L"/" + std::to_wstring(token.code);
        out += L":" + token.text;
    }
    return out;
}

}  // namespace

TEST(ScriptLexerText, CollapsesBlanksAndEscapesApostrophes) {
    EXPECT_EQ(lexed(L""), L"");
    EXPECT_EQ(lexed(L"a  \tb"), L"1:a b");
    EXPECT_EQ(lexed(L"It's"), L"1:It&apos;s");
    EXPECT_EQ(lexed(L"a } b"), L"1:a } b");
    EXPECT_EQ(lexed(L"Иначе всё"), L"1:Иначе всё");
}

TEST(ScriptLexerText, BraceSequences) {
    EXPECT_EQ(lexed(L"a {} b"), L"1:a  ┃ 7/20:&nbsp; ┃ 1:b");
    EXPECT_EQ(lexed(L"{/}{\\}"), L"7/18:<br /> ┃ 7/18:<br />");
    EXPECT_EQ(lexed(L"{.}"), L"7/22:<br />&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;");
    EXPECT_EQ(lexed(L"{|}"), L"7/21:&thinsp;");
    EXPECT_EQ(lexed(L"{ }"), L"12:{ ┃ 13:}");
    EXPECT_EQ(lexed(L"{/x}"), L"12:{ ┃ 10:/ ┃ 5:x ┃ 13:}");
}

TEST(ScriptLexerText, FormatMarkers) {
    EXPECT_EQ(lexed(L"{ж:}жирный{:ж}"), L"7/12:{ж:} ┃ 1:жирный ┃ 7/13:");
    EXPECT_EQ(lexed(L"{I:}{:i}{U:}{:Ч}"), L"7/14:{I:} ┃ 7/15: ┃ 7/16:{U:} ┃ 7/17:");
    EXPECT_EQ(lexed(L"{:Ж }"), L"7/13: ┃ 1:}");
    EXPECT_EQ(lexed(L"{:ЖИР}"), L"12:{ ┃ 5:ЖИР ┃ 13:}");
    EXPECT_EQ(lexed(L"{:Ж"), L"7/13:");
}

TEST(ScriptLexerText, TableMarkersKeepTheirText) {
    EXPECT_EQ(lexed(L"{#EEEEEE ТАБЛИЦА:100%, 4}x"), L"7/8:{#EEEEEE ТАБЛИЦА:100%,4} ┃ 1:x");
    EXPECT_EQ(lexed(L"{ТАБЛИЦА:50.5%}"), L"7/8:{ТАБЛИЦА:50. ┃ 1:5%}");
    EXPECT_EQ(lexed(L"{row:20}{Cell:1,0{:table}"), L"7/10:{row:20} ┃ 7/11:{Cell:1,0 ┃ 1::table}");
    EXPECT_EQ(lexed(L"{ЯЧЕЙКА:1:x}y"), L"7/11:{ЯЧЕЙКА:1:x} ┃ 1:y");
    EXPECT_EQ(lexed(L"{ЯЧЕЙКА:1 2:x}y"), L"7/11:{ЯЧЕЙКА:12 ┃ 1:x}y");
    EXPECT_EQ(lexed(L"{ЯЧЕЙКА:1"), L"7/11:{ЯЧЕЙКА:1");
}

TEST(ScriptLexerExpression, ReferencesAndModifiers) {
    EXPECT_EQ(lexed(L"Итого: {Сумма} руб."), L"1:Итого:  ┃ 12:{ ┃ 5:Сумма ┃ 13:} ┃ 1: руб.");
    EXPECT_EQ(lexed(L"{р:ФИО}"), L"12:{ ┃ 8:р ┃ 5:ФИО ┃ 13:}");
    EXPECT_EQ(lexed(L"{месяц  прописью : Дата\nдоговора}"), L"12:{ ┃ 8:месяц прописью ┃ 5:Дата договора ┃ 13:}");
    EXPECT_EQ(lexed(L"{Сумма2}"), L"12:{ ┃ 5:Сумма2 ┃ 13:}");
    EXPECT_EQ(lexed(L"{Сумма"), L"12:{");
}

TEST(ScriptLexerExpression, ConditionWithKeywords) {
    EXPECT_EQ(lexed(L"{ЕСЛИ Пол = \"м\" ТО \"он\" ИНАЧЕ \"она\"}"),
              L"12:{ ┃ 6/1:если ┃ 5:Пол ┃ 10:= ┃ 14:\" ┃ 3:м ┃ 14:\" ┃ 6/2:то ┃ 14:\" ┃ 3:он ┃ 14:\" ┃ "
              L"6/3:иначе ┃ 14:\" ┃ 3:она ┃ 14:\" ┃ 13:}");
    EXPECT_EQ(lexed(L"{if a and not b then c else d}"),
              L"12:{ ┃ 6/1:если ┃ 5:a  ┃ 6/5:и ┃ 6/4:не ┃ 5:b  ┃ 6/2:то ┃ 5:c  ┃ 6/3:иначе ┃ 5:d ┃ 13:}");
    EXPECT_EQ(lexed(L"{Иначевсе}"), L"12:{ ┃ 5:Иначевсе ┃ 13:}");
    EXPECT_EQ(lexed(L"{ЕСЛИ(a)}"), L"12:{ ┃ 6/1:если ┃ 15:( ┃ 5:a ┃ 16:) ┃ 13:}");
}

TEST(ScriptLexerExpression, KeywordAtTheVeryEndOfAWord) {
    EXPECT_EQ(lexed(L"{a ТО}"), L"12:{ ┃ 5:a  ┃ 6/2:то ┃ 13:}");
    EXPECT_EQ(lexed(L"{x И:y}"), L"12:{ ┃ 5:x ┃ 6/5:и ┃ 5:y ┃ 13:}");
}

TEST(ScriptLexerExpression, NumbersAndOperators) {
    EXPECT_EQ(lexed(L"{x = 1 000,50}"), L"12:{ ┃ 5:x ┃ 10:= ┃ 4:1000,50 ┃ 13:}");
    EXPECT_EQ(lexed(L"{x = 1, y}"), L"12:{ ┃ 5:x ┃ 10:= ┃ 4:1 ┃ 17:, ┃ 5:y ┃ 13:}");
    EXPECT_EQ(lexed(L"{(5+3)}"), L"12:{ ┃ 15:( ┃ 5:5 ┃ 10:+ ┃ 4:3 ┃ 16:) ┃ 13:}");
    EXPECT_EQ(lexed(L"{a < = 5}"), L"12:{ ┃ 5:a ┃ 10:<= ┃ 4:5 ┃ 13:}");
    EXPECT_EQ(lexed(L"{a * -2}"), L"12:{ ┃ 5:a ┃ 10:*- ┃ 4:2 ┃ 13:}");
    EXPECT_EQ(lexed(L"{a +"), L"12:{ ┃ 5:a");
    EXPECT_EQ(lexed(L"{a + 5"), L"12:{ ┃ 5:a ┃ 10:+");
}

TEST(ScriptLexerExpression, VerbatimBlocks) {
    EXPECT_EQ(lexed(L"a{!комментарий {x}}b"), L"1:a ┃ 2:{!комментарий {x}} ┃ 1:b");
    EXPECT_EQ(lexed(L"a {!open {x} b"), L"1:a  ┃ 12:{");
    EXPECT_EQ(lexed(L"{x{!n}}"), L"12:{ ┃ 5:x ┃ 2:{!n} ┃ 13:}");
}

TEST(ScriptLexerExpression, NestedConditionsAreTakenWhole) {
    EXPECT_EQ(lexed(L"{ЕСЛИ a ТО \"x {ЕСЛИ b ТО \"y\"} z\"}"),
              L"12:{ ┃ 6/1:если ┃ 5:a  ┃ 6/2:то ┃ 14:\" ┃ 3:x  ┃ 11:{ЕСЛИ b ТО \"y\"} ┃ 3: z ┃ 14:\" ┃ 13:}");
    EXPECT_EQ(lexed(L"{a {(IF b} c}"), L"12:{ ┃ 5:a ┃ 11:{(IF b} ┃ 5:c ┃ 13:}");
    EXPECT_EQ(lexed(L"{a {IF b"), L"12:{ ┃ 5:a ┃ 11:{IF b");
}

TEST(ScriptLexerExpression, UnbalancedInnerBraceFallsIntoQuotedText) {
    EXPECT_EQ(lexed(L"{{x}}"), L"12:{ ┃ 12:{ ┃ 5:x ┃ 13:}");
    EXPECT_EQ(lexed(L"{\"open"), L"12:{ ┃ 14:\"");
}

TEST(ScriptLexerRobustness, EveryPrefixOfAScriptLexesWithinItsBounds) {
    // Look-ahead past the end is the classic fault of this kind of lexer; each
    // truncation ends inside a different construct.
    std::wstring source =
        L"Текст {ЕСЛИ Пол = \"м\" ТО \"он {ЕСЛИ x ТО \"y\"}\" ИНАЧЕ {р:ФИО}}{Ж:}{:Ж}{ТАБЛИЦА:1,2}"
        L"{ЯЧЕЙКА:1,1}{!v{x}}{x = 1 000,5 * (2+3)}{.}{|}{/}{}{a ТО";
    for (std::size_t n = 0; n <= source.size(); ++n) {
        std::vector<script_token> tokens = lex_script(std::wstring_view(source).substr(0, n));
        for (const script_token& token : tokens) EXPECT_LE(token.text.size(), n);
    }
}
