#include "engine/declension/counted_nouns.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::form_of;

TEST(NumberPluralClass, LastTwoDigitsOfTheIntegerPart) {
    for (const wchar_t* one : {L"1", L"21", L"101", L"21,5", L"21.5", L"31 шт.", L"41 \t", L"1,001.2"})
        EXPECT_EQ(number_plural_class(one), 0) << one;
    for (const wchar_t* few : {L"2", L"3", L"4", L"22", L"1004", L"3 штуки"})
        EXPECT_EQ(number_plural_class(few), 1) << few;
    for (const wchar_t* many : {L"11", L"111", L"12", L"13", L"14", L"5", L"0", L"20", L"", L"1 000", L"шт", L".1"})
        EXPECT_EQ(number_plural_class(many), 2) << many;
}

// One takes the singular in the case, two to four the genitive singular, five
// and more start from the plural; words before the noun take the plural.
TEST(CountedNoun, EachPluralClassTakesItsForm) {
    const struct { const wchar_t* noun; int number_class, c; bool decimal; std::wstring form; } nouns[] = {
        {L"  день ", 0, 1, false, L"день"}, {L"дня", 0, 0, false, L"день"}, {L"кот", 0, 5, false, L"котом"},
        {L"рабочий  день", 0, 1, false, L"рабочий  день"}, {L"кот", 0, 1, true, L"кота"},
        {L"день", 1, 0, false, form_of(L"день", 2)}, {L"сутки", 1, 1, false, L"суток"},
        {L"целая", 1, 1, false, form_of(L"целые", 2)}, {L"ура", 1, 1, false, form_of(L"ура", 2)},
        {L"день", 2, 1, false, L"дней"}, {L"человек", 2, 1, false, L"людей"}, {L"человек", 1, 3, false, L"людям"},
        {L"сутки", 2, 5, false, L"сутками"}, {L"кг", 2, 1, false, L"кг"}, {L"день", 2, 1, true, L"дней"},
        {L"литр", 2, 3, false, form_of(L"литры", 3)},
        // The accusative: of the base form when the gender is not recognised;
        // masculine the genitive; feminine the accusative after 2-4.
        {L"сутки", 2, 4, false, L"сутки"}, {L"кот", 1, 4, false, L"кота"},
        {L"кот", 2, 4, false, form_of(form_of(L"кот", 2), 2)}, {L"рука", 1, 4, false, form_of(L"руки", 4)},
        {L"рука", 2, 4, false, L"рук"},
        {L"новая рука", 2, 1, false, form_of(L"новые", 2) + L" рук"},
        {L"основной день", 2, 1, false, form_of(L"основные", 2) + L" дней"},
        {L"рабочий день", 2, 6, false, form_of(L"рабочие", 6) + L" днях"},
        {L"мой день", 2, 1, false, form_of(L"мой", 2) + L" дней"},  // too short to be put into the plural
    };
    for (const auto& n : nouns)
        EXPECT_EQ(agree_counted_noun(n.noun, n.number_class, n.c, n.decimal), n.form) << n.noun << " " << n.c;
}
