#include "engine/fields/number_field.h"

#include <tuple>

#include "engine/fields/currency.h"
#include "engine/fields/parameter_fixture.h"
#include "fields_test_support.h"

using namespace engine;

namespace {

const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";

// A number field's value, its forms, and its unit.
struct form_row {
    const wchar_t* value;
    std::wstring forms;
    const wchar_t* unit = L"";
};

using render_case = std::tuple<const wchar_t*, std::initializer_list<const wchar_t*>, std::wstring>;

class NumberField : public engine::testing::parameter_document {
protected:
    number_value number(const wchar_t* text) {
        return number_value(&doc.data->parameters, text, view.language);
    }
    std::wstring render(const wchar_t* text, std::initializer_list<const wchar_t*> modifiers) {
        return render_number_field(number(text), engine::testing::format_words(modifiers));
    }
    // Number text, modifier words and the expected rendering.
    void expect_renders(std::initializer_list<render_case> cases) {
        for (const auto& [text, modifiers, expected] : cases)
            EXPECT_EQ(render(text, modifiers), expected) << text;
    }
};

}  // namespace

TEST_F(NumberField, FiguresPartsAndThePriorityBetweenThem) {
    view.language = 1;
    expect_renders({{L"1 234,50", {L"штук"}, L"1 234,50"},  // only a counted noun: as typed
                    {L"1234,5", {L"формат"}, nowrap + L"1&thinsp;234,50</span>"},
                    {L"-1234,5", {L"целая часть"}, L"-1234"},
                    {L"1234,5", {L"дробная  часть"}, L"5"},
                    {L"-7", {L"валюта"}, nowrap + L"-7,00</span>&nbsp;руб."}});
    view.language = 0;
    expect_renders({{L"12", {L"fraction"}, L""},
                    {L"1234.5", {L"format", L"currency"}, L"1,234.50"},
                    {L"1234.5", {L"integer", L"currency"}, nowrap + L"$1,234.50</span>"},
                    {L"1234.5", {L"fraction", L"integer"}, L"1234"},
                    {L"-1234.5", {L"currency"}, nowrap + L"-$1,234.50</span>"}});
}

TEST_F(NumberField, CurrencySignsAndWordsFollowTheFirstCurrencyFieldUnlessItIsHidden) {
    // The singular, plural and minor unit of the English money words.
    auto words = [&] {
        std::wstring minor;
        std::wstring plural;
        std::wstring one = currency_words_en(number(L"1"), minor, plural);
        return one + L"|" + plural + L"|" + minor;
    };
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
    add_fields({{L"currency", L"United Kingdom Pounds"}, {L"currency", L"Euro"}});
    EXPECT_EQ(currency_sign(number(L"1")), L"£");
    field(0).s2 = L"Other";
    EXPECT_EQ(currency_sign(number(L"1")), L"");
    // The other currency without its words falls back to dollars.
    EXPECT_EQ(words(), L"dollar|dollars|cent");
    add_field(L"Other_Currency", L"krona kronor");
    EXPECT_EQ(words(), L"krona|krona|kronor");
    field(0).s2 = L"Canadian Dollars";
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
    field(0).c = 1;
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
}

TEST_F(NumberField, EnglishWordsForEachCurrencyIgnoringCasesAndNouns) {
    expect_renders({{L"1", {L"currency in words"}, L"one dollar"},
                    {L"0.50", {L"currency in words"}, L"zero dollars and fifty cents"},
                    {L"-5", {L"currency in words"}, L"minus five dollars"},
                    {L"19.999", {L"currency in words"}, L"nineteen dollars and ninety-nine cents"},
                    {L"21", {L"р", L"pieces"}, L"twenty-one"},
                    {L"1.05", {L"in words"}, L"one point zero five"},
                    {L"-5", {L"прописью"}, L"minus five"}});
    add_field(L"currency", L"United Kingdom Pounds");
    // One penny, any other count pence.
    expect_renders({{L"1.01", {L"currency in words"}, L"one pound and one penny"},
                    {L"0.01", {L"currency in words"}, L"zero pounds and one penny"},
                    {L"2.02", {L"currency in words"}, L"two pounds and two pence"},
                    {L"1.10", {L"currency in words"}, L"one pound and ten pence"}});
}

