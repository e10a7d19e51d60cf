// Words of five or more letters in -а: first-declension feminines, masculine
// and common-gender nouns, plurals in -а, the numerals полтора, полтораста,
// триста and четыреста, and the adverbs вчера and завтра.
#include <utility>

#include "engine/declension/handlers/dictionaries.h"
#include "engine/declension/handlers/poltora.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// Procedures of their own: семена/перемена and полтора.
constexpr int k_semena = 0;
constexpr int k_poltora = 1;

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-[аежйлморуыьё]ба, -[аеийклнортчшя]ва, -[абвгежзийлноруьюя]да, -коло[дт]а,"
        L" -[аеимноруью]за, -[абдеийклопрстушыэя]ла, -[авгежзийлмортфхчшьэ]ма,"
        L" -[авдежзийклмнопрстушюяё]на, -[аелмопруья]па, -[абвгдеийкмопртуфхыюяё]ра,"
        L" -[аеикмопрстуыяё]са, -[аеийкнопрстуфхчшыью]та, -киста, -[аеимопрь]фа", 2, 2, not_stored},
    {L"-хлеба, -греба, -[еоё]лоба, -ороба, -укава, -ужева, -узова, -рнова, -трова,"
        L" -снега, -стога, -круга, -мчуга, -ере[гмп]а, -оезда, -о[вл]ода,"
        L" -орода (word begins with г), -рмоза, -блака, -шелка, -пуска, -тойла, -окола,"
        L" -корма, -рдена, -ьмена, -[ер]вера, -омера, -ечера,"
        L" -ктора (word does not begin with д), -дреса, -о[икмрстыя]са, -олоса, -рпуса,"
        L" -люса, -цвета, -счета, -порта", 5, 4, not_stored},
    {L"the whole word права, -слова, -дрова, -[бвдеймнрстфь]ства, -блага, -стада,"
        L" -н[её]зда, -блюда, -глаза, -ойска, -ывала, -угала, -[ер]кала, -[ао]чала,"
        L" -итела, -учела, -у[бз]ила, -авила, -е[лрт]ила, -рнила,"
        L" -опила (word begins with с), -в[её]рла, -горла, -дышла, -деяла, -лейма, -олена,"
        L" -[аи]мена, -амёна, -оз[её]ра, -ебеса, -овеса (word begins with с), -удеса,"
        L" -[ео]леса, -олёса, -ьжата, -врата, -о[лр]ота, -места, -о[пр]ыта, -лнца,"
        L" -льбища, -жилища", 6, 4, not_stored},
    {L"-емена", special_outcome + k_semena, not_stored, not_stored},
    {L"-ерева, -овара, -[лс]тера, -ссора (6 letters or more),"
        L" -ктора (word begins with д)", 113, 4, 1},
    {L"-зяева, -спода, -ежата, -[влу]чата, -ята", 7, 4, 1},
    {L"-[аезийлмноруыьюя]га, -[денору]жа, -[авдежзийлмнопрстуцчыьюя]ка, -[аеиосуьюя]ха,"
        L" -аща", 3, 2, not_stored},
    {L"-ллега, -душка (word begins with д), -ядька, -вша", 3, 1, 1},
    {L"-[ая]жа, -[аея]ча, -[аеийкнортуыьюя]ша, -[ил]ща", 4, 2, not_stored},
    {L"-орожа", 110, 4, 1},
    {L"-длиза", 2, 2, 1},
    {L"-[бш]ка", 3, 2, 1},
    {L"-с[её]дла, -сопла, -м[аы]сла, -[вмр]есла, -числа, -русла, -[вм]ёсла", 40, 4, not_stored},
    {L"-т[её]кла", 133, 4, not_stored},
    {L"-дулла, -ариста", 2, 1, 1},
    // Men's first names in -а, masculine like Фома.
    {L"-савва, =никита, =кузьма, =данила, =гаврила", 2, 1, 1},
    {L"-исьма", 134, 4, not_stored},
    {L"-р[её]вна, -з[её]рна, -лотна, -пятна", 135, 4, not_stored},
    // Patronymics (Игоревна, Лазаревна, Ильинична, Никитична) and царевна are
    // feminine singulars. Only the patronymic endings are listed for -ична:
    // the short adjectives (типична, отлична) are not nouns.
    {L"-[ао]ревна, -[мк]инична, -ьинична, -китична, -ввична", 2, 2, 1},
    {L"-локна", 61, 4, not_stored},
    {L"-р[её]бра, -[бв][её]дра", 63, 4, not_stored},
    {L"-вчера, -завтра", keep_word, 0, not_stored},
    {L"-овора", 16, 4, not_stored},
    {L"the whole word ссора", 2, 2, 0},
    {L"-усора", 113, 4, not_stored},
    {L"-утора, -ветра, -ерста (word begins with п)", 5, 4, 0},
    {L"-реста", 97, 4, not_stored},
    {L"-иста", keep_word, not_stored, not_stored},
    {L"-триста", 96, 4, not_stored},
    {L"-дца", 167, 4, not_stored},
    {L"-юдца, -нца", 132, 4, not_stored},
    {L"-ица", 108, 2, 1},
    {L"-йца", 108, 1, 1},
    {L"-цца", 108, 2, not_stored},
    {L"-ьца", 174, 4, not_stored},
    {L"-кча, -апаша, -юноша", 4, 1, 1},
    {L"-пша", 3, 1, not_stored},
    {L"-лтора", 2, 2, not_stored},
    {L"-олтора", special_outcome + k_poltora, 2, 0},
    {L"-олтораста", special_outcome + k_poltora, 4, 0},
};
// clang-format on

// семян is the one irregular form; перемена is a feminine singular; every
// other -емена word is a plural.
std::wstring decline_emena(std::wstring word, int c, std::uint32_t* gender) {
    std::uint32_t stored = 4;
    if (word == L"семена" && c == 2) {
        word = word.substr(0, 1) + L"емян";
    } else if (word == L"перемена") {
        word = paradigm_002(std::move(word), c);
        stored = 2;
    } else {
        word = paradigm_006(std::move(word), c);
    }
    if (gender) *gender = stored;
    return word;
}

}  // namespace

const rule_table& long_a_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_a(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_a_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_semena)
        return decline_emena(std::move(word), c, gender);
    if (row->outcome == special_outcome + k_poltora) {
        // полтора agrees with the gender of the noun it counts, which the
        // caller supplies in the gender slot.
        word = decline_poltora(std::move(word), c, read_input_slot(gender));
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
