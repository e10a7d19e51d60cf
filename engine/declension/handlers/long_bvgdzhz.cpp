// Words of five or more letters in -б, -в, -г, -д, -ж and -з: masculine nouns
// of the hard declension and, in -в, surnames in -ов, -ев and -ёв.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// clang-format off
constexpr rule_row k_b_rows[] = {
    {L"-[бт]аб, -леб, -реб, -гиб, -шиб, -о[лм]б, -а[мр]б, -[клнс]об, -[рф]об, -ерб, -луб, -руб", 54, 1, 0},
    {L"-раб, -дулеб, -охлеб, -стреб, -сагиб, -бороб, -короб (6 letters or more), -офоб, -[гз]уб, -соруб", 55, 1, 1},
    {L"-люб", 55, 1, 0},
    {L"-[лр]ёб", 54, 1, not_stored},
};
// clang-format on

// A word in -лов is a common noun or a surname, which its letters cannot
// tell; only a caller that knows it declines a surname asks for that form.
constexpr int k_lov = 0;
constexpr rule_row k_lov_noun = {L"-лов", 54, 1, 0};
constexpr rule_row k_lov_surname = {L"-лов", 111, 1, 1};

// clang-format off
constexpr rule_row k_v_rows[] = {
    {L"-[дн]ав, -о[гс]лав, -[еи]слав, -оправ, -истав, -терев, -омдив, -ачдив, -[ео]лов, -ослов", 55, 1, 1},
    {L"-кав, -енов", 54, 1, 1},
    {L"-лав, -рав, -тав, -[пс]ев, -рев, -[бвзклсхш]ив, -див, -тив, -айв, -амбов, -львов, -[зс]ов, -ров,"
        L" -ерв, -дув, -[злмр]ыв", 54, 1, 0},
    {L"-[аеилнть]ев, -[дкмтфхцш]ов, -нов, -киров, -[аеилнпрсть]ёв", 112, 1, 0},
    {L"-бов, -вов", 112, 1, 1},
    {L"-пов", 111, 1, 1},
    {L"-лхв", 55, 1, 0},
    {L"-ротив", keep_word, not_stored, not_stored},
    {L"-лов", special_outcome + k_lov, 1, 0},
};
// clang-format on

// clang-format off
constexpr rule_row k_g_rows[] = {
    {L"-[злпртфчш]аг, -маг, -[блрч]ег, -т[еи]г, -[еи]зг, -[вж]иг, -риг, -анг, -[ео]нг, -инг, -унг,"
        L" -[жпт]ог, -онолог, -[лр]ог, -ерг, -[ос]торг, -[длпсчш]уг, -руг, -рыг, -[ст]юг, -тяг, =полог", 54, 1, 0},
    {L"-авмаг, -рат[еи]г, -омриг, -[су]танг, -икинг, -мминг, -онунг, -[бгднц]ог, -олог, -[нс]орог,"
        L" -зверг, -орг, -ург, -асг, -едруг, -упруг, -[вр]яг", 55, 1, 1},
    {L"-бург", 54, 1, 1},
};
// clang-format on

// clang-format off
constexpr rule_row k_d_rows[] = {
    {L"-[клнпс]ад, -рад, -а[гйн]д, -[блмтхц]ед, -вед, -[пс]ед, -ред, -е[зя]д, -[бгдезмстфцю]ид, -вид,"
        L" -лид, -нид, -оид, -пид, -рид, -ййд, -енд, -инд, -[оу]нд, -вод, -ровод, -[зимпст]од, -лод, -род,"
        L" -ход, -ард, -ерд, -орд, -[уя]рд, -[мрс]уд, -л[ую]д, -льд, -тюд, -ляд, -ряд,"
        L" -щевод (contains пище)", 54, 1, 0},
    {L"-роград, -окрад, -камрад, -[ео]вед, -[деоья]ед, -[гт]опед, -пред, -ьфред, -осед, -озд, -равид,"
        L" -д[аи]вид, -валид, -еонид, -пеоид, -гроид, -аспид, -атрид, -[ух]ид, -дленд, -ркинд,"
        L" -[билнц]евод, -щевод (does not contain пище), -взвод (6 letters or more),"
        L" -овод (6 letters or more), -волод, -сброд (7 letters or more), -реход (word begins with м),"
        L" -шеход, -рвард, -онард, -пард, -стард, -дуард, -тюард, -смерд, -лорд, -облуд, -кальд, -ольд,"
        L" -блюд, -опряд, =демид", 55, 1, 1},
    {L"-лёд", 55, 1, 0},
    {L"-перед", keep_word, 1, 0},
};
// clang-format on

constexpr rule_row k_zh_rows[] = {
    {L"-[гдзлнпст]аж, -р[аи]ж, -[еи]дж, -[бдлнпрт][её]ж, -тиж, -[ао]нж, -[лоь]яж", 54, 1, 0},
    {L"-стр[аи]ж, -рож", 55, 1, 1},
};

// clang-format off
constexpr rule_row k_z_rows[] = {
    {L"-[бгжикмпт]аз, -раз, -л[аи]з, -[блнть]ез, -кез, -рез, -[вмнртуфц]из, -киз, -[бвеиклмнртф]оз,"
        L" -уоз, -хоз, -ерз, -[абвртф]уз, -пуз, -рыз, -оюз, -вяз, -ьёз, -образ (does not contain дикоо)", 54, 1, 0},
    {L"-[вдлнх]олаз, -хаз, -ндз, -рокез, -нерез, -[бв]орез, -гиз, -аркиз, -долиз, -ртуоз, -авхоз,"
        L" -рапуз, -топуз, -цуз, -огрыз, -образ (contains дикоо)", 55, 1, 1},
};
// clang-format on

std::wstring decline_v(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate,
                       bool as_surname) {
    const rule_row* row = long_v_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_lov) row = as_surname ? &k_lov_surname : &k_lov_noun;
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace

const rule_table& long_b_rules() {
    static const rule_table table(k_b_rows);
    return table;
}
const rule_table& long_v_rules() {
    static const rule_table table(k_v_rows);
    return table;
}
const rule_table& long_g_rules() {
    static const rule_table table(k_g_rows);
    return table;
}
const rule_table& long_d_rules() {
    static const rule_table table(k_d_rows);
    return table;
}
const rule_table& long_zh_rules() {
    static const rule_table table(k_zh_rows);
    return table;
}
const rule_table& long_z_rules() {
    static const rule_table table(k_z_rows);
    return table;
}

std::wstring decline_long_b(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_b_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_v(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_v(std::move(word), c, gender, animate, false);
}

std::wstring decline_long_v_surname(std::wstring word, int c, std::uint32_t* gender,
                                    std::uint32_t* animate) {
    return decline_v(std::move(word), c, gender, animate, true);
}

std::wstring decline_long_g(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_g_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_d(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_d_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_zh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_zh_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_z(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_z_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
