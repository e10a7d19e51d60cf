// Capitalised surnames decline by this code alone, so they show whether
// declining went on up to them; other words are checked against decline_word,
// whatever the word handlers know.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/declension/decline_word.h"
#include "engine/declension/number_words.h"
#include "engine/declension/phrase.h"

using namespace engine;

namespace {

std::wstring word_in_case(const std::wstring& word, int c) {
    std::uint32_t gender = 0, animate = 0;
    return decline_word(word, c, &gender, &animate);
}

}  // namespace

TEST(DeclinePhrase, NameWordsDeclineAndNeverStopDeclining) {
    EXPECT_EQ(decline_phrase(L"Иванов Петров Сидорова", 3), L"Иванову Петрову Сидоровой");
    EXPECT_EQ(decline_phrase(L"Иванов Иван Иванович", 5).substr(0, 9), L"Ивановым ");
}

TEST(DeclinePhrase, TheHeadNounEndsDeclining) {
    EXPECT_EQ(decline_phrase(L"директор Иванов", 2), word_in_case(L"директор", 2) + L" Иванов");
    EXPECT_EQ(decline_phrase(L"договор поставки", 2), word_in_case(L"договор", 2) + L" поставки");
}

TEST(DeclinePhrase, AdjectiveEndingsGoOnToTheNoun) {
    for (std::wstring adjective : {L"новый", L"новая", L"новое", L"новые", L"новий", L"трудовой", L"синяя", L"синее"})
        EXPECT_EQ(decline_phrase(adjective + L" Иванов", 2), word_in_case(adjective, 2) + L" Иванова") << adjective;
}

TEST(DeclinePhrase, ShortWordsAndConjunctionsGoOn) {
    EXPECT_EQ(decline_phrase(L"акт Иванов", 2), word_in_case(L"акт", 2) + L" Иванова");
    EXPECT_EQ(decline_phrase(L"и Иванов или Петров", 2), L"и Иванова или Петрова");
}

TEST(DeclinePhrase, PrepositionsAndAnyPieceOfThemStopAndStayAsTyped) {
    EXPECT_EQ(decline_phrase(L"о Иванов", 2), L"о Иванов");
    EXPECT_EQ(decline_phrase(L"после Иванов", 2), L"после Иванов");
    EXPECT_EQ(decline_phrase(L"ре Иванов", 2), L"ре Иванов");
}

TEST(DeclinePhrase, CapitalisedAndCapitalWordsTakeTheSameTests) {
    EXPECT_EQ(decline_phrase(L"По Иванов", 2), L"По Иванов");
    EXPECT_EQ(decline_phrase(L"ПО Иванов", 2), L"ПО Иванов");
    EXPECT_EQ(decline_phrase(L"И Иванов", 2), L"И Иванова");
    std::wstring head = word_in_case(L"договор", 2);
    for (auto& c : head) c = c == L'ё' ? L'Ё' : wchar_t(c - 0x20);
    EXPECT_EQ(decline_phrase(L"ДОГОВОР Иванов", 2), head + L" Иванов");
}

TEST(DeclinePhrase, NounsInIeEndDeclining) {
    EXPECT_EQ(decline_phrase(L"расторжение Иванов", 2), word_in_case(L"расторжение", 2) + L" Иванов");
    // Capitalised, it is not taken for a plural surname.
    std::wstring capitalised = decline_phrase(L"Расторжение Иванов", 2);
    EXPECT_EQ(capitalised.substr(capitalised.size() - 7), L" Иванов");
}

TEST(DeclinePhrase, AWordJoinedByADashLeavesTheDecisionToTheNextPart) {
    EXPECT_EQ(decline_phrase(L"научно-исследовательский Иванов", 2),
              L"научно-" + word_in_case(L"исследовательский", 2) + L" Иванова");
    EXPECT_EQ(decline_phrase(L"северо-запад Иванов", 2), L"северо-" + word_in_case(L"запад", 2) + L" Иванов");
    // A surname keeps its own path.
    EXPECT_EQ(decline_phrase(L"Ростов-на-Дону", 2), L"Ростова-на-Дону");
    // A spaced dash joins nothing.
    EXPECT_EQ(decline_phrase(L"Иванов - Петров", 2), L"Иванова - Петрова");
}

