#include "engine/declension/person_name.h"

#include "engine/declension/phrase.h"
#include "engine/fields/name_field.h"
#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

TEST(SplitPersonName, ThreeWordsAtBlanksOnlyAndInitials) {
    person_name name(L"  Иванов   Иван Иванович Младший");
    EXPECT_EQ(name.surname, L"Иванов");
    EXPECT_EQ(name.first_name, L"Иван");
    EXPECT_EQ(name.patronymic, L"Иванович");
    EXPECT_EQ(name.full, L"  Иванов   Иван Иванович Младший");
    EXPECT_EQ(person_name(L"Иванов\tИван").surname, L"Иванов\tИван");
    // Joined initials are parted; initials first keep their dot.
    person_name joined(L"Иванов И.О.");
    EXPECT_EQ(joined.first_name, L"И.");
    EXPECT_EQ(joined.patronymic, L"О.");
    EXPECT_EQ(joined.initials_first, 0u);
    person_name first(L"И.И. Иванов");
    EXPECT_EQ(first.initials_first, 1u);
    EXPECT_EQ(first.surname, L"И.И.");
    EXPECT_EQ(first.first_name, L"Иванов");
}

// The patronymic decides first, then the surname's code: a one-letter first
// name, or one read as neuter or plural, gives no gender of its own; with
// initials first the surname is the second word.
TEST(GenderFromPatronymic, ThePatronymicThenTheSurnameCode) {
    // clang-format off
    const std::pair<const wchar_t*, std::uint32_t> names[] = {
        {L"Иванова Мария Петровна", 2}, {L"Ильина Анна Кузьминична", 2}, {L"Иванов Мария Петровна", 2},
        {L"Ульянов Владимир Ильич", 1}, {L"Иванова Иван Иванович", 1}, {L"Иванова А", 2},
        {L"Толстые", 39}, {L"Смит", 1}, {L"А.Б. Иванова", 2},
        // A first name read as plural or neuter, or in capitals: the surname.
        {L"Кузнецова Натали", 2}, {L"Иванов Бруно", 1}, {L"Смит Бруно", 1}, {L"ИВАНОВА ФАНИЯ", 2},
        {L"Шмидт Рафаэль", 1}};
    // clang-format on
    for (const auto& [text, gender] : names) {
        person_name name(text);
        EXPECT_EQ(gender_from_patronymic(name), gender) << to_utf8(text);
        EXPECT_EQ(name.gender, gender);
    }
}

TEST(RenderPersonName, PartsInitialsAndTheWholeNameInACase) {
    const std::wstring maria = L"Иванова Мария Петровна", mar3 = decline_phrase(L"Мария", 3);
    const std::wstring pet3 = decline_phrase(L"Петровна", 3);
    const struct {
        std::wstring name;
        std::vector<std::wstring> words;
        std::wstring text;
    } renders[] = {
        {L"Иванов  Иван", {L"прописью"}, L"Иванов  Иван"},
        {L"ИВАНОВ ИВАН ИВАНОВИЧ", {L"р", L"фамилия"}, L"ИВАНОВА"},
        {L"Иванов И.О.", {L"д", L"инициалы"}, L"Иванову И.О."},
        {maria, {L"д", L"имя"}, mar3},
        {maria, {L"р", L"д"}, L"Ивановой " + mar3 + L" " + pet3},
        {L"Иванов", {L"р"}, L"Иванова"},  // an empty part leaves no blank
        // First names in -ий and patronymics take their own endings.
        {L"Голубкин Анатолий Борисович", {L"п"}, L"Голубкине Анатолии Борисовиче"},
        {L"Кузнецова Юлия Игоревна", {L"р"}, L"Кузнецовой Юлии Игоревны"},
        // A woman's surname in a consonant does not decline.
        {L"Кравец Анна Петровна", {L"р", L"фамилия"}, L"Кравец"},
        {L"Кравец Иван Петрович", {L"р", L"фамилия"}, L"Кравеца"},
        {L"И.И. Иванов", {L"д"}, L"И.И. Иванову"},
        {L"И.И. Иванов", {L"д", L"фамилия"}, L"Иванову"},
        {L"И.И. Иванов", {L"р", L"инициалы"}, L"Иванова И.И."},
        {L"И.И. Иванов", {L"р", L"ио"}, L"И.И."},
        {L"И.И. Иванова", {L"т", L"фамилия"}, L"Ивановой"},
        // Each part of a double surname declines by its own rule and keeps its
        // own letter case; a part typed with ё keeps it in the nominative.
        {L"Соколова-Микитова Анна Петровна", {L"р", L"фамилия"}, L"Соколовой-Микитовой"},
        {L"СОКОЛОВ-МИКИТОВ Иван Петрович", {L"т", L"фамилия"}, L"СОКОЛОВЫМ-МИКИТОВЫМ"},
        {L"Бонч-Бруевич Иван Петрович", {L"д", L"фамилия"}, L"Бонч-Бруевичу"},
        {L"Шевченко-Петров Иван Петрович", {L"р", L"фамилия"}, L"Шевченко-Петрова"},
        {L"Щепкина-Куперник Анна Петровна", {L"т", L"фамилия"}, L"Щепкиной-Куперник"},
        {L"Щербина Анна Петровна", {L"р", L"фамилия"}, L"Щербиной"},
        {L"Иванов Пётр Семёнович", {L"ио"}, L"Пётр Семёнович"},
        {L"Иванов Пётр Семёнович", {L"р", L"ио"}, L"Петра Семёновича"},
        {L"Иванова Ассоль Кирилловна", {L"т"}, L"Ивановой Ассолью Кирилловной"},
        // A man's surname in -ея declines like Зозуля; a woman's stays.
        {L"Кривошея Андрей Сергеевич", {L"р"}, L"Кривошеи Андрея Сергеевича"},
        {L"Кривошея Андрей Сергеевич", {L"д"}, L"Кривошее Андрею Сергеевичу"},
        {L"Кривошея Андрей Сергеевич", {L"т", L"инициалы"}, L"Кривошеей А.С."},
        {L"Гамалея Николай Фёдорович", {L"р", L"фамилия"}, L"Гамалеи"},
        {L"Гамалея Николай Фёдорович", {L"п", L"фамилия"}, L"Гамалее"},
        {L"Кривошея Анна Сергеевна", {L"р"}, L"Кривошея Анны Сергеевны"},
        {L"Кривошеина Анна Сергеевна", {L"т", L"фамилия"}, L"Кривошеиной"},
    };
    for (const auto& r : renders) {
        person_name name(r.name);
        std::wstring out;
        render_person_name(name, out, read_person_request(decl_test::modifiers(r.words)));
        EXPECT_EQ(out, r.text) << to_utf8(r.name) << " " << r.words.size();
    }
}

TEST(MakeInitials, OneLetterPerWord) {
    EXPECT_EQ(make_initials(L"Мария Петровна", true), L"М.П.");
    EXPECT_EQ(make_initials(L"И. О.", true), L"И.О.");
    EXPECT_EQ(make_initials(L"мария  петровна", true), L"М.П.");
    EXPECT_EQ(make_initials(L"(Иван) 2 \"Пётр\"", true), L"И.П.");
    EXPECT_EQ(make_initials(L"Мария Петровна", false), L"МП");
}
