#include "engine/declension/counted_nouns.h"
#include "engine/declension/number_words.h"
#include "engine/declension/phrase.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::form_of;  // nouns after a number are whatever decline_word makes of them

namespace {

constexpr int plain = 0, integer_part = number_kind_integer_part,
              fraction_part = number_kind_fraction_part;
constexpr int rubles = number_kind_rubles, kopecks = number_kind_kopecks;

struct spelled {
    std::wstring digits;
    int c, kind;
    std::wstring words;
};

void expect_spelled(const std::vector<spelled>& numbers) {
    for (const spelled& n : numbers)
        EXPECT_EQ(number_words_in_case(n.digits, n.c, n.kind), n.words) << n.c << " " << n.kind;
}

}  // namespace

TEST(NumberWords, PlainNumbersInEveryCaseAndEveryScale) {
    const wchar_t* forms[6] = {L"триста сорок пять",       L"трехсот сорока пяти",
                               L"тремстам сорока пяти",    L"триста сорок пять",
                               L"тремястами сорока пятью", L"трехстах сорока пяти"};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(number_words_in_case(L"345", c, plain), forms[c - 1]) << c;
    expect_spelled({
        {L"3456", 2, plain, L"трех тысяч четырехсот пятидесяти шести"},
        {L"  90\t", 1, 9, L"девяносто"},
        // Empty parts leave no blanks of their own.
        {L"101", 1, plain, L"сто один"},
        {L"1000001", 1, plain, L"один миллион один"},
        {L"95000", 1, rubles, L"девяносто пять тысяч " + form_of(L"рубли", 2)},
        // Thousands take the feminine.
        {L"1000", 1, plain, L"одна тысяча"},
        {L"5000", 5, plain, L"пятью тысячами"},
        {L"21000", 1, plain, L"двадцать одна тысяча"},
        {L"2000000", 3, plain, L"двум миллионам"},
        {L"1000000000000", 6, plain, L"одном триллионе"},
        // Twenty digits are spelled, twenty-one returned trimmed.
        {L"99000000000000000000", 1, plain, L"девяносто девять квинтиллионов"},
        {L"100000000000000000000", 1, plain, L"100000000000000000000"},
        {L" 100000000000000000000", 1, plain, L"100000000000000000000"},
    });
}

