// Words of five or more letters in -н: masculine nouns, and the surnames and
// possessives in -кин, -щин, -мамин, -папин and -рухин with adjectival oblique
// forms.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-[кч]абан, -олван, -[жлр]иган, -чуган, -цыган, -тизан, -авиан, -дриан, -ракан, -декан,"
        L" -[лрт]икан, -у[жс]лан, -аклан, -еллан, -[ртш]аман, -[клрт]оман, -[еу]рман, -ахман, -оцман,"
        L" -ичман, -лопан, -те[пр]ан, -[лр]атан, -питан, -айтан, -ултан, -иафан, -рофан, -пацан, -бар[ао]н,"
        L" -риген, -[жз]ен, -семен, -ркмен, -[ае]рмен, -[деист]смен, -гумен, -мцмен, -льмен, -зерен,"
        L" -офрен, -[внуя]ин, -езгин, -ондин, -лю[дз]ин, -по[дл]ин, -базин, -ру[зс]ин, -авлин, -телин,"
        L" -[ир]амин, -вооин, -[бгт]арин, -мерин, -шурин, -оярин, -[рс]етин, -[ае]нтин, -льфин, -рацин,"
        L" -[аи]нн, -аон, -иббон, -елеон, -пижон, -бизон, -[мрш]пион, -арион, -[ир]акон, -ьякон, -иамон,"
        L" -ормон, -мирон, -во[рс]он, -масон, the whole word антон, -дафон, -уффон, -альон, -рибун, -орбун,"
        L" -ре[вх]ун, -р[аы]гун, -бегун, -[дзкостчшщ]ун, -шалун, -ворун, -мын, -иян, -емьян, -утьян", 55, 1, 1},
    {L"-огдан", 55, 1, 0},
    {L"-семён", 55, not_stored, 1},
    {L"-[бвгдежзиклмпрстфхцч]ан, -[бгдклмрстц]ен, -азн, -[абгдезлмопрстфхцчш]ин, -ланин, -ренин, -хинин,"
        L" -зонин, -[ае]йн, -[бвгдежзийклмнпрстфхшь]он, -[еую]рн, -[абвглнпрфх]ун, -тын, -льн, -[оъь]ян", 54, 1, 0},
    {L"-[кщ]ин, -мамин, -папин, -рухин", 129, 1, 1},
    {L"-линин", 112, 1, 0},
};
// clang-format on

}  // namespace

const rule_table& long_n_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_n(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_n_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
