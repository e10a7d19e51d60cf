// A noun counted by a decimal names a part of one: the genitive singular in
// every case, whatever the integer part ends in. Whole numbers keep their
// forms.
#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

using CountedAfterDecimal = engine::testing::parameter_document;

TEST_F(CountedAfterDecimal, TheNounTakesTheGenitiveSingularInEveryCase) {
    view.language = 1;
    // clang-format off
    const struct { const wchar_t *count, *source, *text; } counts[] = {
        {L"33,33", L"{Число}% ({прописью:Число} {Число:процент})",
         L"33,33% (тридцать три целых тридцать три сотых процента)"},
        {L"0,5", L"{Число} ({прописью:Число}) {Число:месяц}", L"0,5 (ноль целых пять десятых) месяца"},
        {L"2,5", L"{Число} ({прописью:Число}) {Число:календарный день}",
         L"2,5 (две целых пять десятых) календарного дня"},
        {L"2,5", L"{д:прописью:Число} {д:Число:календарный день}", L"двум целым пяти десятым календарного дня"},
        {L"0,5", L"{Число} {т:Число:календарный день}", L"0,5 календарного дня"},
        {L"1,5", L"{р:Число:рабочая неделя}", L"рабочей недели"},
        // Whole numbers.
        {L"2", L"{Число} {Число:календарный день}", L"2 календарных дня"},
        {L"5", L"{Число} {Число:календарный день}", L"5 календарных дней"},
        {L"21", L"{д:Число:календарный день}", L"календарному дню"},
        {L"33", L"{Число:процент}", L"процента"},
        {L"1000", L"{т:Число:день}", L"дней"},
    };
    // clang-format on
    for (const auto& c : counts) {
        add_field(L"Число", c.count);
        EXPECT_EQ(run(c.source), c.text) << c.count << " " << c.source;
        doc.data->parameters.groups.clear();
    }
}