TEST(DeclinePhrase, AnOpeningQuoteEndsDecliningAndTheRestIsCopied) {
    EXPECT_EQ(decline_phrase(L"Иванов \"Петров\" Сидоров", 2), L"Иванова \"Петров\" Сидоров");
    EXPECT_EQ(decline_phrase(L"Иванов «Петров» Сидоров", 2), L"Иванова «Петров» Сидоров");
    EXPECT_EQ(decline_phrase(L"\"Ромашка\" Иванов", 2), L"\"Ромашка\" Иванов");
    EXPECT_EQ(decline_phrase(L"«Ромашка» Иванов", 2), L"«Ромашка» Иванов");
}

TEST(DeclinePhrase, LiteralsAndEntitiesPassThroughWithoutStopping) {
    EXPECT_EQ(decline_phrase(L"Иванов (Петров)", 2), L"Иванова (Петрова)");
    EXPECT_EQ(decline_phrase(L"№ Иванов;\tПетров", 2), L"№ Иванова;\tПетрова");
    EXPECT_EQ(decline_phrase(L"&lt;Иванов&gt;", 2), L"&lt;Иванова&gt;");
    EXPECT_EQ(decline_phrase(L"Иванов\nПетров", 2), L"Иванова<br />Петрова");
}

TEST(DeclinePhrase, NumbersAreSpelledOutOnlyWhileDeclining) {
    EXPECT_EQ(decline_phrase(L"5 Иванов", 2), number_words_in_case(L"5", 2, 9) + L" Иванова");
    EXPECT_EQ(decline_phrase(L"12,5 Иванов", 2),
              number_words_in_case(L"12", 2, 10) + L" " + number_words_in_case(L"5", 2, 11) + L" Иванова");
    EXPECT_EQ(decline_phrase(L"12.50? Иванов", 3), number_words_in_case(L"12", 3, 14) + L" " +
                                                       number_words_in_case(L"50", 3, 15) + L"  Иванову");
    std::wstring head = word_in_case(L"договор", 2);
    EXPECT_EQ(decline_phrase(L"договор 12,5 от 01.02.2024", 2), head + L" 12,5 от 01.02.2024");
    EXPECT_EQ(decline_phrase(L"договор 12.50?", 2), head + L" 12.50?");
}

TEST(DeclinePhrase, DollarAmountsStayAsTyped) {
    EXPECT_EQ(decline_phrase(L"100$ Иванов", 2), L"100$ Иванова");
    EXPECT_EQ(decline_phrase(L"$12.50 Иванов", 2), L"$12.50 Иванова");
    EXPECT_EQ(decline_phrase(L"Иванов 12,50$", 2), L"Иванова 12,50$");
}

TEST(DeclinePhrase, AnOverLongNumberShowsItsMarker) {
    EXPECT_EQ(decline_phrase(L"1234567890123456789012 Иванов", 2),
              L"123456789012345678901<font color=red>[?]</font> Иванова");
}

TEST(DeclinePhrase, TextsThatAreNotPhrases) {
    EXPECT_EQ(decline_phrase(L"", 2), L"");
    EXPECT_EQ(decline_phrase(L" \t ", 2), L"");
    EXPECT_EQ(decline_phrase(L"  [Иванов] ", 2), L"[Иванов]");
    EXPECT_EQ(decline_phrase(L"Иванов", 0), L"Иванов");
}

TEST(DeclinePhrase, DeclinedWordsKeepTheirLetterCase) {
    EXPECT_EQ(restore_letter_case(L"ИВАНОВ", L"иванову"), L"ИВАНОВУ");
    EXPECT_EQ(restore_letter_case(L"Иванов", L"иванову"), L"Иванову");
    EXPECT_EQ(restore_letter_case(L"ТехноСтрой", L"техностроя"), L"ТехноСтроя");
    EXPECT_EQ(restore_letter_case(L"ЁЖ", L"ежа"), L"ЕЖА");
    EXPECT_EQ(restore_letter_case(L"Alpha", L"alpha"), L"Alpha");
    EXPECT_EQ(restore_letter_case(L"ИвАнов", L"иван"), L"ИвАн");
    EXPECT_EQ(decline_phrase(L"ООО Alpha", 2).substr(3), L" Alpha");
    EXPECT_EQ(decline_phrase(L"ИвАнов Петров", 2), L"ИвАнова Петрова");
}
