// Capitalised surnames decline by this code alone, so they show whether
// declining went on up to them; other words are checked against decline_word,
// whatever the word handlers know.
#include "engine/declension/decline_word.h"
#include "engine/declension/phrase.h"
#include "engine/text/text_case.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::form_of;

// Phrases whose declined form is spelled out: which words go on declining,
// which stop it, and what passes through as typed.
TEST(DeclinePhrase, WhatGoesOnAndWhatStopsDeclining) {
    // clang-format off
    const struct { const wchar_t* text; int c; const wchar_t* form; } phrases[] = {
        {L"Иванов Петров Сидорова", 3, L"Иванову Петрову Сидоровой"},
        {L"и Иванов или Петров", 2, L"и Иванова или Петрова"},
        // Prepositions and any piece of them stop, in any letter case.
        {L"о Иванов", 2, L"о Иванов"}, {L"после Иванов", 2, L"после Иванов"}, {L"ре Иванов", 2, L"ре Иванов"},
        {L"ПО Иванов", 2, L"ПО Иванов"}, {L"По Иванов", 2, L"По Иванов"}, {L"И Иванов", 2, L"И Иванова"},
        // A surname keeps its own path through dashes; a spaced dash joins nothing.
        {L"Ростов-на-Дону", 2, L"Ростова-на-Дону"}, {L"Иванов - Петров", 2, L"Иванова - Петрова"},
        // An opening quote ends declining and the rest is copied.
        {L"Иванов \"Петров\" Сидоров", 2, L"Иванова \"Петров\" Сидоров"},
        {L"Иванов «Петров» Сидоров", 2, L"Иванова «Петров» Сидоров"}, {L"«Ромашка» Иванов", 2, L"«Ромашка» Иванов"},
        // Literals and entities pass through without stopping.
        {L"№ Иванов;\tПетров", 2, L"№ Иванова;\tПетрова"}, {L"&lt;Иванов&gt;", 2, L"&lt;Иванова&gt;"},
        {L"Иванов\nПетров", 2, L"Иванова<br />Петрова"},
        // Amounts in dollars stay as typed; an over-long number shows its marker.
        {L"100$ Иванов", 2, L"100$ Иванова"}, {L"Иванов 12,50$", 2, L"Иванова 12,50$"},
        {L"1234567890123456789012 Иванов", 2, L"123456789012345678901<font color=red>[?]</font> Иванова"},
        // Texts that are not phrases.
        {L" \t ", 2, L""}, {L"  [Иванов] ", 2, L"[Иванов]"}, {L"Иванов", 0, L"Иванов"},
    };
    // clang-format on
    for (const auto& p : phrases) EXPECT_EQ(decline_phrase(p.text, p.c), p.form) << p.text;
}

