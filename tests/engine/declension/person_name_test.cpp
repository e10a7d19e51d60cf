#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/declension/person_name.h"
#include "engine/declension/phrase.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

namespace {

std::wstring render(const std::wstring& text, std::vector<std::wstring> words) {
    person_name name(text);
    std::wstring out;
    render_person_name(name, out, decl_test::modifiers(std::move(words)));
    return out;
}

}  // namespace

TEST(SplitPersonName, ThreeWordsAtBlanksOnly) {
    person_name name(L"  Иванов   Иван Иванович Младший");
    EXPECT_EQ(name.surname, L"Иванов");
    EXPECT_EQ(name.first_name, L"Иван");
    EXPECT_EQ(name.patronymic, L"Иванович");
    EXPECT_EQ(name.full, L"  Иванов   Иван Иванович Младший");
    EXPECT_EQ(person_name(L"Иванов\tИван").surname, L"Иванов\tИван");
}

TEST(SplitPersonName, JoinedInitialsArePartedAndInitialsFirstKeepTheirDot) {
    person_name name(L"Иванов И.О.");
    EXPECT_EQ(name.first_name, L"И.");
    EXPECT_EQ(name.patronymic, L"О.");
    EXPECT_EQ(name.initials_first, 0u);
    person_name first(L"И.И. Иванов");
    EXPECT_EQ(first.initials_first, 1u);
    EXPECT_EQ(first.surname, L"И.И.");
    EXPECT_EQ(first.first_name, L"Иванов");
}

TEST(GenderFromPatronymic, ThePatronymicDecidesFirst) {
    for (std::wstring text : {L"Иванова Мария Петровна", L"Ильина Анна Кузьминична", L"ИВАНОВА МАРИЯ ПЕТРОВНА",
                              L"Иванов Мария Петровна"}) {
        person_name name(text);
        EXPECT_EQ(gender_from_patronymic(name), 2u) << name.full.size();
        EXPECT_EQ(name.gender, 2u);
    }
    for (std::wstring text : {L"Ульянов Владимир Ильич", L"Иванова Иван Иванович"}) {
        person_name name(text);
        EXPECT_EQ(gender_from_patronymic(name), 1u);
    }
}

TEST(GenderFromPatronymic, WithoutAPatronymicTheSurnameCodeStandsIn) {
    // A one-letter first name gives no gender of its own.
    person_name feminine(L"Иванова А");
    EXPECT_EQ(gender_from_patronymic(feminine), 2u);
    person_name plural(L"Толстые");
    EXPECT_EQ(gender_from_patronymic(plural), 39u);
    person_name unknown(L"Смит");
    EXPECT_EQ(gender_from_patronymic(unknown), 1u);
    // The surname of a name with its initials first is the second word.
    person_name initials_first(L"А.Б. Иванова");
    EXPECT_EQ(gender_from_patronymic(initials_first), 2u);
}

TEST(RenderPersonName, SurnameAndInitials) {
    EXPECT_EQ(render(L"Иванов  Иван", {L"прописью"}), L"Иванов  Иван");
    EXPECT_EQ(render(L"Иванова Мария Петровна", {L"р", L"инициалы"}), L"Ивановой М.П.");
    EXPECT_EQ(render(L"Иванов Иван Иванович", {L"инициалы"}), L"Иванов И.И.");
    EXPECT_EQ(render(L"Иванов Иван Иванович", {L"т", L"фамилия"}), L"Ивановым");
    EXPECT_EQ(render(L"ИВАНОВ ИВАН ИВАНОВИЧ", {L"р", L"фамилия"}), L"ИВАНОВА");
    EXPECT_EQ(render(L"Иванов И.О.", {L"д", L"инициалы"}), L"Иванову И.О.");
}

TEST(RenderPersonName, PartsAndTheWholeNameInACase) {
    const std::wstring name = L"Иванова Мария Петровна";
    EXPECT_EQ(render(name, {L"д", L"имя"}), decline_phrase(L"Мария", 3));
    EXPECT_EQ(render(name, {L"д", L"ио"}), decline_phrase(L"Мария", 3) + L" " + decline_phrase(L"Петровна", 3));
    EXPECT_EQ(render(name, {L"р", L"д"}),
              L"Ивановой " + decline_phrase(L"Мария", 3) + L" " + decline_phrase(L"Петровна", 3));
    // An empty part leaves its blank.
    EXPECT_EQ(render(L"Иванов", {L"р"}), L"Иванова  ");
}

TEST(RenderPersonName, FirstNamesInIyAndPatronymicsTakeTheirOwnEndings) {
    EXPECT_EQ(render(L"Голубкин Анатолий Борисович", {L"п"}), L"Голубкине Анатолии Борисовиче");
    EXPECT_EQ(render(L"Голубкин Анатолий Борисович", {L"т"}), L"Голубкиным Анатолием Борисовичем");
    EXPECT_EQ(render(L"Кузнецова Юлия Игоревна", {L"р"}), L"Кузнецовой Юлии Игоревны");
}

TEST(RenderPersonName, AWomansSurnameInAConsonantDoesNotDecline) {
    EXPECT_EQ(render(L"Кравец Анна Петровна", {L"р", L"фамилия"}), L"Кравец");
    EXPECT_EQ(render(L"Кравец Иван Петрович", {L"р", L"фамилия"}), L"Кравца");
}

TEST(RenderPersonName, InitialsFirst) {
    const std::wstring name = L"И.И. Иванов";
    EXPECT_EQ(render(name, {L"д"}), L"И.И. Иванову ");
    EXPECT_EQ(render(name, {L"д", L"фамилия"}), L"Иванову");
    EXPECT_EQ(render(name, {L"р", L"инициалы"}), L"Иванова И.И.");
    EXPECT_EQ(render(name, {L"р", L"ио"}), L"И.И.");
    EXPECT_EQ(render(L"И.И. Иванова", {L"т", L"фамилия"}), L"Ивановой");
}

TEST(MakeInitials, OneLetterPerWord) {
    EXPECT_EQ(make_initials(L"Мария Петровна", true), L"М.П.");
    EXPECT_EQ(make_initials(L"И. О.", true), L"И.О.");
    EXPECT_EQ(make_initials(L"мария  петровна", true), L"М.П.");
    EXPECT_EQ(make_initials(L"(Иван) 2 \"Пётр\"", true), L"И.П.");
    EXPECT_EQ(make_initials(L"Мария Петровна", false), L"МП");
}
