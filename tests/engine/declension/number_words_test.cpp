#include "engine/declension/number_words.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::form_of;  // nouns after a number are whatever decline_word makes of them

namespace {

constexpr int plain = 0, integer_part = number_kind_integer_part, fraction_part = number_kind_fraction_part;
constexpr int rubles = number_kind_rubles, kopecks = number_kind_kopecks;

std::wstring blanks(int n) { return std::wstring(std::size_t(n), L' '); }

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
    const wchar_t* forms[6] = {L"триста сорок пять", L"трехсот сорока пяти", L"тремстам сорока пяти",
                               L"триста сорок пять", L"тремястами сорока пятью", L"трехстах сорока пяти"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(number_words_in_case(L"345", c, plain), forms[c - 1]) << c;
    expect_spelled({
        {L"3456", 2, plain, L"трех тысяч четырехсот пятидесяти шести"}, {L"  90\t", 1, 9, L"девяносто"},
        // The blanks of empty parts are kept.
        {L"101", 1, plain, L"сто" + blanks(2) + L"один"}, {L"1000001", 1, plain, L"один миллион" + blanks(6) + L"один"},
        // Thousands take the feminine.
        {L"1000", 1, plain, L"одна тысяча"}, {L"2000", 1, plain, L"две тысячи"}, {L"5000", 5, plain, L"пятью тысячами"},
        {L"21000", 1, plain, L"двадцать одна тысяча"}, {L"2000000", 3, plain, L"двум миллионам"},
        {L"1000000000000", 6, plain, L"одном триллионе"}, {L"5000000000000000000", 2, plain, L"пяти квинтиллионов"},
        // Twenty digits are spelled, twenty-one returned trimmed.
        {L"99000000000000000000", 1, plain, L"девяносто девять квинтиллионов"},
        {L"100000000000000000000", 1, plain, L"100000000000000000000"},
        {L" 100000000000000000000", 1, plain, L"100000000000000000000"},
    });
}

TEST(NumberWords, DecimalPartsAndMoneyTakeTheirNouns) {
    expect_spelled({
        {L"2", 1, integer_part, L"две целых"}, {L"2", 2, integer_part, L"двух " + form_of(L"целые", 2, 1)},
        {L"21", 1, integer_part, L"двадцать одна " + form_of(L"целая", 1)},
        {L"1", 1, fraction_part, L"одна " + form_of(L"десятая", 1)}, {L"05", 1, fraction_part, L"пять сотых"},
        {L"125", 1, fraction_part, L"сто двадцать пять тысячных"},
        {L"3", 4, fraction_part, L"три " + form_of(L"десятые", 4, 1)},
        {L"1", 1, rubles, L"один " + form_of(L"рубль", 1)}, {L"2", 3, rubles, L"двум " + form_of(L"рубли", 3)},
        {L"5", 1, rubles, L"пять " + form_of(L"рубли", 2)},
        {L"21", 4, kopecks, L"двадцать одну " + form_of(L"копейка", 4)},
        {L"2", 4, kopecks, L"двадцать" + blanks(2) + form_of(L"копейки", 2)},
        {L"02", 1, kopecks, L"две " + form_of(L"копейка", 2)},
        {L"5", 1, kopecks, L"пятьдесят" + blanks(2) + form_of(L"копейки", 2)},
        {L"123", 1, kopecks, L"двенадцать " + form_of(L"копейки", 2)},
    });
}

TEST(NumberWords, ZerosReadAsNoughtOfTheirKindAndOddInputIsSafe) {
    const std::wstring nought = form_of(L"ноль", 1);
    expect_spelled({
        {L"0", 1, plain, nought}, {L"0", 1, integer_part, nought + L" целых "}, {L"000", 1, rubles, nought + L" рублей"},
        {L"00", 1, kopecks, nought + L" копеек"}, {L"0", 2, plain, form_of(L"ноль", 2)}, {L"", 1, fraction_part, L""},
        {L"  ", 1, kopecks, L""}, {L"4x", 1, plain, L"сорок"},  // other characters count as zero
    });
    // Cases outside one to six act as the nominative.
    for (int c : {0, -2, 7, 1000})
        expect_spelled({{L"42", c, plain, L"сорок два"}, {L"2", c, integer_part, L"две целых"}});
}
