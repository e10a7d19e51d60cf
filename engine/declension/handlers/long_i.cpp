// Words of five or more letters in -и: nearly all plural nouns, so nearly
// every row stores gender 4. Plurals in -ки have a handler of their own; some
// plurals in -ги, -хи, -чи and -ши ask their singular whether the noun is
// animate.
#include <iterator>
#include <utility>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

enum check_id { ask_g, ask_kh, ask_ch, ask_sh };

using enum singular_check_kind;

// In check_id order.
constexpr singular_check k_checks[] = {
    {"A", animacy, decline_long_g, 8, 15},
    {"A", animacy, decline_long_kh, 8, 15},
    {"A", animacy, decline_long_ch, 19, 18},
    {"A", animacy, decline_long_sh, 19, 18},
};

constexpr int check(check_id id) { return singular_check_outcome + id; }
constexpr std::int8_t by_check = not_stored;

enum special_id { plurals_in_ki, genitive_in_en, ruts };
constexpr int special(special_id id) {
    return id == plurals_in_ki    ? long_i_plurals_in_ki
           : id == genitive_in_en ? long_i_genitive_in_en
                                  : long_i_ruts;
}

// Rows keep the dictionary's order and spelling. Two rows are split out of it
// and marked: -леи (колеи has a genitive of its own) and the -ки row.
// -леи stores gender 4 like every other plural row.
// The -ьи rows with paradigms 077 and 119 decline their accusative as
// inanimate: nothing supplies an animacy for them.
// clang-format off
constexpr rule_row k_rows[] = {
    {L"-нелли", keep_word, 2, 1},
    {L"-озади, -сзади, -переди", keep_word, 4, 0},
    {L"-вмаги, -атеги, -ятвяги, -варяги, -женихи, психи (whole word), -шейхи, -сикхи, -морохи, -рхи,"
        L" -авбухи, олухи (whole word), -евнухи, -петухи, -астухи, -юхи, шляхи (whole word)", 8, 4, 1},
    {L"-убахи, -папахи, -ехи, -адачи, -едачи, -здачи, -подачи, -сдачи, -удачи, -плечи, -тречи", 11, not_stored, not_stored},
    {L"-аги, -елеги, -розги, -рызги, -рязги, -книги, -вриги, -ериги, -триги, -волги, -аланги, -яранги,"
        L" -штанги, -еренги, -ревоги, -нагоги, -ерлоги, -реноги, -прооги, -сапоги, дроги (whole word), -дороги,"
        L" -отроги (longer than отроги), -строги, -радуги, -аслуги, -услуги, -рамуги, -дпруги, -потуги,"
        L" -рефуги, -лачуги, -льчуги, -ыги, -ьги, вьюги (whole word), фляги (whole word), -коряги, -рисяги,"
        L" -одажи, -клажи, -опажи, -кражи, -анджи, -огожи, -ржи, -ужи, -ыжи, -пряжи, -охи, -ухи, -краюхи,"
        L" -валюхи, бляхи (whole word), -ритчи, -кручи, -добычи, -ячи, -гамаши, -параши, -еши, -иши, -сейши,"
        L" -кши, -оши, -клуши, -груши, -атуши, -крыши, -ищи, -лщи", 11, 4, not_stored},
    {L"-раджи", 11, 4, 1},
    {L"-свахи, -сомахи, -епахи, -птахи, -ачехи", 13, not_stored, 1},
    {L"-пивохи", 13, 4, not_stored},
    {L"-алаги, -олаги, -ллеги, -белуги, слуги (whole word), -хапуги, -одруги, -печуги, -янчуги, -улдыги,"
        L" -валыги, -щелыги, -ромыги, -юги, -яги, -евежи, -ьможи, -ихи, -блохи, -лодухи, -аскухи, -ленухи,"
        L" -ряпухи, -тарухи, -лысухи, -лстухи, шлюхи (whole word), -яхи, -[мн]ши, -[рть]ши, -мамаши, -папаши,"
        L" -йши, -вакши, -рикши, -уши", 13, 4, 1},
    {L"-емехи, -спехи, -грехи, -орехи", 15, not_stored, not_stored},
    {L"-гзаги, -елаги, -флаги, -шлаги, -дмаги, -рмаги, -рпаги, -враги, -стаги, -офаги, -очаги, -ычаги,"
        L" -ушаги, -еги, -зги, -лги, отроги (whole word), -торги, -утюги, стяги (whole word), -[ны]хи, -штрихи,"
        L" -стихи, -йхи, -кхи, -ллохи, -орохи, -верхи, -осбухи, -кожухи, слухи (whole word), -олнухи, -лопухи", 15, 4, not_stored},
    {L"-ечи", 18, not_stored, not_stored},
    {L"-ажи, -джи, -ежи, -жжи, -ижи, -нжи, -ожи, -шаржи, -коржи, -крыжи, -яжи, -[норю]чи, -тчи, -учи,"
        L" -гарычи, -ма[рть]ши, -фа[рть]ши, -ковши, -улеши, -бреши, -ебоши, -гроши, -нтоши, -яши, -[аеоруыюя]щи", 18, 4, not_stored},
    {L"-рвачи, -ткачи", 19, not_stored, 1},
    {L"-стражи, -луджи, -трижи, -ханжи, -ьержи, -моржи, -кчи, -авучи, -ивучи, -ычи, -вши, -рвиши, -ориши,"
        L" -юноши, -ятоши, -нгуши, -емяши, -варищи", 19, 4, 1},
    {L"-оби, -рби, -уби, -кви, -ови, -[зоу]ди, -еди, -жди, -яди, -язи, -[гийксыя]ли, -али, -бли, -вли,"
        L" -ели, -лли, -оли, -пли, -ули, -фли, -[абдзмоучю]ни, -вни, -тни, -епи, -ипи, -опи, -упи, -ыпи,"
        L" -[бдиоух]ри, -ари, -ери, -еси, -иси, -[агкмпр]ти, -плети, -трети, -ечети, -сти, вести (whole word),"
        L" -рфи", 20, 4, not_stored},
    {L"-метели, -ени", 20, 4, 0},
    {L"-ази, -рзи, -оршни, -аси, -оси", 20, 4, 1},
    {L"-двери", 21, 4, not_stored},
    {L"-звери", 21, 4, 1},
    {L"-одули, -юли, -шни, -ыни, -отери", 22, 4, not_stored},
    {L"-едели", 22, 4, 0},
    {L"-[вжч]аи, -раи, -[вгзпфц]еи, -ребии, -барии, -нарии, -тарии, -итерии, -[бкмт]ои, -буи, -луи, -туи,"
        L" -дьи, -ручьи", 23, 4, not_stored},
    {L"-леи", special(ruts), 4, not_stored},
    {L"-рарии, -дуи, -жуи, -льи", 23, 4, 1},
    {L"-тари, -очери", 24, 4, 1},
    {L"-ади, -ыри, -гости", 25, 4, not_stored},
    {L"-особи, -олуби, -крови, -рви, -ошади, -ебеди, -вожди, -юди, -бляди, -итязи, -скали, -равли, -обели,"
        L" -удели, -ниели, -атели, -етели, -ители, -ятели, -оболи, -ороли, олени (whole word), -парни", 25, 4, 1},
    {L"-еньги", 33, 4, not_stored},
    {L"-[мт]ли, -сабли, -капли, -цапли, -туфли", 34, 4, not_stored},
    {L"-[гдзлмпсфх]ии, -бии, -нии, -рии, -тии, -ции", 45, 4, not_stored},
    {L"-тареи, -тореи", 45, 4, 0},
    {L"-льни", 46, 4, not_stored},
    {L"-[жнс]ьи, -бьи, -вьи, -ретьи, -ничьи", 77, 4, not_stored},
    {L"-сотни", 104, 4, not_stored},
    {L"-рни", 104, 4, 0},
    {L"-[гптц]аи, -баи, -мураи, -[бджкмстч]еи, -реи, -гении, -уфтии, -ррции, -[гр]ои, -робьи, -равьи,"
        L" -ловьи, -люи, -дяи, -тяи", 118, 4, 1},
    {L"-чьи", 119, 4, not_stored},
    {L"-сни", 130, 4, not_stored},
    {L"ладьи (whole word), -мьи, -тьи", 165, 4, not_stored},
    {L"-оладьи", 166, 4, not_stored},
    {L"-еревни", 168, 4, not_stored},
    {L"-рышни", 169, 4, 1},
    {L"-хни, -ьни", 171, 4, not_stored},
    {L"-судьи", 172, 4, 1},
    {L"-ини", 177, 4, 1},
    {L"двести (whole word)", 95, 4, not_stored},
    {L"-вести", keep_word, 4, not_stored},
    {L"-йни", special(genitive_in_en), 4, 0},
    {L"-ки", special(plurals_in_ki), not_stored, not_stored},
    // Rows that ask the singular.
    {L"-иги, -нги, -оги, -рги, -уги, -дроги (longer than дроги)", check(ask_g), 4, by_check},
    {L"-ахи", check(ask_kh), 4, by_check},
    {L"-ачи, -ичи", check(ask_ch), 4, by_check},
    {L"-аши, -ыши", check(ask_sh), 4, by_check},

};
// clang-format on