// The head noun ends declining, adjectives go on to it, a word joined by a
// dash leaves the decision to the next part; typed digits stay digits, and a
// phrase that is one number alone is spelled out.
TEST(DeclinePhrase, HeadNounsAdjectivesDashesAndNumbers) {
    const std::wstring head = form_of(L"договор", 2);
    // clang-format off
    const struct { const wchar_t* text; int c; std::wstring form; } phrases[] = {
        {L"директор Иванов", 2, form_of(L"директор", 2) + L" Иванов"},
        {L"договор поставки", 2, head + L" поставки"}, {L"акт Иванов", 2, form_of(L"акт", 2) + L" Иванов"},
        {L"ДОГОВОР Иванов", 2, to_upper(head) + L" Иванов"},
        // Words before the head noun take its animacy.
        {L"новый директор", 4, form_of(L"новый", 4, 1) + L" " + form_of(L"директор", 4)},
        {L"новый договор", 4, form_of(L"новый", 4, 0) + L" " + form_of(L"договор", 4)},
        {L"расторжение Иванов", 2, form_of(L"расторжение", 2) + L" Иванов"},
        {L"научно-исследовательский Иванов", 2, L"научно-" + form_of(L"исследовательский", 2) + L" Иванова"},
        {L"северо-запад Иванов", 2, L"северо-" + form_of(L"запад", 2) + L" Иванов"},
        {L"5 Иванов", 2, L"5 Иванова"}, {L"12,5 Иванов", 2, L"12,5 Иванова"}, {L"12.50? Иванов", 3, L"12.50? Иванову"},
        {L"5", 2, L"пяти"}, {L"12,5", 2, L"двенадцати целых пяти десятых"},
        {L"12.50?", 3, L"двенадцати рублям пятидесяти копейкам "},
        {L"договор 12,5 от 01.02.2024", 2, head + L" 12,5 от 01.02.2024"}, {L"договор 12.50?", 2, head + L" 12.50?"},
    };
    // clang-format on
    for (const auto& p : phrases) EXPECT_EQ(decline_phrase(p.text, p.c), p.form) << p.text;
    EXPECT_EQ(decline_phrase(L"Иванов Иван Иванович", 5).substr(0, 9), L"Ивановым ");
    for (std::wstring adjective :
         {L"новый", L"новая", L"новое", L"новые", L"новий", L"трудовой", L"синяя", L"синее"})
        EXPECT_EQ(decline_phrase(adjective + L" Иванов", 2), form_of(adjective, 2) + L" Иванова")
            << adjective;
    // Capitalised, a noun in -ие is not taken for a plural surname.
    std::wstring capitalised = decline_phrase(L"Расторжение Иванов", 2);
    EXPECT_EQ(capitalised.substr(capitalised.size() - 7), L" Иванов");
}

TEST(DeclinePhrase, DeclinedWordsKeepTheirLetterCase) {
    const wchar_t* words[][3] = {{L"ИВАНОВ", L"иванову", L"ИВАНОВУ"},
                                 {L"Иванов", L"иванову", L"Иванову"},
                                 {L"ТехноСтрой", L"техностроя", L"ТехноСтроя"},
                                 {L"ЁЖ", L"ежа", L"ЕЖА"},
                                 {L"Alpha", L"alpha", L"Alpha"},
                                 {L"ИвАнов", L"иван", L"ИвАн"}};
    for (const auto& w : words) EXPECT_EQ(restore_letter_case(w[0], w[1]), w[2]);
    EXPECT_EQ(decline_phrase(L"ООО Alpha", 2).substr(3), L" Alpha");
    EXPECT_EQ(decline_phrase(L"ИвАнов Петров", 2), L"ИвАнова Петрова");
}