// Every decade and hundred, typed as a word (alone and before the noun it
// counts) and spelled from digits. Where Russian accepts two spellings the
// digits may keep the other one.
TEST(NumberWords, DecadesAndHundredsTypedOrSpelledInEveryCase) {
    struct number {
        const wchar_t* digits;
        const wchar_t* forms[6];
        const wchar_t* instrumental_from_digits = nullptr;
    };
    // clang-format off
    const number numbers[] = {
        {L"10", {L"десять", L"десяти", L"десяти", L"десять", L"десятью", L"десяти"}},
        {L"20", {L"двадцать", L"двадцати", L"двадцати", L"двадцать", L"двадцатью", L"двадцати"}},
        {L"30", {L"тридцать", L"тридцати", L"тридцати", L"тридцать", L"тридцатью", L"тридцати"}},
        {L"40", {L"сорок", L"сорока", L"сорока", L"сорок", L"сорока", L"сорока"}},
        {L"50", {L"пятьдесят", L"пятидесяти", L"пятидесяти", L"пятьдесят", L"пятьюдесятью", L"пятидесяти"}},
        {L"60", {L"шестьдесят", L"шестидесяти", L"шестидесяти", L"шестьдесят", L"шестьюдесятью", L"шестидесяти"}},
        {L"70", {L"семьдесят", L"семидесяти", L"семидесяти", L"семьдесят", L"семьюдесятью", L"семидесяти"}},
        {L"80", {L"восемьдесят", L"восьмидесяти", L"восьмидесяти", L"восемьдесят", L"восьмьюдесятью", L"восьмидесяти"}},
        {L"90", {L"девяносто", L"девяноста", L"девяноста", L"девяносто", L"девяноста", L"девяноста"}},
        {L"100", {L"сто", L"ста", L"ста", L"сто", L"ста", L"ста"}},
        {L"200", {L"двести", L"двухсот", L"двумстам", L"двести", L"двумястами", L"двухстах"}},
        {L"300", {L"триста", L"трехсот", L"тремстам", L"триста", L"тремястами", L"трехстах"}},
        {L"400", {L"четыреста", L"четырехсот", L"четыремстам", L"четыреста", L"четырьмястами", L"четырехстах"}},
        {L"500", {L"пятьсот", L"пятисот", L"пятистам", L"пятьсот", L"пятьюстами", L"пятистах"}},
        {L"600", {L"шестьсот", L"шестисот", L"шестистам", L"шестьсот", L"шестьюстами", L"шестистах"}},
        {L"700", {L"семьсот", L"семисот", L"семистам", L"семьсот", L"семьюстами", L"семистах"}},
        {L"800", {L"восемьсот", L"восьмисот", L"восьмистам", L"восемьсот", L"восьмьюстами", L"восьмистах"}, L"восемьюстами"},
        {L"900", {L"девятьсот", L"девятисот", L"девятистам", L"девятьсот", L"девятьюстами", L"девятистах"}},
    };
    const wchar_t* days[6] = {L"дней", L"дней", L"дням", L"дней", L"днями", L"днях"};
    // clang-format on
    for (const number& n : numbers) {
        const std::wstring typed = n.forms[0];
        for (int c = 1; c <= 6; ++c) {
            const bool instrumental = c == 5;
            EXPECT_EQ(decline_phrase(typed, c), n.forms[c - 1]) << n.digits << " " << c;
            EXPECT_EQ(decline_phrase(typed + L" дней", c),
                      std::wstring(n.forms[c - 1]) + L" " + days[c - 1])
                << n.digits << " " << c;
            EXPECT_EQ(number_words_in_case(n.digits, c, plain),
                      instrumental && n.instrumental_from_digits ? n.instrumental_from_digits
                                                                 : n.forms[c - 1])
                << n.digits << " " << c;
        }
    }
}

TEST(NumberWords, DecimalPartsAndMoneyTakeTheirNouns) {
    expect_spelled({
        {L"2", 1, integer_part, L"две целых"},
        {L"2", 2, integer_part, L"двух " + form_of(L"целые", 2, 1)},
        {L"21", 1, integer_part, L"двадцать одна " + form_of(L"целая", 1)},
        {L"1", 1, fraction_part, L"одна " + form_of(L"десятая", 1)},
        {L"05", 1, fraction_part, L"пять сотых"},
        {L"125", 1, fraction_part, L"сто двадцать пять тысячных"},
        {L"3", 4, fraction_part, L"три " + form_of(L"десятые", 4, 1)},
        {L"5", 1, rubles, L"пять " + form_of(L"рубли", 2)},
        {L"21", 4, kopecks, L"двадцать одну " + form_of(L"копейка", 4)},
        {L"2", 4, kopecks, L"двадцать " + form_of(L"копейки", 2)},
        {L"02", 1, kopecks, L"две " + form_of(L"копейка", 2)},
        {L"123", 1, kopecks, L"двенадцать " + form_of(L"копейки", 2)},
        // After тысяча or миллион the noun is a genitive plural in every case.
        {L"1000000", 5, rubles, L"одним миллионом " + form_of(L"рубли", 2)},
        {L"5000", 3, rubles, L"пяти тысячам " + form_of(L"рубли", 2)},
        {L"5005", 3, rubles, L"пяти тысячам пяти " + form_of(L"рубли", 3)},
        {L"1000", 5, integer_part, L"одной тысячей целых"},
    });
}

