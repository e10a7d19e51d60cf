#include <gtest/gtest.h>

#include "engine/declension/phrase.h"
#include "engine/document/text_case.h"
#include "engine/fields/date_value.h"
#include "engine/fields/field_evaluator.h"
#include "engine/fields/field_value.h"
#include "engine/fields/parameter_fixture.h"

using namespace engine;
using Values = engine::testing::parameter_document;

TEST_F(Values, NamesMatchByWordKeyAndTheFirstSectionWins) {
    add_field(L"Дата  Договора", L"первый");
    add_field(L"дата договора", L"второй", 1);
    EXPECT_EQ(run(L"{дата\nдоговора}"), L"первый");
    EXPECT_EQ(run(L"{ДАТА ДОГОВОРА}"), L"ПЕРВЫЙ");
}

TEST_F(Values, HiddenFieldsGiveTheDefault) {
    add_field(L"Скрытое", L"значение").c = 1;
    add_field(L"Скрытое", L"второе", 1);
    EXPECT_EQ(run(L"[{скрытое}]"), L"[]");
    EXPECT_EQ(run(L"[{р:скрытое}]"), L"[]");
}

TEST_F(Values, ValuesAreEscapedAndTheirBlanksCollapsed) {
    add_field(L"x", L"a<b>  \"c\"\n\t& it's");
    EXPECT_EQ(run(L"{x}"), L"a&lt;b&gt; \"c\" & it&apos;s");
}

TEST_F(Values, ValueScriptsRunWithTheCurrentDocument) {
    add_field(L"Пол", L"ж");
    add_field(L"Обращение", L"{ЕСЛИ Пол = \"ж\" ТО \"Уважаемая\" ИНАЧЕ \"Уважаемый\"}");
    EXPECT_EQ(run(L"{обращение}"), L"Уважаемая");
    EXPECT_EQ(run(L"{ОБРАЩЕНИЕ}"), L"УВАЖАЕМАЯ");
}

TEST_F(Values, VariablesComeAfterParameters) {
    add_field(L"Цена", L"10");
    run(L"{Итого = \"сто\"}{Цена = \"20\"}");
    EXPECT_EQ(run(L"{итого}"), L"сто");
    EXPECT_EQ(run(L"{цена}"), L"10");
}

TEST_F(Values, BuiltInNames) {
    set_clock_source([] { return std::int64_t(1704456000); });  // 2024-01-05 12:00 UTC
    current_language = 1;
    EXPECT_EQ(run(L"{дата составления}"), L"05.01.2024");
    current_language = 0;
    EXPECT_EQ(run(L"{today}"), L"1/5/2024");
    set_clock_source(nullptr);

    EXPECT_EQ(run(L"{currency abbreviation}"), L"USD");
    add_field(L"Currency", L"Euro");
    EXPECT_EQ(run(L"{currency abbreviation}"), L"EUR");
    add_field(L"other_currency_abbr", L"SEK");
    doc_record& currency = doc.data->parameters.groups[0].elements[0].record;
    currency.s2 = L"Other";
    EXPECT_EQ(run(L"{currency abbreviation}"), L"SEK");
    currency.c = 1;
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

TEST_F(Values, FormatWordsReachTheRendererOfTheValueType) {
    add_field(L"Сумма", L"21");
    add_field(L"Дата", L"5/1/2024");
    EXPECT_EQ(run(L"{in words:Сумма}"), L"twenty-one");
    EXPECT_EQ(run(L"{year:Дата}"), L"2024");
    // The words arrive in the order written; for dates the last one wins.
    EXPECT_EQ(run(L"{day:year:Дата}"), L"2024");
    EXPECT_EQ(run(L"{year:day:Дата}"), L"1");
    // A quoted value takes the words, so they do not reach a later value.
    EXPECT_EQ(run(L"{in words:\"x\" Сумма}"), L"x21");
    EXPECT_EQ(run(L"{Сумма}"), L"21");
}

TEST_F(Values, LetterCaseOfTheReferenceOnlyTouchesText) {
    add_field(L"Имя", L"иван {Ж:}петров{:Ж}");
    add_field(L"Name", L"it's john");
    add_field(L"Жирное", L"{Ж:}иван{:Ж}");
    EXPECT_EQ(run(L"{ИМЯ}"), L"ИВАН <b>ПЕТРОВ</b>");
    EXPECT_EQ(run(L"{Имя}"), L"Иван <b>петров</b>");
    EXPECT_EQ(run(L"{NAME}"), L"IT&apos;S JOHN");
    EXPECT_EQ(run(L"{Жирное}"), L"<b>Иван</b>");
    // Numbers keep their text whatever the reference.
    add_field(L"ЧИСЛО", L"5 шт");
    EXPECT_EQ(run(L"{ЧИСЛО}"), L"5 шт");
}

TEST_F(Values, TypingByTheFirstDigitOrLetter) {
    add_field(L"a", L"-5");
    add_field(L"b", L"$12,5");
    add_field(L"c", L"№ 5");
    add_field(L"d", L"пять 5");
    EXPECT_EQ(run(L"{a}|{b}|{c}|{d}"), L"-5|$12,5|№ 5|пять 5");
    EXPECT_EQ(run(L"{a * 2}|{b * 2}|{c * 2}"), L"-10|25|10");
    EXPECT_EQ(run(L"{d * 2}"), L"0");  // text enters unchanged and does not compute
}

TEST_F(Values, ASingleBlankReferencePrintsABlank) {
    std::vector<expr_token> tokens{expr_token(L"a", expr_kind::quoted), expr_token(L" ", expr_kind::reference),
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
