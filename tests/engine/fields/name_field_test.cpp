// Name fields as templates use them: through the script and the field
// evaluator, on a small in-memory document.
#include <gtest/gtest.h>

#include "engine/declension/counted_nouns.h"
#include "engine/declension/phrase.h"
#include "engine/fields/parameter_fixture.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using NameFields = engine::testing::parameter_document;

TEST_F(NameFields, AFieldNamedAsAPersonRendersAsAName) {
    add_field(L"Покупатель фио", L"Иванова Мария Петровна");
    add_field(L"Продавец физлицо", L"Петров Пётр Петрович");
    EXPECT_EQ(run(L"{р:инициалы:покупатель фио}"), L"Ивановой М.П.");
    EXPECT_EQ(run(L"{т:фамилия:продавец физлицо}"), L"Петровым");
    // The reference's letter case still applies.
    EXPECT_EQ(run(L"{д:фамилия:Покупатель фио}"), L"Ивановой");
    // Letter case and dots do not count in the person test; the reference's
    // letter case still shapes the output.
    add_field(L"ФИО", L"Иванов Иван Иванович");
    add_field(L"Ф.И.О. работника", L"Петрова Анна Ивановна");
    EXPECT_EQ(run(L"{инициалы:ФИО}"), L"ИВАНОВ И.И.");
    EXPECT_EQ(run(L"{р:ФИО}"), L"ИВАНОВА ИВАНА ИВАНОВИЧА");
    EXPECT_EQ(run(L"{р:Ф.И.О. работника}"), L"Петровой Анны Ивановны");
    add_field(L"Подписант", L"действующий");
    EXPECT_EQ(run(L"{ф.и.о. работника:подписант}"), L"действующая");
}

TEST_F(NameFields, AFieldNamedAsAnOrganisationRendersAsOne) {
    add_field(L"поставщик юридическое лицо", L"ООО \"Ромашка\"");
    add_field(L"заказчик юрлицо", L"Лютик, ЗАО");
    EXPECT_EQ(run(L"{оргформа:поставщик юридическое лицо}"), L"ООО");
    EXPECT_EQ(run(L"{название:заказчик юрлицо}"), L"Лютик");
}

TEST_F(NameFields, OtherTextDeclinesByItsCaseLetter) {
    add_field(L"Подписант", L"Иванов Петров");
    EXPECT_EQ(run(L"{р:подписант}"), L"Иванова Петрова");
    EXPECT_EQ(run(L"{подписант}"), L"Иванов Петров");
    EXPECT_EQ(run(L"{инициалы:подписант}"), L"Иванов Петров");
}

TEST_F(NameFields, ANumericReferenceCountsTheNoun) {
    add_field(L"Срок", L"21");
    add_field(L"Срок дробный", L"2,5");
    add_field(L"Единица", L"день");
    EXPECT_EQ(run(L"{срок:единица}"), agree_counted_noun(L"день", 0, 0, false));
    EXPECT_EQ(run(L"{р:срок:единица}"), agree_counted_noun(L"день", 0, 2, false));
    EXPECT_EQ(run(L"{срок дробный:единица}"), agree_counted_noun(L"день", 1, 0, true));
    // Counted by тысяча, the noun is a genitive plural in every case.
    add_field(L"Срок тысяча", L"1000");
    EXPECT_EQ(run(L"{т:срок тысяча:единица}"), L"дней");
    // A person reference wins over a plain one.
    add_field(L"Срок пять", L"5");
    add_field(L"Истец фио", L"Иванов Иван Иванович");
    EXPECT_EQ(run(L"{срок пять:истец фио:единица}"), L"день");
}

TEST_F(NameFields, WordsAgreeWithThePersonOrOrganisationReferenced) {
    add_field(L"Истец фио", L"Иванова Мария Петровна");
    add_field(L"Ответчик юрлицо", L"ООО Ромашка");
    add_field(L"Обязанность", L"должен");
    add_field(L"Подписавший", L"действующий");
    EXPECT_EQ(run(L"{истец фио:обязанность}"), L"должна");
    EXPECT_EQ(run(L"{ответчик юрлицо:обязанность}"), L"должно");
    add_field(L"Поставщик юридическое лицо", L"ООО Ромашка");
    EXPECT_EQ(run(L"{поставщик юридическое лицо:обязанность}"), L"должно");
    EXPECT_EQ(run(L"{р:истец фио:подписавший}"), decline_phrase(L"действующая", 2));
    // A word reference gives its gender whatever its letter case.
    add_field(L"Кто", L"Она");
    EXPECT_EQ(run(L"{кто:обязанность}"), L"должна");
    EXPECT_EQ(run(L"{р:кто:подписавший}"), decl_test::form_of(L"действующая", 2));
}

