#include "engine/render/script_lexer.h"

#include <gtest/gtest.h>

#include <string>

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

// Pairs of source and tokens.
void expect_lexed(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> cases) {
    for (const auto& [source, tokens] : cases) EXPECT_EQ(lexed(source), tokens) << source;
}

}  // namespace

// clang-format off
TEST(ScriptLexer, TextBraceSequencesAndMarkers) {
    expect_lexed({
        {L"a  \tb", L"1:a b"}, {L"It's", L"1:It&apos;s"}, {L"a {} b", L"1:a  ┃ 7/20:&nbsp; ┃ 1:b"},
        {L"{.}", L"7/22:<br />&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"}, {L"{ }", L"12:{ ┃ 13:}"},
        {L"{ж:}жирный{:ж}", L"7/12:{ж:} ┃ 1:жирный ┃ 7/13:"}, {L"{:Ж }", L"7/13: ┃ 1:}"}, {L"{:Ж", L"7/13:"},
        // Table markers keep their text.
        {L"{#EEEEEE ТАБЛИЦА:100%, 4}x", L"7/8:{#EEEEEE ТАБЛИЦА:100%,4} ┃ 1:x"},
        {L"{ТАБЛИЦА:50.5%}", L"7/8:{ТАБЛИЦА:50. ┃ 1:5%}"},
        {L"{row:20}{Cell:1,0{:table}", L"7/10:{row:20} ┃ 7/11:{Cell:1,0 ┃ 1::table}"},
        {L"{ЯЧЕЙКА:1 2:x}y", L"7/11:{ЯЧЕЙКА:12 ┃ 1:x}y"},
    });
}
// clang-format on

TEST(ScriptLexer, Expressions) {
    expect_lexed({
        {L"{месяц  прописью : Дата\nдоговора}",
         L"12:{ ┃ 8:месяц прописью ┃ 5:Дата договора ┃ 13:}"},
        {L"{Сумма", L"12:{"},
        {L"{if a and not b then c else d}",
         L"12:{ ┃ 6/1:если ┃ 5:a  ┃ 6/5:и ┃ 6/4:не ┃ 5:b  ┃ 6/2:то ┃ 5:c  ┃ 6/3:иначе ┃ 5:d ┃ "
         L"13:}"},
        {L"{Иначевсе}", L"12:{ ┃ 5:Иначевсе ┃ 13:}"},
        {L"{a ТО}", L"12:{ ┃ 5:a  ┃ 6/2:то ┃ 13:}"},
        {L"{x И:y}", L"12:{ ┃ 5:x ┃ 6/5:и ┃ 5:y ┃ 13:}"},
        {L"{x = 1 000,50}", L"12:{ ┃ 5:x ┃ 10:= ┃ 4:1000,50 ┃ 13:}"},
        {L"{a < = 5}", L"12:{ ┃ 5:a ┃ 10:<= ┃ 4:5 ┃ 13:}"},
        {L"{a * -2}", L"12:{ ┃ 5:a ┃ 10:*- ┃ 4:2 ┃ 13:}"},
        {L"{a + 5", L"12:{ ┃ 5:a ┃ 10:+"},
        {L"a{!комментарий {x}}b", L"1:a ┃ 2:{!комментарий {x}} ┃ 1:b"},
        {L"a {!open {x} b", L"1:a  ┃ 12:{"},
        // Nested conditions are taken whole.
        {L"{ЕСЛИ a ТО \"x {ЕСЛИ b ТО \"y\"} z\"}",
         L"12:{ ┃ 6/1:если ┃ 5:a  ┃ 6/2:то ┃ 14:\" ┃ 3:x  ┃ 11:{ЕСЛИ b ТО \"y\"} ┃ 3: z ┃ 14:\" ┃ "
         L"13:}"},
        {L"{a {IF b", L"12:{ ┃ 5:a ┃ 11:{IF b"},
        {L"{\"open", L"12:{ ┃ 14:\""},
    });
}

TEST(ScriptLexer, EveryPrefixOfAScriptLexesWithinItsBounds) {
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
