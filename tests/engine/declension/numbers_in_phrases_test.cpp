// Numbers inside a declined phrase: a number after "№" is a label, a noun of
// three letters is a head noun like any other, and полтора, полторы,
// полтораста, typed number words and digits count the noun after them like a
// number.
#include <gtest/gtest.h>

#include "engine/declension/phrase.h"
#include "engine/text/utf16.h"

using namespace engine;

namespace {

void expect_every_case(const wchar_t* const (&forms)[6]) {
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(decline_phrase(forms[0], c), forms[c - 1]) << to_utf8(forms[0]) << " " << c;
}

}  // namespace

TEST(NumbersInPhrases, ALabelAfterTheNumeroSignAndAfterAHeadNounStaysInDigits) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } phrases[] = {
        {{L"цех № 5", L"цеха № 5", L"цеху № 5", L"цех № 5", L"цехом № 5", L"цехе № 5"}},
        {{L"цех 5", L"цеха 5", L"цеху 5", L"цех 5", L"цехом 5", L"цехе 5"}},
        {{L"участок №12/3", L"участка №12/3", L"участку №12/3", L"участок №12/3", L"участком №12/3",
          L"участке №12/3"}},
        {{L"бригада № 21", L"бригады № 21", L"бригаде № 21", L"бригаду № 21", L"бригадой № 21", L"бригаде № 21"}},
        // No head noun ends declining before the sign: the label alone keeps it.
        {{L"ГКБ № 15", L"ГКБ № 15", L"ГКБ № 15", L"ГКБ № 15", L"ГКБ № 15", L"ГКБ № 15"}},
        {{L"срок 5 дней", L"срока 5 дней", L"сроку 5 дней", L"срок 5 дней", L"сроком 5 дней", L"сроке 5 дней"}},
        // A pronoun of two or three letters goes on to its noun.
        {{L"наш договор", L"нашего договора", L"нашему договору", L"наш договор", L"нашим договором",
          L"нашем договоре"}},
        // So do the short demonstratives whose genitive ends in -ой.
        {{L"эта сторона", L"этой стороны", L"этой стороне", L"эту сторону", L"этой стороной", L"этой стороне"}},
        {{L"та организация", L"той организации", L"той организации", L"ту организацию", L"той организацией",
          L"той организации"}},
    };
    // clang-format on
    for (const auto& p : phrases) expect_every_case(p.forms);
    // Before the noun it counts a number stays in digits.
    EXPECT_EQ(decline_phrase(L"5 штук", 2), L"5 штук");
}

TEST(NumbersInPhrases, OneAndAHalfTakesItsOwnFormsAndCountsTheNounAfterIt) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } phrases[] = {
        {{L"полторы тысячи рублей", L"полутора тысяч рублей", L"полутора тысячам рублей", L"полторы тысячи рублей",
          L"полутора тысячами рублей", L"полутора тысячах рублей"}},
        {{L"полтора месяца", L"полутора месяцев", L"полутора месяцам", L"полтора месяца", L"полутора месяцами",
          L"полутора месяцах"}},
        {{L"Полтора дня", L"Полутора дней", L"Полутора дням", L"Полтора дня", L"Полутора днями", L"Полутора днях"}},
        {{L"полтораста рублей", L"полутораста рублей", L"полутораста рублям", L"полтораста рублей",
          L"полутораста рублями", L"полутораста рублях"}},
        {{L"две тысячи рублей", L"двух тысяч рублей", L"двум тысячам рублей", L"две тысячи рублей",
          L"двумя тысячами рублей", L"двух тысячах рублей"}},
    };
    // clang-format on
    for (const auto& p : phrases) expect_every_case(p.forms);
}

