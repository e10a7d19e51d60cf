// Money the template computed is rounded to the hundredth, half away from
// zero, on the digits of its text; money the user typed keeps the cut.
#include <string>

#include "engine/fields/parameter_fixture.h"

using namespace engine;

namespace {

const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";

struct money_case {
    int language;
    std::wstring amount;  // an assignment to x, or a typed value of x
    std::wstring figures;
    std::wstring format;
    std::wstring words;
};

class ComputedMoney : public engine::testing::parameter_document {
protected:
    // x in figures, grouped and in words, after `before` ran.
    void expect_money(const money_case& c, const std::wstring& before) {
        view.language = c.language;
        const bool russian = c.language == 1;
        const std::wstring figures = russian ? L"{валюта:x}" : L"{currency:x}";
        const std::wstring format = russian ? L"{формат:x}" : L"{format:x}";
        const std::wstring words = russian ? L"{валюта прописью:x}" : L"{currency in words:x}";
        EXPECT_EQ(run(before + figures + L"|" + format + L"|" + words),
                  c.figures + L"|" + c.format + L"|" + c.words)
            << c.amount;
    }
};

}  // namespace

TEST_F(ComputedMoney, VatAndProductsRoundToTheHundredthAndTypedAmountsKeepTheCut) {
    add_fields({{L"Итого", L"100000"}, {L"Ставка", L"20"}});
    const money_case computed[] = {
        // VAT within a total: total × rate / (100 + rate).
        {1, L"Итого * Ставка / (100 + Ставка)", nowrap + L"16&thinsp;666,67</span>&nbsp;руб.",
         nowrap + L"16&thinsp;666,67</span>",
         L"шестнадцать тысяч шестьсот шестьдесят шесть рублей 67 копеек"},
        {1, L"100000 * 10 / 110", nowrap + L"9&thinsp;090,91</span>&nbsp;руб.",
         nowrap + L"9&thinsp;090,91</span>", L"девять тысяч девяносто рублей 91 копейка"},
        {1, L"1000 * 20 / 120", nowrap + L"166,67</span>&nbsp;руб.", nowrap + L"166,67</span>",
         L"сто шестьдесят шесть рублей 67 копеек"},
        {1, L"999,99 * 10 / 110", nowrap + L"90,91</span>&nbsp;руб.", nowrap + L"90,91</span>",
         L"девяносто рублей 91 копейка"},
        {1, L"1001 * 20 / 120", nowrap + L"166,83</span>&nbsp;руб.", nowrap + L"166,83</span>",
         L"сто шестьдесят шесть рублей 83 копейки"},
        // Two decimals or fewer stay as they are.
        {1, L"12345 * 20 / 120", nowrap + L"2&thinsp;057,50</span>&nbsp;руб.",
         nowrap + L"2&thinsp;057,50</span>", L"две тысячи пятьдесят семь рублей 50 копеек"},
        {1, L"2,5 * 33,33", nowrap + L"83,33</span>&nbsp;руб.", nowrap + L"83,33</span>",
         L"восемьдесят три рубля 33 копейки"},
        {1, L"0 - 2,5 * 33,33", nowrap + L"-83,33</span>&nbsp;руб.", nowrap + L"-83,33</span>",
         L"минус восемьдесят три рубля 33 копейки"},
        // The carry reaches the integer part.
        {1, L"19,999 * 5", nowrap + L"100,00</span>&nbsp;руб.", nowrap + L"100,00</span>",
         L"сто рублей 00 копеек"},
        {0, L"2.5 * 33.33", nowrap + L"$83.33</span>", L"83.33",
         L"eighty-three dollars and thirty-three cents"},
        {0, L"100000 * 20 / 120", nowrap + L"$16,666.67</span>", L"16,666.67",
         L"sixteen thousand six hundred sixty-six dollars and sixty-seven cents"},
        {0, L"1.333 * 3", nowrap + L"$4.00</span>", L"4.00", L"four dollars and zero cents"},
        {0, L"0.995 * 1", nowrap + L"$1.00</span>", L"1.00", L"one dollar and zero cents"},
    };
    for (const money_case& c : computed) expect_money(c, L"{x = " + c.amount + L"}");

    // The same amounts typed by the user are cut after the second decimal.
    doc_record& typed = add_field(L"x", L"");
    const money_case typed_amounts[] = {
        {1, L"16666,666667", nowrap + L"16&thinsp;666,66</span>&nbsp;руб.",
         nowrap + L"16&thinsp;666,66</span>",
         L"шестнадцать тысяч шестьсот шестьдесят шесть рублей 66 копеек"},
        {1, L"99,995", nowrap + L"99,99</span>&nbsp;руб.", nowrap + L"99,99</span>",
         L"девяносто девять рублей 99 копеек"},
        {0, L"83.325", nowrap + L"$83.32</span>", L"83.32",
         L"eighty-three dollars and thirty-two cents"},
    };
    for (const money_case& c : typed_amounts) {
        typed.s2 = c.amount;
        expect_money(c, L"");
    }
}
