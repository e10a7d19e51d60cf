// Words of five or more letters in -й: nouns, and adjectives that agree with a noun.
#include <utility>

#include "engine/declension/handlers/dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// Noun rows store their own animacy. Adjective rows (from_input) decline the
// accusative by the animacy of the noun the caller supplies and store none.
// clang-format off
constexpr rule_row k_rows[] = {
    {L"-бай, -[бп]угай, -колай, -лопай, -мурай, -[дш]атай, -остай, -лицай, -лебей,"
        L" -ра[бл]ей, -ергей, -дей, -рожей, -тозей, -лакей, -дукей, -долей, -игмей,"
        L" -обрей, -еврей, -ндрей, -иерей, -[ор]исей, -ексей, -гатей, -мотей, -рифей,"
        L" -[мт]офей, -начей, -гочей, -кощей, -алдуй, -уржуй, -холуй, -люй, -[дт]яй", 50, 1, 1},
    {L"-[бт]уй, -ляй", 50, 1, 0},
    {L"-[вгжлпртцчш]ай, -[бвгзклмпрстфц]ей, -лий, -онвой, -надой, -[джл]уй", 70, 1, 0},
    {L"-изгой", 70, 1, 1},
    {L"-бой, -[ез]озой, -покой, -р[еи]пой, -допой, -за[пт]ой, -окрой, -ррой, -строй,"
        L" -[ат]стой", 70, 1, not_stored},
    {L"-атвей", 69, 1, 1},
    {L"-герой", 69, 1, not_stored},
    {L"-чей", 72, 1, 0},
    {L"-робей, -равей, -ловей", 115, 1, 1},
    {L"-иновий, -еоргий, -кадий, -ннадий, -т[ао]лий, -силий, -гений, -алерий, -игорий,"
        L" -митрий, -[ео]нтий, -риций", 175, 1, 1},
    {L"-темий", 175, 1, 0},
    {L"-сений, -насий", 175, 1, not_stored},
    {L"-пий", 176, 1, 1},
    {L"-равий, -[дмртфц]ий", 176, 1, 0},
    {L"-ребий, -зий, -м[аи]ний, -агний, -емний, -[клт]оний, -енсий", 176, 1, not_stored},
    {L"-[гкх]ий", 73, 1, from_input},
    {L"-[ежнчшщ]ий, -карий", 74, 1, from_input},
    {L"-[бвс]ий, -ражий, -вежий (word begins with м), the whole word божий, -дожий,"
        L" -лужий, -люжий (word begins with в), -[бв]яжий, -козий, -ку[лн]ий, -бы[лч]ий,"
        L" -баний, -лений, -ретий, -[бгдзчш]ачий, -жачий (word begins with м), -[вш]ечий,"
        L" -[вжлст]ичий, -ничий (word does not begin with л), -олчий, -ночий, -[асщ]учий,"
        L" -дючий, -[аблнст]ячий", 116, 1, from_input},
    {L"-л[ую]бой, -рябой, -[вджзлмнпрт]ой", 75, 1, from_input},
    {L"-[гкхш]ой", 117, 1, from_input},
    {L"-[бвдзлмнпрстц]ый", 76, 1, from_input},
    {L"-ублей", keep_word, 1, not_stored},
};
// clang-format on

}  // namespace

const rule_table& long_j_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_j(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_j_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