TEST(NumbersInPhrases, ATypedNumberWordCountsTheNounAfterIt) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } phrases[] = {
        {{L"два месяца", L"двух месяцев", L"двум месяцам", L"два месяца", L"двумя месяцами", L"двух месяцах"}},
        {{L"три года", L"трех лет", L"трем годам", L"три года", L"тремя годами", L"трех годах"}},
        {{L"двадцать пять дней", L"двадцати пяти дней", L"двадцати пяти дням", L"двадцать пять дней",
          L"двадцатью пятью днями", L"двадцати пяти днях"}},
        {{L"пять тысяч рублей", L"пяти тысяч рублей", L"пяти тысячам рублей", L"пять тысяч рублей",
          L"пятью тысячами рублей", L"пяти тысячах рублей"}},
        // A vowel that the genitive plural drops comes back.
        {{L"пять копеек", L"пяти копеек", L"пяти копейкам", L"пять копеек", L"пятью копейками", L"пяти копейках"}},
        {{L"Шесть Сделок", L"Шести Сделок", L"Шести Сделкам", L"Шесть Сделок", L"Шестью Сделками",
          L"Шести Сделках"}},
        // Четыре counts as два, not as пять.
        {{L"четыре месяца", L"четырех месяцев", L"четырем месяцам", L"четыре месяца", L"четырьмя месяцами",
          L"четырех месяцах"}},
        {{L"двадцать четыре рабочих дня", L"двадцати четырех рабочих дней", L"двадцати четырем рабочим дням",
          L"двадцать четыре рабочих дня", L"двадцатью четырьмя рабочими днями", L"двадцати четырех рабочих днях"}},
    };
    // What stays as before: a number after its head noun, and a number word
    // before no noun it counts.
    const struct { const wchar_t* forms[6]; } neighbours[] = {
        {{L"срок пять дней", L"срока пять дней", L"сроку пять дней", L"срок пять дней", L"сроком пять дней",
          L"сроке пять дней"}},
        {{L"пять из десяти", L"пяти из десяти", L"пяти из десяти", L"пять из десяти", L"пятью из десяти",
          L"пяти из десяти"}},
        {{L"две тысячи рублей", L"двух тысяч рублей", L"двум тысячам рублей", L"две тысячи рублей",
          L"двумя тысячами рублей", L"двух тысячах рублей"}},
    };
    // clang-format on
    for (const auto& p : phrases) expect_every_case(p.forms);
    for (const auto& p : neighbours) expect_every_case(p.forms);
}

