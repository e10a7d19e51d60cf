// Amounts the library's templates compute, as their print reads: rounded to
// the cent or the kopeck, the carry included, while a typed amount is cut.
// (The figures are grouped by thin spaces, and a no-break space keeps руб.)
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/visible_text.h"
#include "ui/editing/field_conditions.h"

namespace {

TEST(LibraryMoney, ComputedAmountsAreRoundedAndTypedOnesCut) {
    struct money_case {
        int language;
        std::wstring name;
        std::vector<std::pair<std::wstring, std::wstring>> values;
        std::vector<std::wstring> lines;
    };
    const money_case cases[] = {
        {1,
         L"Формы/Акт сдачи-приёмки",
         {{L"Работа", L"100000"}, {L"Материалы", L"0"}, {L"Ставка", L"20"}},
         {L"в том числе НДС | 16\u2009666,67",
          L"в том числе НДС 20% в сумме 16\u2009666,67\u00a0руб. (шестнадцать тысяч шестьсот "
          L"шестьдесят "
          L"шесть рублей 67 копеек)."}},
        {0,
         L"Agreements/Sales Agreement",
         {{L"Quantity", L"2.5"}, {L"Price", L"33.33"}},
         {L"The total price is $83.33 (eighty-three dollars and thirty-three cents)"}},
        // 0.5 hours at a typed 0.333 (cut to 0.33) make 0.1665, rounded to 0.17.
        {0,
         L"Forms/Invoice",
         {{L"Hours", L"0.5"}, {L"Rate", L"0.333"}, {L"Travel", L"0.99"}},
         {L"| 0.5 | €0.33 | €0.17", L"travel expenses | €0.99", L"Total due | €1.16",
          L"one euro and sixteen cents"}},
        {0,
         L"Forms/Invoice",
         {{L"Hours", L"5"}, {L"Rate", L"19.999"}, {L"Travel", L"0"}},
         {L"| 5 | €19.99 | €100.00", L"Total due | €100.00"}},
    };
    for (const money_case& c : cases) {
        const library::language_tree& l = library::languages[c.language];
        engine::document doc(library::wide(library::built_of(l, c.name)), l.language);
        ASSERT_TRUE(doc.loaded()) << engine::to_utf8(c.name);
        for (const auto& [field, value] : c.values) library::type_value(doc, field, value);
        const engine::view_state view{.language = l.language};
        ui::reevaluate_field_conditions(doc, view, -1);
        const std::wstring text =
            golden::collapse_blanks(golden::visible_text(engine::to_print_html(doc, view)));
        for (const std::wstring& line : c.lines)
            EXPECT_NE(text.find(line), std::wstring::npos) << engine::to_utf8(line) << "\n in \n"
                                                           << engine::to_utf8(text);
    }
}

}  // namespace
