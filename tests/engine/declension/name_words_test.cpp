#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/declension/name_words.h"

using namespace engine;

TEST(ClassifyNameWord, SurnameEndingsAndTheFirstNamesThatShareThem) {
    const std::pair<const wchar_t*, int> words[] = {
        {L"пушкин", 1}, {L"константин", 0}, {L"кузьмичёв", 1}, {L"толстой", 1}, {L"лебедев", 1},
        {L"лев", 0}, {L"иванов", 1}, {L"яков", 0}, {L"петросян", 1}, {L"демьян", 0},
        {L"горький", 1}, {L"юрий", 0}, {L"анатолий", 0}, {L"толстая", 2}, {L"толстые", 39}, {L"русские", 39},
        {L"пушкина", 2}, {L"ирина", 0}, {L"иванова", 2}, {L"ева", 0}, {L"ивановы", 38},
        {L"любовь", 45}, {L"морковь", 0}, {L"смит", 0}, {L"", 0},
        // A fragment of a listed name counts as listed; a capital keeps a
        // first name out of its list.
        {L"ков", 0}, {L"тин", 0}, {L"Юрий", 1},
    };
    for (const auto& [word, code] : words) EXPECT_EQ(classify_name_word(word), code) << word;
}

// The word in cases 2 to 6; case 1 must leave it as it is.
TEST(DeclinePersonName, EveryCaseOfEachKindOfName) {
    const struct { std::wstring word; std::uint32_t code; std::array<std::wstring, 5> forms; } names[] = {
        {L"Иванов", 1, {L"Иванова", L"Иванову", L"Иванова", L"Ивановым", L"Иванове"}},
        {L"Смит", 1, {L"Смита", L"Смиту", L"Смита", L"Смитом", L"Смите"}},
        {L"Гоголь", 1, {L"Гоголя", L"Гоголю", L"Гоголя", L"Гоголем", L"Гоголе"}},
        {L"Гайдар", 1, {L"Гайдара", L"Гайдару", L"Гайдара", L"Гайдаром", L"Гайдаре"}},
        {L"Петрович", 1, {L"Петровича", L"Петровичу", L"Петровича", L"Петровичем", L"Петровиче"}},
        {L"Китаец", 1, {L"Китайца", L"Китайцу", L"Китайца", L"Китайцем", L"Китайце"}},
        {L"Кравец", 1, {L"Кравца", L"Кравцу", L"Кравца", L"Кравцом", L"Кравце"}},
        {L"Тихий", 1, {L"Тихого", L"Тихому", L"Тихого", L"Тихим", L"Тихом"}},
        {L"Толстой", 1, {L"Толстого", L"Толстому", L"Толстого", L"Толстым", L"Толстом"}},
        {L"Луговской", 1, {L"Луговского", L"Луговскому", L"Луговского", L"Луговским", L"Луговском"}},
        {L"Лесной", 1, {L"Лесного", L"Лесному", L"Лесного", L"Лесным", L"Лесном"}},
        {L"Анна", 1, {L"Анны", L"Анне", L"Анну", L"Анной", L"Анне"}},
        {L"Зозуля", 1, {L"Зозули", L"Зозуле", L"Зозулю", L"Зозулей", L"Зозуле"}},
        {L"Ольга", 1, {L"Ольги", L"Ольге", L"Ольгу", L"Ольгой", L"Ольге"}},
        {L"Саша", 1, {L"Саши", L"Саше", L"Сашу", L"Сашей", L"Саше"}},
        // Feminine surnames whatever the code.
        {L"Иванова", 1, {L"Ивановой", L"Ивановой", L"Иванову", L"Ивановой", L"Ивановой"}},
        {L"Иванова", 2, {L"Ивановой", L"Ивановой", L"Иванову", L"Ивановой", L"Ивановой"}},
        {L"Толстая", 1, {L"Толстой", L"Толстой", L"Толстую", L"Толстой", L"Толстой"}},
        {L"Толстая", 2, {L"Толстой", L"Толстой", L"Толстую", L"Толстой", L"Толстой"}},
        {L"Свежая", 1, {L"Свежей", L"Свежей", L"Свежую", L"Свежей", L"Свежей"}},
        {L"Свежая", 2, {L"Свежей", L"Свежей", L"Свежую", L"Свежей", L"Свежей"}},
        {L"Королёва", 2, {L"Королёвой", L"Королёвой", L"Королёву", L"Королёвой", L"Королёвой"}},
        {L"Ивановы", 38, {L"Ивановых", L"Ивановым", L"Ивановых", L"Ивановыми", L"Ивановых"}},
        {L"любовь", 45, {L"любови", L"любови", L"любовь", L"любовью", L"любови"}},
    };
    for (const auto& n : names)
        for (std::uint32_t c = 1; c <= 6; ++c) {
            std::wstring form = n.word;
            EXPECT_EQ(decline_person_name(form, c, n.code), c == 1 ? n.word : n.forms[c - 2]) << n.code;
        }
    std::wstring accusative = L"толстые";
    EXPECT_EQ(decline_person_name(accusative, 4, 39), L"толстых");
    std::wstring stem = L"Гоголь";
    EXPECT_EQ(decline_person_name(stem, 0, 1), L"Гогол");  // a case outside one to six leaves the stem
}

// Indeclinable surnames, and words too short for their rule.
TEST(DeclinePersonName, SomeWordsComeBackUnchanged) {
    const std::pair<std::wstring, std::vector<std::uint32_t>> words[] = {
        {L"Черных", {1}}, {L"Долгих", {1}}, {L"Шевченко", {1}}, {L"Гюго", {1}}, {L"Синяя", {1}}, {L"", {1, 2}},
        {L"а", {1, 2}}, {L"я", {1, 2}}, {L"ь", {1, 2}}, {L"й", {1, 2}}, {L"ец", {1, 2}}, {L"Ой", {1, 2}},
        {L"ая", {1, 2}}};
    for (const auto& [word, codes] : words)
        for (std::uint32_t code : codes)
            for (std::uint32_t c = 1; c <= 6; ++c) {
                std::wstring form = word;
                EXPECT_EQ(decline_person_name(form, c, code), word) << code;
            }
}
