#include "engine/declension/phrase.h"
#include "engine/fields/field_evaluator.h"
#include "engine/fields/field_value.h"
#include "engine/fields/parameter_fixture.h"
#include "engine/text/text_case.h"

using namespace engine;
using Values = engine::testing::parameter_document;

TEST_F(Values, HiddenFieldsGiveTheDefaultValuesAreEscapedCollapsedAndRun) {
    add_field(L"Скрытое", L"значение").c = 1;
    add_field(L"Скрытое", L"второе", 1);
    add_fields({{L"x", L"a<b>  \"c\"\n\t& it's"},
                {L"Пол", L"ж"},
                {L"Обращение", L"{ЕСЛИ Пол = \"ж\" ТО \"Уважаемая\" ИНАЧЕ \"Уважаемый\"}"},
                {L"Фирма", L"Smith &amp; Sons &#169; {Пол}"},
                {L"Адрес", L"https://a.ru/?x=1&y=&amp;"}});
    // A typed "&" is text, as "<" is; the template's own references stay.
    expect_runs({{L"[{скрытое}|{р:скрытое}]", L"[|]"},
                 {L"{x}", L"a&lt;b&gt; \"c\" &amp; it&apos;s"},
                 {L"{ОБРАЩЕНИЕ}", L"УВАЖАЕМАЯ"},
                 {L"&nbsp;{Фирма}", L"&nbsp;Smith &amp;amp; Sons &amp;#169; ж"},
                 {L"{ФИРМА}", L"SMITH &amp;AMP; SONS &amp;#169; Ж"},
                 {L"<a title=\"{Фирма}\">", L"<a title=\"Smith &amp;amp; Sons &amp;#169; ж\">"},
                 {L"<a href=\"{адрес}\">", L"<a href=\"https://a.ru/?x=1&amp;y=&amp;amp;\">"}});
}

TEST_F(Values, BuiltInNamesAndUnmatchedOnesWithFormatWordsOrADigit) {
    env.set_now(1704456000);  // 2024-01-05 12:00 UTC
    view.language = 1;
    EXPECT_EQ(run(L"{дата составления}|{год:дата составления}"), L"05.01.2024|2024");
    view.language = 0;
    EXPECT_EQ(run(L"{today}"), L"1/5/2024");

    EXPECT_EQ(run(L"{currency abbreviation}"), L"USD");
    add_field(L"Currency", L"Euro");
    EXPECT_EQ(run(L"{currency abbreviation}"), L"EUR");
    field(0).s2 = L"Other";
    add_field(L"other_currency_abbr", L"SEK");
    EXPECT_EQ(run(L"{currency abbreviation}"), L"SEK");
    field(0).c = 1;
    EXPECT_EQ(run(L"{currency abbreviation}"), L"USD");
    // The name's own words are the value, declined as text.
    std::wstring declined = decline_phrase(L"рабочий день", 2);
    declined[0] = to_upper_char(declined[0]);
    expect_runs({{L"[{Нет такого}]", L"[]"}, {L"[{(5)}]", L"[(5)]"}});
    EXPECT_EQ(run(L"[{р:Рабочий  День}]"), L"[" + declined + L"]");
}

TEST_F(Values, FormatWordsReachTheRendererOfTheValueTypeInOrder) {
    add_fields({{L"Сумма", L"21"},
                {L"Дата", L"5/1/2024"},
                {L"Currency", L"Euro"},
                {L"Amount", L"1,234.50"}});
    expect_runs({{L"{day:year:Дата}|{year:day:Дата}", L"2024|1"},
                 // A quoted value takes the words, so they do not reach a later value.
                 {L"{in words:\"x\" Сумма}", L"x21"},
                 // Money follows the document's currency.
                 {L"{currency in words:Amount}",
                  L"one thousand two hundred thirty-four euros and fifty cents"}});
    view.language = 1;
    add_fields({{L"Срок", L"5"}, {L"Начало", L"05.01.2024"}, {L"С дефисами", L"05-01-2024"}});
    expect_runs({{L"{р:Срок} дней", L"пяти дней"},
                 // A statement that starts with a date goes to date arithmetic,
                 // which reads the date in its short form however it was typed.
                 {L"{Начало - Срок}", L"31.12.2023"},
                 {L"{С дефисами + Срок}", L"10.01.2024"}});
    // A text field's count with its unit or words after it declines as a
    // phrase, keeping its digits; a number alone is spelled out, as above.
    add_fields({{L"Отпуск", L"28 дн."},
                {L"Цена", L"18 500,00 руб."},
                {L"Тираж", L"2 (два) экземпляра"},
                {L"Период", L"5 дней"}});
    expect_runs({{L"{р:Отпуск}|{р:Цена}", L"28 дн.|18 500,00 руб."},
                 {L"{п:Тираж}|{д:Период}", L"2 (двух) экземплярах|5 дням"}});
}