// A sole trader's words agree with the person; a company's with its legal form.
TEST_F(NameFields, ASoleTradersWordsAgreeWithThePerson) {
    add_field(L"Исполнитель юрлицо", L"ИП Смирнова Ольга Петровна");
    add_field(L"Заказчик юрлицо", L"ИП Королёв Пётр Семёнович");
    add_field(L"Арендатор юрлицо", L"ООО «Ромашка»");
    // clang-format off
    expect_runs({
        {L"{исполнитель юрлицо:именуемый}", L"именуемая"}, {L"{исполнитель юрлицо:обязан}", L"обязана"},
        {L"{Исполнитель юрлицо:Сдал}", L"Сдала"}, {L"{заказчик юрлицо:именуемый}", L"именуемый"},
        {L"{заказчик юрлицо:обязан}", L"обязан"}, {L"{арендатор юрлицо:именуемый}", L"именуемое"},
        {L"{арендатор юрлицо:обязан}", L"обязано"},
        {L"{д:исполнитель юрлицо}", L"ИП Смирновой Ольге Петровне"},
        {L"{т:название:Заказчик юрлицо}", L"Королёвым Петром Семёновичем"},
    });
    // clang-format on
}

// Agreement words and cases keep the letters as the value has them; the
// reference's capital only raises the first letter.
TEST_F(NameFields, TypedCapitalsSurviveAgreementAndTheReferencesLetterCase) {
    add_fields({{L"Price", L"USD 45"},
                {L"Currency", L"US Dollars"},
                {L"Заказчик", L"ООО «Ромашка»"},
                {L"Исполнитель", L"ООО \"Ромашка\", ИНН 7701234567"},
                {L"Заказчик юрлицо", L"ООО «Ромашка»"},
                {L"Обязанность", L"ДОЛЖЕН"},
                {L"Истец фио", L"Иванова Мария Петровна"}});
    // clang-format off
    expect_runs({
        {L"{currency:Price}", L"USD 45"}, {L"{in words:Price}", L"USD 45"},
        {L"{полное название:Заказчик}", L"ООО «Ромашка»"},
        {L"{оргформа:Исполнитель}", L"ООО \"Ромашка\", ИНН 7701234567"},
        {L"{истец фио:обязанность}", L"ДОЛЖНА"}, {L"{р:Заказчик юрлицо}", L"ООО «Ромашка»"},
        {L"{полное название:Заказчик юрлицо}", L"Общество с ограниченной ответственностью «Ромашка»"},
        {L"{Заказчик юрлицо:Именуемый}", L"Именуемое"}, {L"{истец фио:Обязан}", L"Обязана"},
        {L"{истец фио:обязан}", L"обязана"},
    });
    // clang-format on
}

// A none word typed as the whole value of a person's or a party's field
// prints, and tests in a condition, as the empty field; a value that merely
// holds those letters is a name.
TEST_F(NameFields, ANoneWordInANameFieldIsAnEmptyField) {
    const wchar_t* const source =
        L"в лице {р:фио директора}|{инициалы:фио директора}|{юрлицо заказчика}|{д:полное "
        L"название:юрлицо "
        L"заказчика}|{ЕСЛИ фио директора ТО \"лицо\" ИНАЧЕ \"______\"}|{ЕСЛИ юрлицо заказчика ТО "
        L"\"сторона\" "
        L"ИНАЧЕ \"______\"}";
    for (const wchar_t* none : {L"нет", L"-", L"—", L"н/а", L"N/A", L"none", L" Нет. "}) {
        add_field(L"фио директора", none);
        add_field(L"юрлицо заказчика", none);
        EXPECT_EQ(run(source), L"в лице ||||______|______") << none;
        doc.data->parameters.groups.clear();
    }
    add_field(L"фио директора", L"Нетребко Анна");
    add_field(L"юрлицо заказчика", L"НЕТ-12");
    EXPECT_EQ(run(source), L"в лице Нетребко Анны|Нетребко А.|НЕТ-12|НЕТ-12|лицо|сторона");
    doc.data->parameters.groups.clear();
    add_field(L"фио директора", L"Нет Ан");
    EXPECT_EQ(run(L"{р:фио директора}"), L"Нета Ана");
    // Any other field keeps what was typed.
    add_field(L"Примечание", L"нет");
    EXPECT_EQ(run(L"{примечание}"), L"нет");
}