// Two animate nouns joined by a hyphen decline together, unless the first is
// a fixed element; other hyphenated words keep their first part as typed.
TEST(DeclinePhrase, CompoundJobTitlesInEveryCase) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } titles[] = {
        {{L"инженер-программист", L"инженера-программиста", L"инженеру-программисту",
          L"инженера-программиста", L"инженером-программистом", L"инженере-программисте"}},
        {{L"врач-терапевт", L"врача-терапевта", L"врачу-терапевту", L"врача-терапевта",
          L"врачом-терапевтом", L"враче-терапевте"}},
        {{L"член-корреспондент", L"члена-корреспондента", L"члену-корреспонденту",
          L"члена-корреспондента", L"членом-корреспондентом", L"члене-корреспонденте"}},
        {{L"главный инженер-технолог", L"главного инженера-технолога", L"главному инженеру-технологу",
          L"главного инженера-технолога", L"главным инженером-технологом", L"главном инженере-технологе"}},
        {{L"Ведущий Инженер-Программист отдела", L"Ведущего Инженера-Программиста отдела",
          L"Ведущему Инженеру-Программисту отдела", L"Ведущего Инженера-Программиста отдела",
          L"Ведущим Инженером-Программистом отдела", L"Ведущем Инженере-Программисте отдела"}},
        {{L"ИНЖЕНЕР-ПРОГРАММИСТ", L"ИНЖЕНЕРА-ПРОГРАММИСТА", L"ИНЖЕНЕРУ-ПРОГРАММИСТУ",
          L"ИНЖЕНЕРА-ПРОГРАММИСТА", L"ИНЖЕНЕРОМ-ПРОГРАММИСТОМ", L"ИНЖЕНЕРЕ-ПРОГРАММИСТЕ"}},
        // Fixed first parts.
        {{L"генерал-майор", L"генерал-майора", L"генерал-майору", L"генерал-майора",
          L"генерал-майором", L"генерал-майоре"}},
        {{L"вице-президент", L"вице-президента", L"вице-президенту", L"вице-президента",
          L"вице-президентом", L"вице-президенте"}},
        {{L"шеф-повар", L"шеф-повара", L"шеф-повару", L"шеф-повара", L"шеф-поваром", L"шеф-поваре"}},
        {{L"главный шеф-повар", L"главного шеф-повара", L"главному шеф-повару", L"главного шеф-повара",
          L"главным шеф-поваром", L"главном шеф-поваре"}},
        // Hyphenated words that are no two persons keep their first part.
        {{L"мастер-класс", L"мастер-класса", L"мастер-классу", L"мастер-класс", L"мастер-классом",
          L"мастер-классе"}},
        {{L"Ростов-на-Дону", L"Ростова-на-Дону", L"Ростову-на-Дону", L"Ростова-на-Дону",
          L"Ростовым-на-Дону", L"Ростове-на-Дону"}},
    };
    // clang-format on
    for (const auto& t : titles)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(decline_phrase(t.forms[0], c), t.forms[c - 1]) << c << " " << t.forms[0];
    // Every other fixed first part, in a case where a declined one would show.
    // clang-format off
    const struct { const wchar_t* text; int c; const wchar_t* form; } fixed[] = {
        {L"Премьер-министр", 2, L"Премьер-министра"},     {L"унтер-офицер", 3, L"унтер-офицеру"},
        {L"экс-президент", 5, L"экс-президентом"},        {L"обер-лейтенант", 2, L"обер-лейтенанта"},
        {L"штаб-офицер", 6, L"штаб-офицере"},             {L"штабс-капитан", 5, L"штабс-капитаном"},
        {L"лейб-медик", 3, L"лейб-медику"},               {L"контр-адмирал", 6, L"контр-адмирале"},
        {L"пресс-секретарь", 2, L"пресс-секретаря"},      {L"бизнес-аналитик", 5, L"бизнес-аналитиком"},
        {L"камер-юнкер", 3, L"камер-юнкеру"},             {L"флигель-адъютант", 2, L"флигель-адъютанта"},
        {L"статс-секретарь", 3, L"статс-секретарю"},      {L"гоф-фурьер", 6, L"гоф-фурьере"},
        {L"вахт-парад", 2, L"вахт-парада"},               {L"фельд-маршал", 5, L"фельд-маршалом"},
    };
    // clang-format on
    for (const auto& f : fixed) EXPECT_EQ(decline_phrase(f.text, f.c), f.form) << f.text;
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(decline_phrase(L"научно-исследовательский институт", c),
                  L"научно-" + form_of(L"исследовательский", c) + L" " + form_of(L"институт", c));
}