TEST_F(Values, TypingByTheFirstDigitOrLetterAndLetterCaseOnlyOfText) {
    add_fields({{L"a", L"-5"}, {L"b", L"$12,5"}, {L"c", L"№ 5"}, {L"d", L"пять 5"}});
    // A text computes nothing, «№ 5» included: it is no single number.
    expect_runs({{L"{a}|{b}|{c}|{d}", L"-5|$12,5|№ 5|пять 5"},
                 {L"{a * 2}|{b * 2}|{c * 2}|{d * 2}", L"-10|25||"}});
    add_fields({{L"Имя", L"иван {Ж:}петров{:Ж}"},
                {L"Name", L"it's john"},
                {L"Жирное", L"{Ж:}иван{:Ж}"},
                {L"ЧИСЛО", L"5 шт"}});
    expect_runs({{L"{ИМЯ}|{Имя}", L"ИВАН <b>ПЕТРОВ</b>|Иван <b>петров</b>"},
                 {L"{NAME}|{Жирное}", L"IT&apos;S JOHN|<b>Иван</b>"},
                 {L"{ЧИСЛО}", L"5 шт"}});  // numbers keep their text
}

TEST_F(Values, ASingleBlankReferencePrintsABlankAndOutsideAScriptValuesAreNotRun) {
    std::vector<expr_token> tokens{
        {L"a", expr_kind::quoted}, {L" ", expr_kind::reference}, {L"b", expr_kind::quoted}};
    render_context context(&doc, view);
    EXPECT_EQ(field_evaluator(tokens, context).evaluate(), L"a b");
    add_fields({{L"x", L"{y}"}, {L"y", L"why"}});
    expr_token reference(L"x", expr_kind::reference);
    EXPECT_EQ(field_value(context, reference).value_text, L"{y}");
    script(L"", context);  // gives the context its way to run a value
    EXPECT_EQ(field_value(context, reference).value_text, L"why");
    render_context no_document(nullptr, view);
    EXPECT_EQ(field_value(no_document, reference).value_text, L"");
}

TEST_F(Values, OnTheLibraryPageBlocksKeepTheirMarkupAndName) {
    view.library_shown = true;
    add_field(L"Ссылка", L"Договоры/аренда");
    std::wstring row = run(L"{filelink:ССЫЛКА}");
    EXPECT_NE(row.find(L"Договоры"), std::wstring::npos) << row;
    EXPECT_EQ(row.find(L"ДОГОВОРЫ"), std::wstring::npos) << row;
    EXPECT_EQ(run(L"{ССЫЛКА}"), L"ДОГОВОРЫ/АРЕНДА");
}

TEST_F(Values, EditsToFieldsBetweenLookupsAreSeen) {
    add_fields({{L"Имя", L"первое"}, {L"Другое", L"д"}});
    expr_token reference(L"имя", expr_kind::reference);
    // Lookups outside a script run compare the names every time.
    render_context lookups(&doc, view);
    EXPECT_EQ(run(L"{имя}"), L"первое");
    field(0).s2 = L"второе";
    EXPECT_EQ(run(L"{имя}"), L"второе");
    field(0).s1 = L"Новое  имя";
    EXPECT_EQ(run(L"[{имя}|{новое имя}]"), L"[|второе]");
    EXPECT_EQ(field_value(lookups, reference).value_text, L"");
    add_field(L"имя", L"из второго раздела", 1);
    EXPECT_EQ(run(L"{имя}"), L"из второго раздела");
    field(1).s1 = L"ИМЯ";  // the earlier field answers first
    EXPECT_EQ(field_value(lookups, reference).value_text, L"д");
    EXPECT_EQ(run(L"{имя}"), L"д");
    doc.data->parameters.groups[0].element_count = 1;  // no longer counted
    EXPECT_EQ(run(L"{имя}"), L"из второго раздела");
    // A value run as a script reads the document being rendered, though
    // another one was opened since.
    document other(L"");
    doc_node& parameters = other.data->parameters;
    parameters.groups.resize(1);
    parameters.group_count = parameters.groups[0].element_count = 1;
    parameters.groups[0].elements.resize(1);
    parameters.groups[0].elements[0].record.s1 = L"имя";
    parameters.groups[0].elements[0].record.s2 = L"другой документ";
    add_field(L"ссылка", L"{имя}", 1);
    EXPECT_EQ(run(L"{имя}|{ссылка}|{имя}"),
              L"из второго раздела|из второго раздела|из второго раздела");
}

