// Words of five or more letters in -е: neuter nouns, neuter and plural
// adjectives, plurals in -ане/-яне, the numeral четыре and indeclinables.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// Neuter adjectives in -ее and -ое and the numeral in -етыре: the ending of
// one case depends on the letter before it.
constexpr int k_adjective_endings = 0;

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-[бвдзлмпрст]ие, -ружие, -[аеоуыя]ние, -чиние, -[др]ечие, -л[иу]чие, -[мт]очие,"
        L" -вучие (word does not begin with ж), -зычие, -ра[чш]ие, -тишие, -душие", 105, 3, not_stored},
    {L"-[гкнхчшщ]ие, -[бвдзлмнпрстц]ые", 78, 4, from_input},
    {L"-жие, -вучие (word begins with ж)", 78, 3, from_input},
    {L"-анные", 78, 4, 0},
    {L"-оле, -ребье, -добье, -[вджлмнпрстчш]ье", 79, 3, not_stored},
    {L"-бье, -ражье, -вежье, -божье", 81, 3, not_stored},
    {L"-ретье", 81, not_stored, not_stored},
    {L"-[ая]не", 106, 4, not_stored},
    {L"-бояре", 106, 3, not_stored},
    {L"-[вдинрть]це, -ище", 107, 3, not_stored},
    {L"-[ежнчшщ]ее, -[бвгджзклмнпрстхцш]ое, -етыре", special_outcome + k_adjective_endings, not_stored, not_stored},
    {L"-фле, -[осш]не, -ливье, -телье", keep_word, 3, not_stored},
    {L"-сонье, -тюрье, -ортье", keep_word, 1, 1},
};
// clang-format on

constexpr own_forms k_ee = {2, {L"ее", L"его", L"ему", L"ее", L"им", L"ем"}};
// After е the accusative takes the genitive form.
constexpr own_forms k_ee_after_e = {2, {L"ее", L"его", L"ему", L"его", L"им", L"ем"}};
constexpr own_forms k_oe_hard = {2, {L"ое", L"ого", L"ому", L"ое", L"ым", L"ом"}};
// After г ж к х ш Russian spelling writes и, not ы.
constexpr own_forms k_oe_after_velar = {2, {L"ое", L"ого", L"ому", L"ое", L"им", L"ом"}};
constexpr own_forms k_chetyre = {1, {L"е", L"ех", L"ем", L"е", L"ьмя", L"ех"}};

bool is_velar_or_hushing(wchar_t letter) {
    return letter == L'г' || letter == L'ж' || letter == L'к' || letter == L'х' || letter == L'ш';
}

std::wstring decline_adjective_ending(std::wstring word, int c, std::uint32_t* gender) {
    const own_forms* forms = &k_chetyre;
    std::uint32_t stored = 4;
    if (letter_from_end(word, 2) == L'е') {
        forms = letter_from_end(word, 3) == L'е' ? &k_ee_after_e : &k_ee;
        stored = 3;
    } else if (letter_from_end(word, 2) == L'о') {
        forms = is_velar_or_hushing(letter_from_end(word, 3)) ? &k_oe_after_velar : &k_oe_hard;
        stored = 3;
    }
    word = apply_own_forms(*forms, std::move(word), c);
    if (gender) *gender = stored;
    return word;
}

}  // namespace

const rule_table& long_e_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_e(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_e_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_adjective_endings)
        return decline_adjective_ending(std::move(word), c, gender);
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