TEST_F(NumberField, RussianWordsTakeTheSignTheCaseAndTheCountedNounsGenderAndKeepKopecksInFigures) {
    view.language = 1;
    expect_renders({{L"-5", {L"прописью"}, L"минус пять"},
                    {L"5000", {L"т"}, L"пятью тысячами"},
                    {L"3456", {L"Р"}, L"трех тысяч четырехсот пятидесяти шести"},
                    // A case letter after "прописью" still counts; a later one replaces it.
                    {L"2", {L"д", L"прописью", L"п"}, L"двух"},
                    {L"2,5", {L"прописью", L"штука"}, L"две целых пять десятых"},
                    {L"21", {L"в", L"штука"}, L"двадцать одну"},
                    {L"1", {L"прописью", L"поле"}, L"одно"},
                    {L"1", {L"прописью", L"рубль"}, L"один"},
                    {L"2.01", {L"валюта", L"прописью"}, L"два рубля 01 копейка"},
                    {L"-2,99", {L"валюта прописью"}, L"минус два рубля 99 копеек"},
                    {L"21", {L"р", L"валюта прописью"}, L"двадцати одного рубля"},
                    {L"5", {L"валюта прописью"}, L"пять рублей"}});
    number_value counted(nullptr, L"2", view.language);
    std::wstring asked;
    counted.named_value = [&](const std::wstring& name) {
        asked = name;
        return name == L"единица|товара" ? std::wstring(L"единица") : std::wstring();
    };
    auto words = engine::testing::format_words({L"прописью", L"Единица  товара"});
    EXPECT_EQ(render_number_field(counted, words), L"две");
    EXPECT_EQ(asked, L"единица|товара");
}

// A unit's point once read as the decimal separator: «18 500,00 руб.» was
// 1 850 000,00 in figures and words, «28 дн.» «двадцать восемь целых ».
TEST_F(NumberField, AUnitAfterTheNumberLeavesItsFiguresAndWords) {
    view.language = 1;
    expect_renders(
        {{L"18 500,00 руб.", {L"валюта"}, nowrap + L"18&thinsp;500,00</span>&nbsp;руб."},
         {L"18 500,00 руб.", {L"валюта прописью"}, L"восемнадцать тысяч пятьсот рублей 00 копеек"},
         {L"65 000,00 р.", {L"формат"}, nowrap + L"65&thinsp;000,00</span>"},
         {L"28 дн.", {L"р", L"прописью"}, L"двадцати восьми"},
         {L"3 мес.", {L"прописью"}, L"три"},
         {L"1234,", {L"прописью"}, L"одна тысяча двести тридцать четыре"},
         {L"18 500,00 руб.", {}, L"18 500,00 руб."},
         {L"18 500,00", {L"валюта"}, nowrap + L"18&thinsp;500,00</span>&nbsp;руб."},
         // The figures alone, before a noun the template writes itself.
         {L"3 мес.", {L"цифрами"}, L"3"},
         {L"28 дн.", {L"р", L"цифрами"}, L"двадцати восьми"},
         {L"15 тыс. руб.", {L"цифрами"}, L"15 000"},
         {L"1 500 руб. 50 коп.", {L"цифрами"}, L"1 500,50"}});
    view.language = 0;
    expect_renders({{L"1,250.50 USD",
                     {L"currency in words"},
                     L"one thousand two hundred fifty dollars and fifty cents"},
                    {L"$12,5", {L"in words"}, L"twelve point five"},
                    {L"6 %", {L"figures"}, L"6"},
                    // The document's language reads the point: 1.25 thousand.
                    {L"1.250 тыс.", {L"figures"}, L"1,250"}});
}

