// A date field whose text is no date in the document's language (an
// impossible day, another language's month, digits typed after the year)
// reads as an empty date field in every form and condition; only the
// reference without a form shows the text, exactly as typed.
#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

using DatesThatAreNoDates = engine::testing::parameter_document;

TEST_F(DatesThatAreNoDates, EveryFormIsEmptyTheConditionFalseAndOnlyThePlainReferenceShowsTheText) {
    constexpr std::uint16_t date_type = 1;
    // The plain reference, every form, a condition and days counted from it.
    const wchar_t* russian_forms =
        L"{дата}|{длинная:дата}|{короткая:дата}|{формат:дата}|{день:дата}|{месяц:дата}|"
        L"{месяц прописью:дата}|{прописью:дата}|{год:дата}|{ЕСЛИ дата ТО \"есть\" ИНАЧЕ \"нет\"}|"
        L"{дата + 30}";
    const wchar_t* english_forms =
        L"{date}|{long:date}|{short:date}|{формат:date}|{day:date}|{day th:date}|{month:date}|"
        L"{month in words:date}|{in words:date}|{year:date}|{IF date THEN \"yes\" ELSE \"no\"}|"
        L"{date + 30}";
    // clang-format off
    const struct { int language; const wchar_t* value; bool is_date; const wchar_t* text; } cases[] = {
        {1, L"29.02.2027", false, L"29.02.2027|||||||||нет|"},
        {1, L"31.06.2026", false, L"31.06.2026|||||||||нет|"},
        {1, L"March 2, 2026", false, L"March 2, 2026|||||||||нет|"},
        {1, L"16.02.2026 Z356", false, L"16.02.2026 Z356|||||||||нет|"},
        {1, L"16.02.2026 356", false, L"16.02.2026 356|||||||||нет|"},
        {1, L"05.01.12024", false, L"05.01.12024|||||||||нет|"},
        {0, L"2/30/2026", false, L"2/30/2026||||||||||no|"},
        {1, L"2026-02-30", false, L"2026-02-30|||||||||нет|"},
        {0, L"30 February 2026", false, L"30 February 2026||||||||||no|"},
        {0, L"February 16, 2026 Z356", false, L"February 16, 2026 Z356||||||||||no|"},
        {0, L"March 2, 2026 Z594", false, L"March 2, 2026 Z594||||||||||no|"},
        // Valid dates, letters after the year included, in every form.
        {1, L"02.03.2026", true,
         L"02.03.2026|02&thinsp;марта <span style=\"white-space:nowrap\">2026&thinsp;г.</span>|02.03.2026|"
         L"«02»&thinsp;марта 2026&thinsp;г.|02|03|марта|второе марта две тысячи двадцать шестого года|2026|есть|"
         L"01.04.2026"},
        {1, L"16 февраля 2026 г.", true,
         L"16 февраля 2026 г.|16&thinsp;февраля <span style=\"white-space:nowrap\">2026&thinsp;г.</span>|"
         L"16.02.2026|«16»&thinsp;февраля 2026&thinsp;г.|16|02|февраля|"
         L"шестнадцатое февраля две тысячи двадцать шестого года|2026|есть|18.03.2026"},
        // Typed year first, in either language.
        {1, L"2026-12-07", true,
         L"2026-12-07|07&thinsp;декабря <span style=\"white-space:nowrap\">2026&thinsp;г.</span>|07.12.2026|"
         L"«07»&thinsp;декабря 2026&thinsp;г.|07|12|декабря|седьмое декабря две тысячи двадцать шестого года|"
         L"2026|есть|06.01.2027"},
        {0, L"2026-03-01", true,
         L"2026-03-01|March 1, 2026|3/1/2026|1st day of March, 2026|1|1st|3|March|March/1st 2026|2026|yes|"
         L"3/31/2026"},
        {0, L"March 2, 2026", true,
         L"March 2, 2026|March 2, 2026|3/2/2026|2nd day of March, 2026|2|2nd|3|March|March/2nd 2026|2026|"
         L"yes|4/1/2026"},
    };
    // clang-format on
    for (const auto& c : cases) {
        view.language = c.language;
        add_field(c.language ? L"Дата" : L"Date", c.value).a = date_type;
        EXPECT_EQ(run(c.language ? russian_forms : english_forms), c.text) << c.value;
        // A field's display condition on it.
        EXPECT_EQ(test(c.language ? L"{Дата}" : L"{Date}"), c.is_date) << c.value;
        doc.data->parameters.groups.clear();
    }
}
