// Amounts the library's templates compute, as their print reads: rounded to
// the cent or the kopeck, the carry included, while a typed amount is cut.
// (The figures are grouped by thin spaces, and a no-break space keeps руб.)
// And a library copy an older version left without its fields' units reads
// terms as it did, while a field its money forms print stays money.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "support/temp_folder.h"
#include "tools/brikc/brik_io.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/visible_text.h"
#include "ui/editing/field_conditions.h"

namespace {

using typed_values = std::vector<std::pair<std::wstring, std::wstring>>;

std::wstring printed_with(engine::document& doc, int language, const typed_values& values) {
    for (const auto& [field, value] : values) library::type_value(doc, field, value);
    const engine::view_state view{.language = language};
    ui::reevaluate_field_conditions(doc, view, -1);
    return golden::collapse_blanks(golden::visible_text(engine::to_print_html(doc, view)));
}

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
        const std::wstring text = printed_with(doc, l.language, c.values);
        for (const std::wstring& line : c.lines)
            EXPECT_NE(text.find(line), std::wstring::npos) << engine::to_utf8(line) << "\n in \n"
                                                           << engine::to_utf8(text);
    }
}

// Every field of an older copy names no unit: a term or a share reads as
// it always did («3 месяца» once printed ______ months), a field printed as
// money stays money («3 месяца» is no salary there either).
TEST(LibraryMoney, AnOlderCopyWithoutUnitsReadsTermsAsBeforeAndMoneyAsMoney) {
    struct older_case {
        std::wstring name;
        typed_values values;
        std::vector<std::wstring> lines;
    };
    const older_case cases[] = {
        {L"Кадры/Трудовой договор",
         {{L"Испытание", L"3 месяца"},
          {L"Отпуск", L"28 календарных дней"},
          {L"Оклад", L"3 месяца"}},
         {L"испытание сроком 3 (три) месяца.", L"отпуск — 28 (двадцать восемь) календарных дней",
          L"оклад ______\u00a0руб. (______ рублей) в месяц."}},
        {L"Договоры/Договор оказания услуг",
         {{L"Аванс", L"30%"}},
         {L"авансом 30% (тридцать процентов)"}},
    };
    const library::language_tree& l = library::languages[1];
    fixture::temp_folder scratch;
    const std::regex unit_line("\n *unit: [^\n]*");
    for (const older_case& c : cases) {
        SCOPED_TRACE(engine::to_utf8(c.name));
        const std::string source = fixture::read_bytes(library::source_of(l, c.name));
        const std::string older = std::regex_replace(source, unit_line, "");
        ASSERT_NE(older, source);
        const std::filesystem::path copy = scratch.file("older.brik");
        ASSERT_TRUE(brikc::write_brik(
            brikc::compile_source(
                older, brikc::shared_files_beside(library::source_of(l, c.name), library::sources)),
            copy));
        engine::document doc(fixture::engine_path(copy), l.language);
        ASSERT_TRUE(doc.loaded());
        const std::wstring text = printed_with(doc, l.language, c.values);
        for (const std::wstring& line : c.lines)
            EXPECT_NE(text.find(line), std::wstring::npos) << engine::to_utf8(line) << "\n in \n"
                                                           << engine::to_utf8(text);
    }
}

}  // namespace