// A count typed in digits stays in digits, whatever follows it, and the words
// it counts decline as after that number: the plural of the case after two
// and more, the singular after one, the typed form after a decimal, whole
// thousands or a unit, or where the plural of the case is not known.
TEST(NumbersInPhrases, TypedDigitsStayAndTheWordsTheyCountDeclineAsAfterThem) {
    // clang-format off
    const struct { const wchar_t* forms[6]; } phrases[] = {
        {{L"5 дней", L"5 дней", L"5 дням", L"5 дней", L"5 днями", L"5 днях"}},
        {{L"2 месяца", L"2 месяцев", L"2 месяцам", L"2 месяца", L"2 месяцами", L"2 месяцах"}},
        {{L"3 года", L"3 лет", L"3 годам", L"3 года", L"3 годами", L"3 годах"}},
        {{L"21 день", L"21 дня", L"21 дню", L"21 день", L"21 днем", L"21 дне"}},
        {{L"5 рабочих дней", L"5 рабочих дней", L"5 рабочим дням", L"5 рабочих дней", L"5 рабочими днями",
          L"5 рабочих днях"}},
        {{L"1,5 тысячи рублей", L"1,5 тысячи рублей", L"1,5 тысячи рублей", L"1,5 тысячи рублей",
          L"1,5 тысячи рублей", L"1,5 тысячи рублей"}},
        {{L"1 000 рублей", L"1 000 рублей", L"1 000 рублей", L"1 000 рублей", L"1 000 рублей", L"1 000 рублей"}},
        {{L"28 дн.", L"28 дн.", L"28 дн.", L"28 дн.", L"28 дн.", L"28 дн."}},
        {{L"22 сотрудника", L"22 сотрудников", L"22 сотрудникам", L"22 сотрудника", L"22 сотрудниками",
          L"22 сотрудниках"}},
        {{L"5 экземпляров", L"5 экземпляров", L"5 экземплярам", L"5 экземпляров", L"5 экземплярами",
          L"5 экземплярах"}},
        {{L"3 листа", L"3 листов", L"3 листам", L"3 листа", L"3 листами", L"3 листах"}},
        // A noun whose plural the word lists do not give, in that case or in
        // any, stays as typed; so do words that are no counted noun.
        {{L"2 человека", L"2 человека", L"2 людям", L"2 человека", L"2 людьми", L"2 людях"}},
        {{L"10 стульев", L"10 стульев", L"10 стульев", L"10 стульев", L"10 стульев", L"10 стульев"}},
        {{L"5 и более дней", L"5 и более дней", L"5 и более дней", L"5 и более дней", L"5 и более дней",
          L"5 и более дней"}},
        {{L"1 000", L"1 000", L"1 000", L"1 000", L"1 000", L"1 000"}},
        // Typed number words: один agrees with its noun, which declines too.
        {{L"одна тысяча рублей", L"одной тысячи рублей", L"одной тысяче рублей", L"одну тысячу рублей",
          L"одной тысячей рублей", L"одной тысяче рублей"}},
        {{L"один сотрудник", L"одного сотрудника", L"одному сотруднику", L"одного сотрудника",
          L"одним сотрудником", L"одном сотруднике"}},
        {{L"двадцать лет", L"двадцати лет", L"двадцати годам", L"двадцать лет", L"двадцатью годами",
          L"двадцати годах"}},
        {{L"пять рабочих дней", L"пяти рабочих дней", L"пяти рабочим дням", L"пять рабочих дней",
          L"пятью рабочими днями", L"пяти рабочих днях"}},
        // The same number in words in brackets declines whole, and the words
        // after it as after the digits.
        {{L"30 (тридцать) дней", L"30 (тридцати) дней", L"30 (тридцати) дням", L"30 (тридцать) дней",
          L"30 (тридцатью) днями", L"30 (тридцати) днях"}},
        {{L"2 (два) экземпляра", L"2 (двух) экземпляров", L"2 (двум) экземплярам", L"2 (два) экземпляра",
          L"2 (двумя) экземплярами", L"2 (двух) экземплярах"}},
        {{L"1 (один) год", L"1 (одного) года", L"1 (одному) году", L"1 (один) год", L"1 (одним) годом",
          L"1 (одном) годе"}},
        {{L"21 (двадцать один) день", L"21 (двадцати одного) дня", L"21 (двадцати одному) дню",
          L"21 (двадцать один) день", L"21 (двадцатью одним) днем", L"21 (двадцати одном) дне"}},
        {{L"45 (сорок пять) дней", L"45 (сорока пяти) дней", L"45 (сорока пяти) дням", L"45 (сорок пять) дней",
          L"45 (сорока пятью) днями", L"45 (сорока пяти) днях"}},
        {{L"1 (одна) неделя", L"1 (одной) недели", L"1 (одной) неделе", L"1 (одну) неделю", L"1 (одной) неделей",
          L"1 (одной) неделе"}},
        // An ordinal in digits, a unit cut off by a point and an amount with
        // its unit stay as typed, and so does what follows them.
        {{L"1-го числа", L"1-го числа", L"1-го числа", L"1-го числа", L"1-го числа", L"1-го числа"}},
        {{L"2-й этаж", L"2-й этаж", L"2-й этаж", L"2-й этаж", L"2-й этаж", L"2-й этаж"}},
        {{L"5-м", L"5-м", L"5-м", L"5-м", L"5-м", L"5-м"}},
        {{L"10-летний юбилей", L"10-летнего юбилея", L"10-летнему юбилею", L"10-летний юбилей",
          L"10-летним юбилеем", L"10-летнем юбилее"}},
        {{L"3 мес.", L"3 мес.", L"3 мес.", L"3 мес.", L"3 мес.", L"3 мес."}},
        {{L"18 500,00 руб.", L"18 500,00 руб.", L"18 500,00 руб.", L"18 500,00 руб.", L"18 500,00 руб.",
          L"18 500,00 руб."}},
    };
    // clang-format on
    for (const auto& p : phrases) expect_every_case(p.forms);
    // A phrase that is one number alone is spelled out.
    EXPECT_EQ(decline_phrase(L"2,5", 2), L"двух целых пяти десятых");
    EXPECT_EQ(decline_phrase(L"договор 5 дней", 2), L"договора 5 дней");
    // один in brackets agrees with an animate noun as after the digits.
    EXPECT_EQ(decline_phrase(L"1 (один) сотрудник", 4), L"1 (одного) сотрудника");
}
