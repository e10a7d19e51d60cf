#include <gtest/gtest.h>

#include "engine/declension/phrase.h"
#include "engine/document/text_case.h"
#include "engine/fields/date_value.h"
#include "engine/fields/field_evaluator.h"
#include "engine/fields/field_value.h"
#include "engine/fields/parameter_fixture.h"

using namespace engine;
using Values = engine::testing::parameter_document;

TEST_F(Values, HiddenFieldsGiveTheDefault) {
    add_field(L"Скрытое", L"значение").c = 1;
    add_field(L"Скрытое", L"второе", 1);
    EXPECT_EQ(run(L"[{скрытое}|{р:скрытое}]"), L"[|]");
}

TEST_F(Values, ValuesAreEscapedTheirBlanksCollapsedAndTheirScriptsRun) {
    add_field(L"x", L"a<b>  \"c\"\n\t& it's");
    EXPECT_EQ(run(L"{x}"), L"a&lt;b&gt; \"c\" & it&apos;s");
    add_field(L"Пол", L"ж");
    add_field(L"Обращение", L"{ЕСЛИ Пол = \"ж\" ТО \"Уважаемая\" ИНАЧЕ \"Уважаемый\"}");
    EXPECT_EQ(run(L"{ОБРАЩЕНИЕ}"), L"УВАЖАЕМАЯ");
}

TEST_F(Values, BuiltInNames) {
    set_clock_source([] { return std::int64_t(1704456000); });  // 2024-01-05 12:00 UTC
    current_language = 1;
    EXPECT_EQ(run(L"{дата составления}|{год:дата составления}"), L"05.01.2024|2024");
    current_language = 0;
    EXPECT_EQ(run(L"{today}"), L"1/5/2024");
    set_clock_source(nullptr);

    EXPECT_EQ(run(L"{currency abbreviation}"), L"USD");
    doc_record& currency = add_field(L"Currency", L"Euro");
    EXPECT_EQ(run(L"{currency abbreviation}"), L"EUR");
    currency.s2 = L"Other";
    add_field(L"other_currency_abbr", L"SEK");
    EXPECT_EQ(run(L"{currency abbreviation}"), L"SEK");
    doc.data->parameters.groups[0].elements[0].record.c = 1;
    EXPECT_EQ(run(L"{currency abbreviation}"), L"USD");
}

TEST_F(Values, UnmatchedNamesAreEmptyUnlessTheyCarryFormatWords) {
    EXPECT_EQ(run(L"[{Нет такого}]"), L"[]");
    // The name's own words are the value, declined as text.
    std::wstring declined = decline_phrase(L"рабочий день", 2);
    declined[0] = to_upper_char(declined[0]);
    EXPECT_EQ(run(L"[{р:Рабочий  День}]"), L"[" + declined + L"]");
    EXPECT_EQ(run(L"[{(5)}]"), L"[(5)]");
}

TEST_F(Values, FormatWordsReachTheRendererOfTheValueTypeInOrder) {
    add_field(L"Сумма", L"21");
    add_field(L"Дата", L"5/1/2024");
    EXPECT_EQ(run(L"{in words:Сумма}"), L"twenty-one");
    EXPECT_EQ(run(L"{day:year:Дата}|{year:day:Дата}"), L"2024|1");
    // A quoted value takes the words, so they do not reach a later value.
    EXPECT_EQ(run(L"{in words:\"x\" Сумма}"), L"x21");
}

TEST_F(Values, MoneyFollowsTheDocumentsCurrency) {
    add_field(L"Currency", L"Euro");
    add_field(L"Amount", L"1,234.50");
    EXPECT_EQ(run(L"{currency:Amount}"), L"<span style=\"white-space:nowrap\">€1,234.50</span>");
    EXPECT_EQ(run(L"{currency in words:Amount}"),
              L"one thousand two hundred thirty-four euros and fifty cents");
}

TEST_F(Values, RussianModifierWordsAndTheReferencesLetterCaseReachDatesAndNumbers) {
    current_language = 1;
    add_field(L"Срок", L"5");
    add_field(L"Дата", L"05.01.2024");
    EXPECT_EQ(run(L"{р:Срок} дней"), L"пяти дней");
    EXPECT_EQ(run(L"{месяц прописью:дата}|{месяц прописью:Дата}"), L"января|Января");
    // A statement that starts with a date goes to date arithmetic.
    EXPECT_EQ(run(L"{Дата - Срок}"), L"31.12.2023");
}

TEST_F(Values, LetterCaseOfTheReferenceOnlyTouchesText) {
    add_field(L"Имя", L"иван {Ж:}петров{:Ж}");
    add_field(L"Name", L"it's john");
    add_field(L"Жирное", L"{Ж:}иван{:Ж}");
    add_field(L"ЧИСЛО", L"5 шт");
    EXPECT_EQ(run(L"{ИМЯ}|{Имя}"), L"ИВАН <b>ПЕТРОВ</b>|Иван <b>петров</b>");
    EXPECT_EQ(run(L"{NAME}|{Жирное}"), L"IT&apos;S JOHN|<b>Иван</b>");
    EXPECT_EQ(run(L"{ЧИСЛО}"), L"5 шт");  // numbers keep their text
}

TEST_F(Values, TypingByTheFirstDigitOrLetter) {
    add_field(L"a", L"-5");
    add_field(L"b", L"$12,5");
    add_field(L"c", L"№ 5");
    add_field(L"d", L"пять 5");
    EXPECT_EQ(run(L"{a}|{b}|{c}|{d}"), L"-5|$12,5|№ 5|пять 5");
    EXPECT_EQ(run(L"{a * 2}|{b * 2}|{c * 2}|{d * 2}"), L"-10|25|10|0");
}

TEST_F(Values, ASingleBlankReferencePrintsABlank) {
    std::vector<expr_token> tokens{expr_token(L"a", expr_kind::quoted),
                                   expr_token(L" ", expr_kind::reference),
                                   expr_token(L"b", expr_kind::quoted)};
    EXPECT_EQ(field_evaluator(tokens, &doc).evaluate(), L"a b");
}

TEST_F(Values, WithoutADocumentValuesAreEmptyAndNotRun) {
    add_field(L"x", L"{y}");
    add_field(L"y", L"why");
    expr_token reference(L"x", expr_kind::reference);
    current_document = nullptr;
    EXPECT_EQ(field_value(doc.data.get(), reference).value_text, L"{y}");
    current_document = &doc;
    EXPECT_EQ(field_value(doc.data.get(), reference).value_text, L"why");
    EXPECT_EQ(field_value(nullptr, reference).value_text, L"");
}

TEST_F(Values, OnTheLibraryPageBlocksKeepTheirMarkupAndName) {
    library_shown = true;
    add_field(L"Ссылка", L"Договоры/аренда");
    std::wstring row = run(L"{filelink:ССЫЛКА}");
    EXPECT_NE(row.find(L"Договоры"), std::wstring::npos) << row;
    EXPECT_EQ(row.find(L"ДОГОВОРЫ"), std::wstring::npos) << row;
    EXPECT_EQ(run(L"{ССЫЛКА}"), L"ДОГОВОРЫ/АРЕНДА");
}