// бойни: боен in the genitive, the soft plural otherwise.
std::wstring decline_genitive_in_en(std::wstring word, int c) {
    if (c != 2) return paradigm_020(std::move(word), c);
    word.resize(word.size() >= 3 ? word.size() - 3 : 0);
    return word + L"ен";
}

std::wstring decline_ruts(std::wstring word, int c) {
    const bool ruts = word == L"колеи";
    word = paradigm_023(std::move(word), c);
    if (ruts && c == 2) word = L"колей";
    return word;
}

}  // namespace

const rule_table& long_i_rules() {
    static const rule_table table(k_rows);
    return table;
}

const singular_check* long_i_check(const rule_row& row) { return check_named_by(row, k_checks); }

std::wstring decline_long_i(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_i_rules().find(word);
    if (!row) return word;
    if (const singular_check* check = long_i_check(*row)) {
        return run_singular_check(*check, std::move(word), c, gender, animate);
    }
    switch (row->outcome) {
        case long_i_plurals_in_ki: return decline_long_i_ki(std::move(word), c, gender, animate);
        case long_i_genitive_in_en: word = decline_genitive_in_en(std::move(word), c); break;
        case long_i_ruts: word = decline_ruts(std::move(word), c); break;
        default: return decline_by_row(*row, std::move(word), c, gender, animate);
    }
    store_row_values(*row, gender, animate);
    return word;
}

}  // namespace engine