TEST_F(Values, ADocumentNumberTakesOneSignAndNoneReadsBn) {
    view.language = 1;
    add_fields({{L"Номер", L""}});
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> numbers[] = {
        {L"5", L"№&nbsp;5"}, {L"12/26", L"№&nbsp;12/26"}, {L"№ 7-К", L"№ 7-К"}, {L"№7", L"№7"},
        {L"N 5", L"№&nbsp;5"}, {L"No. 5", L"№&nbsp;5"}, {L"Nr.5", L"№&nbsp;5"}, {L"NO 5", L"№&nbsp;5"},
        {L"N5", L"№&nbsp;5"}, {L"#5", L"№&nbsp;5"}, {L"# 5", L"№&nbsp;5"}, {L"Nº 5", L"№&nbsp;5"},
        {L"N° 15", L"№&nbsp;15"}, {L"номер 5", L"№&nbsp;5"}, {L"Номер: 5", L"№&nbsp;5"},
        // Letters after the sign make a number of their own, and a sign inside stays.
        {L"NO-5", L"№&nbsp;NO-5"}, {L"Nova 1", L"№&nbsp;Nova 1"}, {L"PO#1001", L"№&nbsp;PO#1001"},
        {L"номера 5", L"№&nbsp;номера 5"},
        // No number, however typed, before further text too.
        {L"Б/Н", L"б/н"}, {L"б/н.", L"б/н"}, {L"БН", L"б/н"}, {L"Без  номера", L"б/н"},
        {L"б.н.", L"б/н"}, {L"б\\н", L"б/н"}, {L"б / н", L"б/н"}, {L"без №", L"б/н"},
        {L"б/н от 01.03.2026", L"б/н от 01.03.2026"}, {L"№ б/н", L"б/н"},
        {L"\u00a0б/н ", L"б/н"},
        {L"нет", L"б/н"}, {L"-", L"б/н"}, {L"—", L"б/н"}, {L"н/а", L"б/н"}, {L"N/A", L"б/н"},
        {L"нет номера", L"б/н"}, {L"Номер не присвоен", L"б/н"}, {L"номер 5 не присвоен", L"№&nbsp;5 не присвоен"},
        {L"БН-15", L"№&nbsp;БН-15"}, {L"БН-015", L"№&nbsp;БН-015"}, {L"Бн15/2026", L"№&nbsp;Бн15/2026"},
        {L"бнк 5", L"№&nbsp;бнк 5"}, {L"Нетто-1", L"№&nbsp;Нетто-1"}, {L"  ", L""}};
    // clang-format on
    for (auto [typed, printed] : numbers) {
        field(0).s2 = typed;
        EXPECT_EQ(run(L"{номер:Номер}"), printed) << typed;
    }
    // In English the sign is "No.", a none leaves the title without one, and
    // «б/н» prints as typed.
    view.language = 0;
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> english[] = {
        {L"5", L"No.&nbsp;5"}, {L"No. 5", L"No.&nbsp;5"}, {L"#1001", L"No.&nbsp;1001"},
        {L"N° 15", L"No.&nbsp;15"}, {L"№ 5", L"No.&nbsp;5"}, {L"PO#1001", L"No.&nbsp;PO#1001"},
        {L"none", L""}, {L"N/A", L""}, {L"-", L""}, {L"No number", L""}, {L"unnumbered", L""},
        {L"No 5", L"No.&nbsp;5"}, {L"б/н", L"б/н"}, {L"Б/Н от 1.3.26", L"Б/Н от 1.3.26"}};
    // clang-format on
    for (auto [typed, printed] : english) {
        field(0).s2 = typed;
        EXPECT_EQ(run(L"{номер:Номер}"), printed) << typed;
    }
}
