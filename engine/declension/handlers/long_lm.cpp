// Words of five or more letters in -л and -м: masculine nouns, those in -ел,
// -ол and -ёл with a fleeting vowel among them.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// посол keeps its о only in the nominative: посла, послу.
constexpr int k_posol = 0;
constexpr own_forms k_l_forms[] = {
    {2, {L"ол", L"ла", L"лу", L"ла", L"лом", L"ле"}},
};

// clang-format off
constexpr rule_row k_l_rows[] = {
    {L"-[бдрхш]ал, -[сш]акал, -ди[кн]ал, -ципал, -ктуал, -гел, -одел, -карел, -вос[её]л, -[абгджирфц]ил,"
        L" -ирилл, -уйвол, -ьявол, -онгол, -остол, -есаул, -ракул, -онсул", 55, 1, 1},
    {L"-[вгежзикмнпстуфч]ал, -андал, -нерал (word begins with м), -[бвдкпр]ел, -[змнпст]ил, -икл,"
        L" -[аеио]лл, -[бгдезиклмнпрсту]ол, -ысл, -[агкмнпстх]ул, -[бпрс]ыл", 54, 1, 0},
    {L"-павел, -дятел, -коз[её]л", 66, 1, 1},
    {L"-[зст]ел, -вол, -тёл", 65, 1, 0},
    {L"-щегол", 67, 1, 1},
    {L"-хол", 67, 1, 0},
    {L"-посол", own_outcome + k_posol, 1, 1},
    {L"-[зс]ёл", keep_word, 1, not_stored},
};
// clang-format on

// clang-format off
constexpr rule_row k_m_rows[] = {
    {L"-ефрем, -арт[её]м, -рувим, -вадим, -доким, -халим, -ноним, -игрим, -аксим, -рртим, -отчим,"
        L" -ав[дк]ом, -роном, -арпом, -натом, -ндарм, -одум, -тосум, -идуум, -лям", 55, 1, 1},
    {L"-[рт]ем, -[авджзклнрстцч]им, -[дкнпт]ом, -[аоу]рм, -осм, -и[тф]м, -[адезиклмнорсту]ум, -л[ыь]м,"
        L" -т[юё]м", 54, 1, 0},
    {L"-[зилмнрст]ам, -[адзилоъ]ем, -[аи]зм, -а[йлм]м, -[блр]ом, -[азиоъ]ём", 54, 1, not_stored},
    {L"-зза[ейё]м, -[де]на[ейё]м", 64, 1, not_stored},
};
// clang-format on

}  // namespace

const rule_table& long_l_rules() {
    static const rule_table table(k_l_rows);
    return table;
}
const rule_table& long_m_rules() {
    static const rule_table table(k_m_rows);
    return table;
}

std::wstring decline_long_l(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_l_rules(), std::move(word), c, gender, animate, k_l_forms);
}

std::wstring decline_long_m(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_m_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
