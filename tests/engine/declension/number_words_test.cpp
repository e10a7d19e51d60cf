#include <gtest/gtest.h>

#include <string>

#include "engine/declension/number_words.h"
#include "tests/engine/declension/declension_test_support.h"

namespace engine {
namespace {

constexpr int plain = 0;
constexpr int integer_part = number_kind_integer_part;
constexpr int fraction_part = number_kind_fraction_part;
constexpr int rubles = number_kind_rubles;
constexpr int kopecks = number_kind_kopecks;

// Nouns after a number are whatever decline_word makes of them.
using decl_test::form_of;

std::wstring blanks(int n) { return std::wstring(std::size_t(n), L' '); }

TEST(NumberWords, PlainNumbersInEveryCase) {
    const wchar_t* forms[6] = {L"триста сорок пять", L"трехсот сорока пяти", L"тремстам сорока пяти",
                               L"триста сорок пять", L"тремястами сорока пятью", L"трехстах сорока пяти"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(number_words_in_case(L"345", c, plain), forms[c - 1]) << c;
    EXPECT_EQ(number_words_in_case(L"3456", 2, plain), L"трех тысяч четырехсот пятидесяти шести");
    EXPECT_EQ(number_words_in_case(L"  90\t", 1, 9), L"девяносто");
}

TEST(NumberWords, BlanksOfEmptyPartsAreKept) {
    EXPECT_EQ(number_words_in_case(L"101", 1, plain), L"сто" + blanks(2) + L"один");
    EXPECT_EQ(number_words_in_case(L"1000001", 1, plain), L"один миллион" + blanks(6) + L"один");
    EXPECT_EQ(number_words_in_case(L"1000", 1, plain), L"одна тысяча");
}

TEST(NumberWords, ThousandsTakeTheFeminineAndEveryScaleItsForm) {
    EXPECT_EQ(number_words_in_case(L"2000", 1, plain), L"две тысячи");
    EXPECT_EQ(number_words_in_case(L"5000", 5, plain), L"пятью тысячами");
    EXPECT_EQ(number_words_in_case(L"21000", 1, plain), L"двадцать одна тысяча");
    EXPECT_EQ(number_words_in_case(L"2000000", 3, plain), L"двум миллионам");
    EXPECT_EQ(number_words_in_case(L"1000000000000", 6, plain), L"одном триллионе");
    EXPECT_EQ(number_words_in_case(L"5000000000000000000", 2, plain), L"пяти квинтиллионов");
}

TEST(NumberWords, TwentyDigitsAreSpelledAndTwentyOneReturned) {
    std::wstring twenty = L"99000000000000000000";
    EXPECT_EQ(number_words_in_case(twenty, 1, plain), L"девяносто девять квинтиллионов");
    std::wstring twenty_one = L"100000000000000000000";
    EXPECT_EQ(number_words_in_case(twenty_one, 1, plain), twenty_one);
    EXPECT_EQ(number_words_in_case(L" " + twenty_one, 1, plain), twenty_one);
}

TEST(NumberWords, DecimalPartsTakeTheFeminineAndTheirNoun) {
    EXPECT_EQ(number_words_in_case(L"2", 1, integer_part), L"две целых");
    EXPECT_EQ(number_words_in_case(L"2", 2, integer_part), L"двух " + form_of(L"целые", 2, 1));
    EXPECT_EQ(number_words_in_case(L"21", 1, integer_part), L"двадцать одна " + form_of(L"целая", 1));
    EXPECT_EQ(number_words_in_case(L"1", 1, fraction_part), L"одна " + form_of(L"десятая", 1));
    EXPECT_EQ(number_words_in_case(L"05", 1, fraction_part), L"пять сотых");
    EXPECT_EQ(number_words_in_case(L"125", 1, fraction_part), L"сто двадцать пять тысячных");
    EXPECT_EQ(number_words_in_case(L"3", 4, fraction_part), L"три " + form_of(L"десятые", 4, 1));
}

TEST(NumberWords, MoneyNounsFollowTheCount) {
    EXPECT_EQ(number_words_in_case(L"1", 1, rubles), L"один " + form_of(L"рубль", 1));
    EXPECT_EQ(number_words_in_case(L"2", 3, rubles), L"двум " + form_of(L"рубли", 3));
    EXPECT_EQ(number_words_in_case(L"5", 1, rubles), L"пять " + form_of(L"рубли", 2));
    EXPECT_EQ(number_words_in_case(L"21", 4, kopecks), L"двадцать одну " + form_of(L"копейка", 4));
    EXPECT_EQ(number_words_in_case(L"2", 4, kopecks), L"двадцать" + blanks(2) + form_of(L"копейки", 2));
    EXPECT_EQ(number_words_in_case(L"02", 1, kopecks), L"две " + form_of(L"копейка", 2));
    EXPECT_EQ(number_words_in_case(L"5", 1, kopecks), L"пятьдесят" + blanks(2) + form_of(L"копейки", 2));
    EXPECT_EQ(number_words_in_case(L"123", 1, kopecks), L"двенадцать " + form_of(L"копейки", 2));
}

TEST(NumberWords, ZerosReadAsNoughtOfTheirKind) {
    const std::wstring nought = form_of(L"ноль", 1);
    EXPECT_EQ(number_words_in_case(L"0", 1, plain), nought);
    EXPECT_EQ(number_words_in_case(L"0", 1, integer_part), nought + L" целых ");
    EXPECT_EQ(number_words_in_case(L"000", 1, rubles), nought + L" рублей");
    EXPECT_EQ(number_words_in_case(L"00", 1, kopecks), nought + L" копеек");
    EXPECT_EQ(number_words_in_case(L"0", 2, plain), form_of(L"ноль", 2));
    EXPECT_EQ(number_words_in_case(L"", 1, fraction_part), L"");
    EXPECT_EQ(number_words_in_case(L"  ", 1, kopecks), L"");
}

TEST(NumberWords, CasesOutsideOneToSixActAsNominativeAndOtherCharactersAsZero) {
    for (int c : {0, -2, 7, 1000}) {
        EXPECT_EQ(number_words_in_case(L"42", c, plain), L"сорок два") << c;
        EXPECT_EQ(number_words_in_case(L"2", c, integer_part), L"две целых") << c;
    }
    // Other characters count as zero.
    EXPECT_EQ(number_words_in_case(L"4x", 1, plain), L"сорок");
}

}  // namespace
}  // namespace engine
