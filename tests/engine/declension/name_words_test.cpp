#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "engine/declension/name_words.h"

using namespace engine;

namespace {

// The word in cases 2 to 6.
using forms = std::array<std::wstring, 5>;

::testing::AssertionResult declines(const std::wstring& word, std::uint32_t code, const forms& expected) {
    for (std::uint32_t c = 2; c <= 6; ++c) {
        std::wstring form = word;
        decline_person_name(form, c, code);
        if (form != expected[c - 2])
            return ::testing::AssertionFailure() << "case " << c << " of code " << code << " gave a different form";
    }
    std::wstring nominative = word;
    if (decline_person_name(nominative, 1, code) != word)
        return ::testing::AssertionFailure() << "case 1 changed the word";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(ClassifyNameWord, SurnameEndingsAndTheFirstNamesThatShareThem) {
    const std::pair<const wchar_t*, int> words[] = {
        {L"пушкин", 1}, {L"константин", 0}, {L"кузьмичёв", 1}, {L"толстой", 1}, {L"лебедев", 1},
        {L"лев", 0}, {L"иванов", 1}, {L"яков", 0}, {L"петросян", 1}, {L"демьян", 0},
        {L"горький", 1}, {L"юрий", 0}, {L"анатолий", 0}, {L"толстая", 2}, {L"толстые", 39}, {L"русские", 39},
        {L"пушкина", 2}, {L"ирина", 0}, {L"иванова", 2}, {L"ева", 0}, {L"ивановы", 38},
        {L"любовь", 45}, {L"морковь", 0}, {L"смит", 0}, {L"", 0},
    };
    for (const auto& [word, code] : words) EXPECT_EQ(classify_name_word(word), code) << word;
}

TEST(ClassifyNameWord, TheListsAreSearchedAsTextAndByCase) {
    // A fragment of a listed name counts as listed; a capital keeps a first
    // name out of its list.
    EXPECT_EQ(classify_name_word(L"ков"), 0);
    EXPECT_EQ(classify_name_word(L"тин"), 0);
    EXPECT_EQ(classify_name_word(L"Юрий"), 1);
}

TEST(DeclinePersonName, MasculineAdjectivalAndSurnamesInAAndYa) {
    EXPECT_TRUE(declines(L"Иванов", 1, {L"Иванова", L"Иванову", L"Иванова", L"Ивановым", L"Иванове"}));
    EXPECT_TRUE(declines(L"Гоголь", 1, {L"Гоголя", L"Гоголю", L"Гоголя", L"Гоголем", L"Гоголе"}));
    EXPECT_TRUE(declines(L"Китаец", 1, {L"Китайца", L"Китайцу", L"Китайца", L"Китайцем", L"Китайце"}));
    EXPECT_TRUE(declines(L"Кравец", 1, {L"Кравца", L"Кравцу", L"Кравца", L"Кравцом", L"Кравце"}));
    EXPECT_TRUE(declines(L"Тихий", 1, {L"Тихого", L"Тихому", L"Тихого", L"Тихим", L"Тихом"}));
    EXPECT_TRUE(declines(L"Толстой", 1, {L"Толстого", L"Толстому", L"Толстого", L"Толстым", L"Толстом"}));
    EXPECT_TRUE(declines(L"Луговской", 1, {L"Луговского", L"Луговскому", L"Луговского", L"Луговским", L"Луговском"}));
    EXPECT_TRUE(declines(L"Анна", 1, {L"Анны", L"Анне", L"Анну", L"Анной", L"Анне"}));
    EXPECT_TRUE(declines(L"Зозуля", 1, {L"Зозули", L"Зозуле", L"Зозулю", L"Зозулей", L"Зозуле"}));
    EXPECT_TRUE(declines(L"Саша", 1, {L"Саши", L"Саше", L"Сашу", L"Сашей", L"Саше"}));
}

TEST(DeclinePersonName, FeminineSurnamesWhateverTheCode) {
    for (std::uint32_t code : {1u, 2u}) {
        EXPECT_TRUE(declines(L"Иванова", code, {L"Ивановой", L"Ивановой", L"Иванову", L"Ивановой", L"Ивановой"}));
        EXPECT_TRUE(declines(L"Толстая", code, {L"Толстой", L"Толстой", L"Толстую", L"Толстой", L"Толстой"}));
        EXPECT_TRUE(declines(L"Свежая", code, {L"Свежей", L"Свежей", L"Свежую", L"Свежей", L"Свежей"}));
    }
    EXPECT_TRUE(declines(L"Королёва", 2, {L"Королёвой", L"Королёвой", L"Королёву", L"Королёвой", L"Королёвой"}));
}

TEST(DeclinePersonName, IndeclinableSurnamesStayAsTheyAre) {
    for (std::wstring word : {L"Черных", L"Долгих", L"Шевченко", L"Гюго", L"Синяя"})
        EXPECT_TRUE(declines(word, 1, {word, word, word, word, word})) << word;
}

TEST(DeclinePersonName, PluralsAndLyubov) {
    EXPECT_TRUE(declines(L"Ивановы", 38, {L"Ивановых", L"Ивановым", L"Ивановых", L"Ивановыми", L"Ивановых"}));
    std::wstring accusative = L"толстые";
    EXPECT_EQ(decline_person_name(accusative, 4, 39), L"толстых");
    EXPECT_TRUE(declines(L"любовь", 45, {L"любови", L"любови", L"любовь", L"любовью", L"любови"}));
}

TEST(DeclinePersonName, WordsTooShortForTheirRuleComeBackUnchanged) {
    for (std::wstring word : {L"", L"а", L"я", L"ь", L"й", L"ец", L"Ой", L"ая"})
        for (std::uint32_t code : {1u, 2u})
            EXPECT_TRUE(declines(word, code, {word, word, word, word, word})) << code;
}

TEST(DeclinePersonName, ACaseOutsideOneToSixLeavesTheStem) {
    std::wstring word = L"Гоголь";
    EXPECT_EQ(decline_person_name(word, 0, 1), L"Гогол");
}
