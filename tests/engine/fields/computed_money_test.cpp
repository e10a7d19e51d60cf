// Money the template computed is rounded to the hundredth, half away from
// zero, on the digits of its text; money the user typed keeps the cut.
#include <string>

#include "engine/fields/parameter_fixture.h"

using namespace engine;

namespace {

// x's grouped amount; in figures Russian adds the rouble sign and English
// puts the dollar sign inside the no-wrap span.
struct money_case {
    int language;
    std::wstring amount;  // an assignment to x, or a typed value of x
    std::wstring grouped;
    std::wstring words;
};

class ComputedMoney : public engine::testing::parameter_document {
protected:
    // x in figures, grouped and in words, after `before` ran.
    void expect_money(const money_case& c, const std::wstring& before) {
        const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";
        view.language = c.language;
        const bool russian = c.language == 1;
        const std::wstring figures = russian ? L"{валюта:x}" : L"{currency:x}";
        const std::wstring format = russian ? L"{формат:x}" : L"{format:x}";
        const std::wstring words = russian ? L"{валюта прописью:x}" : L"{currency in words:x}";
        const std::wstring expected =
            russian ? nowrap + c.grouped + L"</span>&nbsp;руб.|" + nowrap + c.grouped + L"</span>"
                    : nowrap + L"$" + c.grouped + L"</span>|" + c.grouped;
        EXPECT_EQ(run(before + figures + L"|" + format + L"|" + words), expected + L"|" + c.words)
            << c.amount;
    }
};

}  // namespace

// clang-format off
TEST_F(ComputedMoney, VatAndProductsRoundToTheHundredthAndTypedAmountsKeepTheCut) {
    add_fields({{L"Итого", L"100000"}, {L"Ставка", L"20"}});
    const money_case computed[] = {
        // VAT within a total: total × rate / (100 + rate).
        {1, L"Итого * Ставка / (100 + Ставка)", L"16&thinsp;666,67",
         L"шестнадцать тысяч шестьсот шестьдесят шесть рублей 67 копеек"},
        {1, L"100000 * 10 / 110", L"9&thinsp;090,91", L"девять тысяч девяносто рублей 91 копейка"},
        {1, L"1000 * 20 / 120", L"166,67", L"сто шестьдесят шесть рублей 67 копеек"},
        {1, L"999,99 * 10 / 110", L"90,91", L"девяносто рублей 91 копейка"},
        {1, L"1001 * 20 / 120", L"166,83", L"сто шестьдесят шесть рублей 83 копейки"},
        // Two decimals or fewer stay as they are.
        {1, L"12345 * 20 / 120", L"2&thinsp;057,50", L"две тысячи пятьдесят семь рублей 50 копеек"},
        {1, L"2,5 * 33,33", L"83,33", L"восемьдесят три рубля 33 копейки"},
        {1, L"0 - 2,5 * 33,33", L"-83,33", L"минус восемьдесят три рубля 33 копейки"},
        // The carry reaches the integer part.
        {1, L"19,999 * 5", L"100,00", L"сто рублей 00 копеек"},
        {0, L"2.5 * 33.33", L"83.33", L"eighty-three dollars and thirty-three cents"},
        {0, L"100000 * 20 / 120", L"16,666.67", L"sixteen thousand six hundred sixty-six dollars and sixty-seven cents"},
        {0, L"1.333 * 3", L"4.00", L"four dollars and zero cents"},
        {0, L"0.995 * 1", L"1.00", L"one dollar and zero cents"},
    };
    for (const money_case& c : computed) expect_money(c, L"{x = " + c.amount + L"}");

    // The same amounts typed by the user are cut after the second decimal.
    doc_record& typed = add_field(L"x", L"");
    const money_case typed_amounts[] = {
        {1, L"16666,666667", L"16&thinsp;666,66", L"шестнадцать тысяч шестьсот шестьдесят шесть рублей 66 копеек"},
        {1, L"99,995", L"99,99", L"девяносто девять рублей 99 копеек"},
        {0, L"83.325", L"83.32", L"eighty-three dollars and thirty-two cents"},
    };
    for (const money_case& c : typed_amounts) {
        typed.s2 = c.amount;
        expect_money(c, L"");
    }
}
// clang-format on
