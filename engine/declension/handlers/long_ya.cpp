// Words of five or more letters in -я: feminine nouns, neuters in -мя,
// plurals in -ья and -ия, adjectives used as nouns, and the reflexive
// participles, which decline by replacing their ending.
#include <array>
#include <utility>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

enum own_id {
    masculine_participle,
    feminine_participle,
    neuter_participle,
    plural_participle,
    guns
};

constexpr own_forms k_own_forms[] = {
    {4, {L"ийся", L"егося", L"емуся", L"ийся", L"имся", L"емся"}},
    {4, {L"аяся", L"ейся", L"ейся", L"уюся", L"ейся", L"ейся"}},
    {4, {L"ееся", L"егося", L"емуся", L"ееся", L"имся", L"емся"}},
    {4, {L"иеся", L"ихся", L"имся", L"иеся", L"имися", L"ихся"}},
    {2, {L"ья", L"ей", L"ьям", L"ья", L"ьями", L"ьях"}},
};

constexpr int own(own_id id) { return own_outcome + id; }

// Rows keep the dictionary's order and spelling; the rows of own forms follow.
// clang-format off
constexpr rule_row k_rows[] = {
    {L"-годня", keep_word, 0, not_stored},
    {L"-судья", 44, 1, not_stored},
    {L"-одя, -едуля, -апуля", 44, 1, 1},
    {L"-[джзлмнпрстхцчш]ея, -тезя, -ойя, -уйя, -[абвиклмптфю]ля, -еля, -оля, -[авгежзиймопрстухшыь]ня,"
        L" -дня, -дря, -еря, -оря, -леся, -уся, -стя, -руя, -туя, -шуя, -дья, -лья, -мья, -нья, -рья, -тья,"
        L" -фья, -чья", 44, 2, not_stored},
    {L"-уля", 44, 2, 1},
    {L"-амя, -емя", 47, 3, not_stored},
    {L"-нделя, -кселя, -уфеля, -ополя, -агеря, -якоря", 52, 4, not_stored},
    {L"-банья, -канья, -сья, -ретья", 53, 2, not_stored},
    {L"-бья, -вья, -жья, -дилья", 53, 4, not_stored},
    {L"-ребья, -ревья, -здья, -одья, -[оуы]лья, -комья, -енья, -пья, -ерья, -лосья, -мотья, -истья, -рутья,"
        L" -очья, -учья", 71, 4, not_stored},
    {L"-[бвгдзклмнпрстх]ая, -ужая, -цая, -ьшая", 84, 2, not_stored},
    {L"-[чщ]ая, -жая, -ицая, -шая", 85, 2, not_stored},
    {L"-еяя, -няя", 86, 2, not_stored},
    {L"-[гжкпфхц]ия, -ф?бия, -ербия, -давия, -равия, -ливия, -иквия, -атвия, -дия, -зия, -лия, -мия,"
        L" -дания, -мания, -пания, -рания, -итания, -френия, -линия, -олния, -гония, -лония, -мония, -рония,"
        L" -тония, -фония, -ерния, -осния, -мыния, -рия, -сия, -тия, -естия (word of exactly six letters)", 87, 2, not_stored},
    {L"-рмения", 87, 2, 0},
    {L"-агния, -вгения, -сения, -лерия", 87, 2, 1},
    {L"-вразия", 87, 4, not_stored},
    {L"-бия, -вия, -чадия, -ледия, -ездия, -годия, -рудия, -разия, -делия, -жилия, -силия, -зумия, -ния,"
        L" -брания, -шария, -верия, -ласия, -жатия, -чатия, -ветия, -летия, -жития, -астия,"
        L" -естия (any other length), -рстия, -бытия, -иятия, -лятия, -нятия, -пятия, -ъятия, -чия", 88, 4, not_stored},
    {L"-новья, -мужья, -зья", 89, 4, 1},
    {L"-латья, -зятья", 90, 4, not_stored},
    {L"-мовья, -ратья", 90, 4, 1},
    {L"-думья, -денья, -ченья, -линья, -астья, -естья, -ястья, -вчья, -ечья, -ичья, -лчья", 109, 4, not_stored},
    {L"-мбеля", 170, 4, not_stored},
    {L"-ителя", 170, 4, 1},
    // The participles match only with ш or щ before their ending.
    {L"-[шщ]ийся", own(masculine_participle), 1, not_stored},
    {L"-[шщ]аяся", own(feminine_participle), 2, not_stored},
    {L"-[шщ]ееся", own(neuter_participle), 3, not_stored},
    {L"-[шщ]иеся", own(plural_participle), 4, not_stored},
    {L"-ружья", own(guns), 4, not_stored},
};
// clang-format on

}  // namespace

const rule_table& long_ya_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_ya(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_ya_rules(), std::move(word), c, gender, animate, k_own_forms);
}

}  // namespace engine
