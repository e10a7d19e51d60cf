// The place a Russian document was made in, as the templates' shared place
// text prints what a clerk types: «г.» before a town's name only.
#include <gtest/gtest.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "tools/brikc/library_trees.h"
#include "tools/golden_text/visible_text.h"

namespace {

TEST(LibraryPlaces, OnlyATownGetsItsAbbreviationAndThePartBeforeTheFirstCommaDecides) {
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> places[] = {
        // Garden partnerships, regions and districts, any letter case.
        {L"СНТ «Ромашка»", L"СНТ «Ромашка»"}, {L"снт Ромашка", L"снт Ромашка"},
        {L"ДНП «Лесное»", L"ДНП «Лесное»"}, {L"садовое товарищество «Урожай»", L"садовое товарищество «Урожай»"},
        {L"Московская обл., г. Балашиха", L"Московская обл., г. Балашиха"},
        {L"м.о. Балашиха", L"м.о. Балашиха"}, {L"м. о. Балашиха", L"м. о. Балашиха"},
        {L"Ханты-Мансийский АО", L"Ханты-Мансийский АО"}, {L"Ленинский р-н", L"Ленинский р-н"},
        {L"городской округ Балашиха", L"городской округ Балашиха"},
        {L"Республика Татарстан, г. Казань", L"Республика Татарстан, г. Казань"},
        // «Починок» alone is a town; another settlement word alone is not.
        {L"Починок", L"г.\u00a0Починок"}, {L"Починок, Смоленская обл.", L"г.\u00a0Починок, Смоленская обл."},
        {L"починок Ивановский", L"починок Ивановский"}, {L"Выселки", L"Выселки"},
        // Towns and villages as before, a region after a town's comma too.
        {L"Москва", L"г.\u00a0Москва"}, {L"г. Москва", L"г. Москва"}, {L"г Тула", L"г Тула"},
        {L"д. Петровка", L"д. Петровка"}, {L"пос. Кузьмоловский", L"пос. Кузьмоловский"},
        {L"С.-Петербург", L"г.\u00a0С.-Петербург"}, {L"Ст. Оскол", L"г.\u00a0Ст. Оскол"},
        {L"Н. Новгород", L"г.\u00a0Н. Новгород"}, {L"Нижний Новгород", L"г.\u00a0Нижний Новгород"},
        {L"Сочи", L"г.\u00a0Сочи"}, {L"Селятино", L"г.\u00a0Селятино"},
        {L"Казань, Республика Татарстан", L"г.\u00a0Казань, Республика Татарстан"},
        {L"г. Казань, Республика Татарстан", L"г. Казань, Республика Татарстан"},
        {L"Балашиха, Московская обл.", L"г.\u00a0Балашиха, Московская обл."}};
    // clang-format on
    // The template's own «г.» is held to the name by a no-break space.
    const library::language_tree& l = library::languages[1];
    engine::document doc(library::wide(library::built_of(l, L"Договоры/Договор купли-продажи")),
                         l.language);
    ASSERT_TRUE(doc.loaded());
    const engine::view_state view{.language = l.language};
    for (const auto& [typed, printed] : places) {
        library::type_value(doc, L"Город", typed);
        const std::wstring text =
            golden::collapse_blanks(golden::visible_text(engine::to_print_html(doc, view)));
        EXPECT_NE(text.find(L"\n" + std::wstring(printed) + L", "), std::wstring::npos)
            << engine::to_utf8(typed) << "\n in \n"
            << engine::to_utf8(text.substr(0, 120));
    }
}

}  // namespace