TEST(NumberWords, ZerosReadAsNoughtOfTheirKindAndOddInputIsSafe) {
    const std::wstring nought = form_of(L"ноль", 1);
    expect_spelled({
        {L"00", 1, plain, nought},
        {L"0", 1, integer_part, nought + L" целых"},
        {L"000", 1, fraction_part, nought + L" десятых"},
        {L"000", 1, rubles, nought + L" рублей"},
        {L"00", 1, kopecks, nought + L" копеек"},
        {L"0", 2, plain, form_of(L"ноль", 2)},
        {L"", 1, fraction_part, L""},
        {L"  ", 1, kopecks, L""},
        {L"4x", 1, plain, L"сорок"},  // other characters count as zero
    });
    // Cases outside one to six act as the nominative.
    for (int c : {0, -2, 7, 1000})
        expect_spelled({{L"42", c, plain, L"сорок два"}, {L"2", c, integer_part, L"две целых"}});
}

TEST(NumberPluralClass, LastTwoDigitsOfTheIntegerPart) {
    for (const wchar_t* one :
         {L"1", L"21", L"101", L"21,5", L"21.5", L"31 шт.", L"41 \t", L"1,001.2"})
        EXPECT_EQ(number_plural_class(one), 0) << one;
    for (const wchar_t* few : {L"2", L"3", L"4", L"22", L"1004", L"3 штуки"})
        EXPECT_EQ(number_plural_class(few), 1) << few;
    for (const wchar_t* many :
         {L"11", L"111", L"12", L"13", L"14", L"5", L"0", L"20", L"", L"1 000", L"шт", L".1"})
        EXPECT_EQ(number_plural_class(many), 2) << many;
}

TEST(CountedByScaleWord, WholeThousandsMillionsAndMore) {
    for (const wchar_t* round : {L"1000", L"25 000", L"3000000", L"1000,5", L"2000 шт."})
        EXPECT_TRUE(counted_by_scale_word(round)) << round;
    for (const wchar_t* other : {L"1001", L"999", L"000", L"0000", L"", L"100", L"10,000"})
        EXPECT_FALSE(counted_by_scale_word(other)) << other;
}

// One takes the singular in the case, two to four the genitive singular, five
// and more start from the plural; words before the noun take the plural.
TEST(CountedNoun, EachPluralClassTakesItsForm) {
    // clang-format off
    const struct { const wchar_t* noun; int number_class, c; bool decimal; std::wstring form; } nouns[] = {
        {L"  день ", 0, 1, false, L"день"}, {L"дня", 0, 0, false, L"день"}, {L"кот", 0, 5, false, L"котом"},
        {L"рабочий  день", 0, 1, false, L"рабочий  день"}, {L"кот", 0, 1, true, L"кота"},
        {L"день", 1, 0, false, form_of(L"день", 2)}, {L"сутки", 1, 1, false, L"суток"},
        {L"целая", 1, 1, false, form_of(L"целые", 2)}, {L"ура", 1, 1, false, form_of(L"ура", 2)},
        {L"день", 2, 1, false, L"дней"}, {L"человек", 2, 1, false, L"людей"}, {L"человек", 1, 3, false, L"людям"},
        {L"сутки", 2, 5, false, L"сутками"}, {L"кг", 2, 1, false, L"кг"}, {L"день", 2, 1, true, L"дня"},
        {L"литр", 2, 3, false, form_of(L"литры", 3)}, {L"месяц", 2, 1, false, L"месяцев"},
        // The accusative: of the base form when the gender is not recognised;
        // masculine the genitive; feminine the accusative after 2-4.
        {L"сутки", 2, 4, false, L"сутки"}, {L"кот", 1, 4, false, L"кота"},
        {L"кот", 2, 4, false, L"котов"}, {L"рука", 1, 4, false, form_of(L"руки", 4)},
        {L"рука", 2, 4, false, L"рук"}, {L"новая рука", 2, 1, false, form_of(L"новые", 2) + L" рук"},
        {L"основной день", 2, 1, false, form_of(L"основные", 2) + L" дней"},
        {L"рабочий день", 2, 6, false, form_of(L"рабочие", 6) + L" днях"},
        {L"мой день", 2, 1, false, form_of(L"мой", 2) + L" дней"},  // too short to be put into the plural
    };
    // clang-format on
    for (const auto& n : nouns)
        EXPECT_EQ(agree_counted_noun(n.noun, n.number_class, n.c, n.decimal), n.form)
            << n.noun << " " << n.c;
}
