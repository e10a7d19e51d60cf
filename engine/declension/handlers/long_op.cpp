// Words of five or more letters in -о (neuter nouns, collective and hundreds
// numerals, ничто and никто, indeclinables) and in -п (masculine nouns).
#include <array>
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

constexpr int k_nichto = 0;
constexpr int k_nikto = 1;

// clang-format off
constexpr rule_row k_o_rows[] = {
    {L"-лечо, -льцо, -ясцо, -ерцо, -енцо, -инцо, -мецо, -тецо, -ьецо, -евцо, -ивцо, -овцо, -иэхо, -юэхо,"
        L" -пыто, -есто, -лото, -шето, -лато, -лесо, -росо, -ебро, -обро, -авро, -евро, -едро, -ядро,"
        L" -зеро, -утро, -отно, -ятно, -ерно, -упно, -амно, -умно, -окно, -укно, -узно, -вено, -лено,"
        L" -тено, -шено, -удно, -авно, -евно, -еймо, -льмо, -рьмо, -сьмо, -еяло, -рыло, -ышло, -ахло,"
        L" -ухло, -итло, -асло, -есло, -исло, -усло, -ысло, -рло, -епло, -опло, -упло, -амло, -екло, -ойло,"
        L" -уйло, -шило, -чило, -тило, -рило, -пило, -нило, -мило, -зило, -дило, -вило, -било, -дело,"
        L" -мело, -тело, -чело, -адло, -едло, -идло, -ыдло, -ягло, -бло, -чало, -цало, -хало, -рало, -пало,"
        L" -кало, -гало, -вало, -ишко, -ошко, -ышко, -юшко, -ачко, -ечко, -ичко, -очко, -отко, -ятко,"
        L" -йско, -яско, -ерко, -ёрко, -локо, -сико, -чико, -леко, -евко, -ивко, -лако, -лезо, -тадо,"
        L" -ездо, -льдо, -людо, -лаго, -раво, -жево, -рево, -зиво, -ливо, -ниво, -сиво, -тиво, -гово,"
        L" -лово, -ство", 59, 3, not_stored},
    {L"-тверо, -емеро, -ьмеро, -стеро, -ятеро", 131, 3, not_stored},
    {L"-аново, -ерово", 60, 3, not_stored},
    {L"тристо (6 letters)", 96, 4, not_stored},
    {L"четыресто (9 letters)", 97, 4, not_stored},
    {L"девяносто (9 letters)", 136, 4, not_stored},
    {L"ничто (5 letters)", special_outcome + k_nichto, 3, not_stored},
    {L"никто (5 letters)", special_outcome + k_nikto, 3, not_stored},
    {L"-[эюяё-#]то, -льто, -ъто, -щто, -што, -цто, -хто, -фто, -уто, -тто, -рто, -пто, -анто, -мто,"
        L" -лто, -йто, -ито, -зто, -жто, -дто, -гто, -вто, -бто,"
        L" -но not after в, г, д, е, ж, з, и, й, к, л, м, н, о, п, р, с, т, -сно, -оно, -нно, -лно, -йно,"
        L" -ино, -жно, -гно, -мо not after й, ь, -рико", keep_word, 3, not_stored},
};
// clang-format on

// clang-format off
constexpr rule_row k_p_rows[] = {
    {L"-отяп, -ощуп, -липп, -троп, -опоп, -клоп, -олоп, -лекоп, -докоп, -ископ, -фиоп, -рхип, -шнеп,"
        L" -шлеп, -отрап, -стап, -ацап", 55, 1, 1},
    {L"-альп, -асып, -есып, -исып, -осып, -ссып, -тчуп, -ступ, -труп, -уруп, -тлуп, -улуп, -ыкуп, -ткуп,"
        L" -икуп, -екуп, -дкуп, -акуп, -рапп, -рипп, -итоп, -отоп, -стоп, -ироп, -кроп, -алоп, -хлоп,"
        L" -дкоп, -екоп not after л, -йкоп, -окоп not after д, -скоп not after и, -тамп, -лимп, -толп,"
        L" -тайп, -олип, -хлип, -крип, -атип, -дтип, -етип, -отип, -нцип, -ищеп, -сщеп, -тщеп, -ацеп,"
        L" -ицеп, -тцеп, -ртеп, -ереп, -креп, -клеп, -вдеп, -икап", 54, 1, 0},
    {L"-улап, -трап not after о", 54, 1, 1},
};
// clang-format on

// The prepositional takes its preposition inside the pronoun; a no-break
// space keeps the three parts on one line and survives case mapping.
constexpr std::array<const wchar_t*, 6> k_nichto_forms = {
    L"ничто", L"ничего", L"ничему", L"ничего", L"ничем", L"ни\u00A0о\u00A0чем"};
constexpr std::array<const wchar_t*, 6> k_nikto_forms = {
    L"никто", L"никого", L"никому", L"никого", L"никем", L"ни\u00A0о\u00A0ком"};

}  // namespace

const rule_table& long_o_rules() {
    static const rule_table table(k_o_rows);
    return table;
}
const rule_table& long_p_rules() {
    static const rule_table table(k_p_rows);
    return table;
}

// The animacy slot is neither read nor written: these words are all neuter
// or plural.
std::wstring decline_long_o(std::wstring word, int c, std::uint32_t* gender, std::uint32_t*) {
    const rule_row* row = long_o_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_nichto || row->outcome == special_outcome + k_nikto) {
        const auto& forms =
            row->outcome == special_outcome + k_nichto ? k_nichto_forms : k_nikto_forms;
        if (c >= 1 && c <= 6) word = forms[std::size_t(c - 1)];
        store_row_values(*row, gender, nullptr);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, nullptr);
}

std::wstring decline_long_p(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_p_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