// A word cut off by a point stays as typed; the words after it decline as
// after the full word: on after an adjective (генеральный), not after a noun
// (заместитель) or a participle that governs them (заведующий).
TEST(DeclinePhrase, CutOffWordsInJobTitlesStayAsTyped) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } titles[] = {
        {{L"ген. директор", L"ген. директора", L"ген. директору", L"ген. директора", L"ген. директором",
          L"ген. директоре"}},
        {{L"Ген.директор", L"Ген.директора", L"Ген.директору", L"Ген.директора", L"Ген.директором",
          L"Ген.директоре"}},
        {{L"зам. начальника отдела", L"зам. начальника отдела", L"зам. начальника отдела", L"зам. начальника отдела",
          L"зам. начальника отдела", L"зам. начальника отдела"}},
        {{L"зав. складом", L"зав. складом", L"зав. складом", L"зав. складом", L"зав. складом", L"зав. складом"}},
        {{L"гл. бух.", L"гл. бух.", L"гл. бух.", L"гл. бух.", L"гл. бух.", L"гл. бух."}},
        // The full words, and a point that ends a sentence.
        {{L"заместитель начальника отдела", L"заместителя начальника отдела", L"заместителю начальника отдела",
          L"заместителя начальника отдела", L"заместителем начальника отдела", L"заместителе начальника отдела"}},
        {{L"Директор. Иванов", L"Директора. Иванов", L"Директору. Иванов", L"Директора. Иванов",
          L"Директором. Иванов", L"Директоре. Иванов"}},
        {{L"и. о. директора", L"и. о. директора", L"и. о. директора", L"и. о. директора", L"и. о. директора",
          L"и. о. директора"}},
    };
    // clang-format on
    for (const auto& t : titles)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(decline_phrase(t.forms[0], c), t.forms[c - 1]) << c << " " << t.forms[0];
}

// The thing sold: adjectives and participles after the noun decline with it
// up to the first word they govern; a fraction leaves its noun to the case.
TEST(DeclinePhrase, WordsAfterTheNounAgreeWithIt) {
    // clang-format off
    const struct { const wchar_t* text; int c; const wchar_t* form; } phrases[] = {
        {L"квартира, расположенная по адресу: г. Казань", 4, L"квартиру, расположенную по адресу: г. Казань"},
        {L"шуба норковая", 4, L"шубу норковую"}, {L"шуба норковая женская", 2, L"шубы норковой женской"},
        {L"лодка моторная «Казанка-5М»", 4, L"лодку моторную «Казанка-5М»"},
        {L"стулья деревянные", 5, L"стульями деревянными"},
        {L"квартира, находящаяся по адресу", 4, L"квартиру, находящуюся по адресу"},
        {L"жилой дом, находящийся в г. Туле", 5, L"жилым домом, находящимся в г. Туле"},
        {L"1/2 доля в праве общей собственности", 4, L"1/2 долю в праве общей собственности"},
        {L"2/3 доли в праве", 5, L"2/3 доли в праве"},
        // Neighbours: an adjective before its noun or before a noun of its own,
        // a word in another case.
        {L"стиральная машина «Атлант»", 4, L"стиральную машину «Атлант»"},
        {L"квартира, общая площадь которой 50 кв. м", 4, L"квартиру, общая площадь которой 50 кв. м"},
        {L"автомобиль марки «Лада», цвет белый", 2, L"автомобиля марки «Лада», цвет белый"},
    };
    // clang-format on
    for (const auto& p : phrases) EXPECT_EQ(decline_phrase(p.text, p.c), p.form) << p.text;
}

// The word lists spell ё as е; whatever the form leaves of the typed word
// comes back with its ё.
TEST(DeclinePhrase, TypedYoComesBack) {
    // clang-format off
    const struct { const wchar_t* text; int c; const wchar_t* form; } phrases[] = {
        {L"Королёв Пётр Семёнович", 1, L"Королёв Пётр Семёнович"}, {L"Пётр", 0, L"Пётр"},
        {L"Пётр", 2, L"Петра"}, {L"Королёв", 5, L"Королёвым"}, {L"котёл", 4, L"котёл"},
        {L"КОТЁЛ", 1, L"КОТЁЛ"}, {L"расчётный счёт", 2, L"расчётного счёта"},
        // Known to the word lists only with е.
        {L"новая берёза", 2, L"новой берёзы"}, {L"Берёза", 5, L"Берёзой"}, {L"Лёва", 4, L"Лёву"},
    };
    // clang-format on
    for (const auto& p : phrases) EXPECT_EQ(decline_phrase(p.text, p.c), p.form) << p.text;
    EXPECT_EQ(restore_letter_case(L"Пётр", L"петр"), L"Пётр");
}