// A number field's text that is no single number once became the number of
// its digits: «10-15» read «одной тысячи пятнадцати», and «5/0» left by the
// calculator fifty. A term typed in a form the program cannot read («10-15»,
// «три месяца») counts as filled and its number forms are gaps, the money
// forms with their currency and the noun it counts after any number (once
// «______», and «дня» for «нет» and an empty field); «три месяца» once gave
// no clause, as «нет» does. A text that says there is none prints what an
// empty field prints: money as the gap in its currency (once nothing, and
// «нет» once emptied a sum).
TEST_F(NumberField, ATextThatIsNoNumberShowsAsTypedAndItsNumberFormsAreGapsUnlessItMeansNone) {
    constexpr std::uint16_t number_type = 3;
    view.language = 1;
    const wchar_t* forms =
        L"{Срок}|{прописью:Срок}|{р:Срок}|{валюта:Срок}|{валюта прописью:Срок}|"
        L"{формат:Срок}|{целая часть:Срок}|{ЕСЛИ Срок ТО \"есть\" ИНАЧЕ \"нет\"}|{Срок + 1}|"
        L"{цифрами:Срок}|{р:Срок:календарный день}";
    // clang-format off
    const std::wstring gaps = L"|______|______|______&nbsp;руб.|______ рублей|______|______|есть||______|календарных дней";
    const std::wstring none = L"|||______&nbsp;руб.|______ рублей|||нет|1||календарных дней";
    const form_row cases[] = {
        {L"10-15", L"10-15" + gaps}, {L"1/3", L"1/3" + gaps}, {L"5.5.5", L"5.5.5" + gaps},
        {L"5/0", L"5/0" + gaps}, {L"approx. 40", L"approx. 40" + gaps}, {L"НДС 20%", L"НДС 20%" + gaps},
        {L"5 или более", L"5 или более" + gaps}, {L"10-го", L"10-го" + gaps}, {L"62к", L"62к" + gaps},
        {L"50 к.", L"50 к." + gaps},
        // A term is no amount; a word that bounds or puts off is no none.
        {L"3 месяца", L"3 месяца" + gaps, L"money"}, {L"не более трёх", L"не более трёх" + gaps},
        {L"не посчитаны", L"не посчитаны" + gaps}, {L"без ограничения", L"без ограничения" + gaps},
        // A term in words, and words that disagree with the figures after them.
        {L"три месяца", L"три месяца" + gaps}, {L"полгода", L"полгода" + gaps},
        {L"тридцать процентов", L"тридцать процентов" + gaps},
        {L"тридцать (31) дней", L"тридцать (31) дней" + gaps},
        // Another currency than the roubles the document prints: once 45
        // roubles.
        {L"USD 45", L"USD 45" + gaps}, {L"$12,5", L"$12,5" + gaps}, {L"45 долларов", L"45 долларов" + gaps},
        {L"1 500 евро", L"1 500 евро" + gaps}, {L"100 тенге", L"100 тенге" + gaps},
        // Words that mean none: no term at all.
        {L"нет", L"нет" + none}, {L"-", L"-" + none}, {L"Не устанавливается", L"Не устанавливается" + none, L"month"},
        {L"не  предусмотрено", L"не предусмотрено" + none, L"month"}, {L"\u2014", L"\u2014" + none},
        {L"«Нет!»", L"«Нет!»" + none}, {L"без срока", L"без срока" + none}, {L"н/а", L"н/а" + none},
        {L"не применяется", L"не применяется" + none},
        // Single numbers, and the empty field that counts as 0.
        {L"1 500 руб. 50 коп.", L"1 500 руб. 50 коп.|одна тысяча пятьсот целых пять десятых|"
                                L"одной тысячи пятисот целых пяти десятых|" + nowrap + L"1&thinsp;500,50</span>&nbsp;руб.|"
                                L"одна тысяча пятьсот рублей 50 копеек|" + nowrap + L"1&thinsp;500,50</span>|1500|есть|1501,5|1 500,50|календарного дня"},
        {L"15 тыс. руб.", L"15 тыс. руб.|пятнадцать тысяч|пятнадцати тысяч|" + nowrap + L"15&thinsp;000,00</span>&nbsp;руб.|"
                          L"пятнадцать тысяч рублей|" + nowrap + L"15&thinsp;000,00</span>|15000|есть|15001|15 000|календарных дней"},
        {L"3 (три) месяца", L"3 (три) месяца|три|трех|" + nowrap + L"3,00</span>&nbsp;руб.|три рубля|" + nowrap +
                            L"3,00</span>|3|есть|4|3|календарных дней", L"month"},
        {L"Тридцать одна (31) неделя", L"Тридцать одна (31) неделя|тридцать один|тридцати одного|" + nowrap +
                                       L"31,00</span>&nbsp;руб.|тридцать один рубль|" + nowrap + L"31,00</span>|31|есть|32|31|календарного дня", L"week"},
        {L"1.000.000", L"1.000.000|один миллион|одного миллиона|" + nowrap + L"1&thinsp;000&thinsp;000,00</span>&nbsp;руб.|"
                       L"один миллион рублей|" + nowrap + L"1&thinsp;000&thinsp;000,00</span>|1000000|есть|1000001|1.000.000|календарных дней"},
        // Kopecks after a hyphen, as accountants write them.
        {L"86 500-00", L"86 500-00|восемьдесят шесть тысяч пятьсот целых ноль десятых|восьмидесяти шести тысяч пятисот "
                       L"целых ноля десятых|" + nowrap + L"86&thinsp;500,00</span>&nbsp;руб.|восемьдесят шесть тысяч пятьсот "
                       L"рублей 00 копеек|" + nowrap + L"86&thinsp;500,00</span>|86500|есть|86501|86 500,00|календарного дня"},
        {L"-5", L"-5|минус пять|минус пяти|" + nowrap + L"-5,00</span>&nbsp;руб.|минус пять рублей|" + nowrap +
                L"-5,00</span>|-5|есть|-4|-5|календарных дней"},
        {L"0,5", L"0,5|ноль целых пять десятых|ноля целых пяти десятых|" + nowrap + L"0,50</span>&nbsp;руб.|"
                 L"ноль рублей 50 копеек|" + nowrap + L"0,50</span>|0|есть|1,5|0,5|календарного дня"},
        {L"", none},
    };
    // clang-format on
    auto expect_forms = [&](const wchar_t* source, const auto& rows) {
        for (const auto& [value, text, unit] : rows) {
            doc_record& field = add_field(L"Срок", value);
            field.a = number_type;
            field.s4 = unit;
            EXPECT_EQ(run(source), text) << value;
            // A field's display condition on it.
            const bool filled =
                text.find(L"есть") != std::wstring::npos || text.find(L"yes") != std::wstring::npos;
            EXPECT_EQ(test(L"{Срок}"), filled) << value;
            doc.data->parameters.groups.clear();
        }
    };
    expect_forms(forms, cases);
    view.language = 0;
    // clang-format off
    const form_row english[] = {
        {L"thirty (30) days", L"30|thirty|" + nowrap + L"$30.00</span>|thirty dollars|yes", L"day"},
        {L"Twenty-one (21)", L"21|twenty-one|" + nowrap + L"$21.00</span>|twenty-one dollars|yes"},
        {L"one hundred and five (105) days", L"105|one hundred five|" + nowrap + L"$105.00</span>|one hundred five dollars|yes", L"day"},
        {L"thirty (31) days", L"______|______|$______|______ dollars|yes"},
        {L"six months", L"______|______|$______|______ dollars|yes"}, {L"three", L"______|______|$______|______ dollars|yes"},
        {L"N/A", L"||$______|______ dollars|no"}, {L"None", L"||$______|______ dollars|no"},
        {L"nil", L"||$______|______ dollars|no"}, {L"NO", L"||$______|______ dollars|no", L"month"},
        {L"not required", L"||$______|______ dollars|no"}, {L"Not applicable.", L"||$______|______ dollars|no"},
        {L"", L"||$______|______ dollars|no"},
        {L"not yet known", L"______|______|$______|______ dollars|yes"}};
    // clang-format on
    expect_forms(
        L"{figures:Срок}|{in words:Срок}|{currency:Срок}|{currency in words:Срок}|"
        L"{IF Срок THEN \"yes\" ELSE \"no\"}",
        english);

    // The gap in figures takes the sign of the document's currency; a
    // currency of the user's own has none, and its code follows the gap.
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> currencies[] =
        {{L"Euro", L"", L"N/A", L"€______"},
         {L"United Kingdom Pounds", L"", L"", L"£______"},
         {L"Other", L"CHF", L"", L"______&nbsp;CHF"},
         {L"Other", L"", L"six months", L"______"}};
    for (const auto& [currency, code, value, expected] : currencies) {
        add_fields({{L"Currency", currency}, {L"other_currency_abbr", code}});
        add_field(L"Срок", value).a = number_type;
        EXPECT_EQ(run(L"{currency:Срок}"), expected) << currency << " " << value;
        doc.data->parameters.groups.clear();
    }
}

TEST(NumberGender, TheLastWordAgreesWithFeminineAndNeuterNouns) {
    const std::tuple<const wchar_t*, std::uint32_t, int, const wchar_t*> cases[] = {
        {L"двадцать один", 3, 4, L"двадцать одно"},
        {L"двадцати одного", 2, 2, L"двадцати одной"},
        {L"одному", 2, 3, L"одной"},
        {L"одним", 2, 5, L"одной"},
        {L"двух", 2, 2, L"двух"},
        {L"двадцать один", 1, 1, L"двадцать один"},
        {L"", 2, 1, L""}};
    for (auto [words, gender, grammatical_case, expected] : cases) {
        std::wstring text = words;
        agree_number_gender(text, gender, grammatical_case);
        EXPECT_EQ(text, expected) << gender << " " << grammatical_case;
    }
}
