// Words of five or more letters in -с: masculine nouns, a few indeclinables
// and христос.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

constexpr int k_khristos = 0;

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-пляс, -тряс not after о, -отряс (first letter not л), -олюс, -шлюс, -альс, -ельс, -ульс, -умыс,"
        L" -атус, -итус, -ктус, -нтус not after и, -интус (first letter not с), -исус not after и, -ксус,"
        L" -псус, -ярус, -урус, -трус, -сорус, -ирус, -ерус, -брус, -арус not after л, -ипус, -нпус, -рпус,"
        L" -юпус, -ноус, -ооус, -анус, -инус, -ннус, -онус, -унус, -умус, -смус, -рмус, -омус, -кмус,"
        L" -имус not after с, -илус, -ллус, -олус, -улус not after з, -ыкус, -укус, -ткус, -скус, -окус,"
        L" -икус, -екус, -дкус, -вкус, -диус, -ниус, -пиус, -азус, -езус, -озус, -леус, -реус, -адус,"
        L" -идус, -одус, -ндус not after и, -агус, -егус, -игус, -ргус, -авус, -ебус, -ибус, -йбус, -обус,"
        L" -убус, -басс, -ласс, -ресс, -цесс, -мисс, -цисс, -росс not after о, -русс not after п, -ферс,"
        L" -перс, -нерс, -лерс, -верс, -берс, -форс, -курс, -сурс, -лапс, -напс, -непс, -тепс, -цепс,"
        L" -гипс, -липс, -мопс, -нопс, -ропс, -топс, -афос, -ифос, -офос, -нтос, -отос, -ртос,"
        L" -стос not after и, -штос, -тсос, -осос not after в, к, -исос, -есос, -дсос, -асос,"
        L" -трос not after а, -прос, -орос, -ирос, -ерос, -брос, -янос, -ынос, -тнос,"
        L" -донос (5 or 6 letters), -понос (5 or 6 letters), -ронос (5 or 6 letters), -инос not after б,"
        L" -знос, -енос not after ч, -днос, -анос, -емос, -рмос, -смос, -елос, -илос, -ллос, -олос, -ыкос,"
        L" -ткос, -скос, -ркос, -окос, -икос not after л, -екос, -дкос, -бкос, -акос, -рдос, -огос, -аянс,"
        L" -ьянс, -нонс, -минс, -генс, -ленс, -сенс, -юанс, -танс, -санс, -ранс, -нанс, -манс, -ланс,"
        L" -канс, -жанс, -еанс, -данс, -ванс, -римс, -люмс, -галс, -люкс, -бокс, -вокс, -докс not after о,"
        L" -кокс, -локс, -фикс, -рикс, -никс, -микс, -ликс not after е, -дикс, -цекс, -текс, -рекс, -пекс,"
        L" -лекс, -декс, -лакс, -макс, -накс, -ракс, -райс, -вейс, -нойс, -ахис, -ефис, -ктис, -птис,"
        L" -ттис, -асис, -ксис, -псис, -рсис, -прис, -орис not after б, -ирис, -брис, -арис, -ипис, -спис,"
        L" -япис, -енис not after д, -ннис, -онис, -рнис, -емис, -омис, -рмис, -улис, -олис, -ллис, -илис,"
        L" -жлис, -елис, -алис, -азис, -изис, -озис, -едис, -авис, -овис, -рвис, -ибис not after и, ч,"
        L" -рбис not after и, ч, -етёс not after н, -отёс not after н, -ачёс, -ечёс, -счёс, -юшес, -ачес,"
        L" -ечес, -счес, -атес, -етес not after н, -итес, -отес not after н, -дрес, -ерес, -рпес, -знес,"
        L" -амес, -дмес, -омес, -рмес, -ьмес, -алес, -елес, -улес not after к, -риес, -одес, -ргес, -ывес,"
        L" -твес, -овес not after к, л, -ивес, -звес, -евес not after н, -ввес, -бвес, -авес,"
        L" -вес (after a hyphen), -абес, -обес not after к, -ингс, -лебс, -час (after a hyphen), -очас,"
        L" -тчас, -учас, -ехас, -ифас, -нфас, -атас, -стас, -утас, -фрас, -урас, -трас, -мрас, -крас,"
        L" -грас, -врас, -ыпас, -рпас, -мпас, -йпас, -ипас, -апас, -анас, -инас, -имас, -омас, -смас,"
        L" -хмас, -алас, -глас, -тлас, -вкас not after е, -ркас not after е, -риас, -шиас, -нзас, -реас,"
        L" -адас, -нгас, -угас, -ивас, -абас, -мбас, -рбас", 54, 1, 0},
    {L"-отряс (first letter л), -лтус, -интус (first letter с), иисус (5 letters), -орус not after с,"
        L" -ларус, -симус, -зулус, -риус, -индус, -нгус, -раус, -оросс, -прусс, -[вк]осос, -атрос,"
        L" -онос not after д, п, р, -донос (7 or more letters), -понос (7 or more letters),"
        L" -ронос (7 or more letters), -бинос, -ченос, -имос, -ликос, -ендос, -индос, -еьдос, -иьдос,"
        L" -рбос, -кунс, -фонс, -одокс, -инкс, -еликс, -сакс, -етис, -борис, -денис, -чибис, -иибис,"
        L" -чрбис, -ирбис, -нетёс, -нотёс, -нетес, -нотес, -кулес, -ркес, -ковес, -ловес, -невес, -лбес,"
        L" -кобес, -пуас, -орас, -арас, -опас, -елас, -акас, -евкас, -екас, -еркас, -егас", 55, 1, 1},
    {L"христос (7 letters)", special_outcome + k_khristos, 1, 1},
    {L"-истос, -иисус (6 or more letters)", keep_word, 1, not_stored},
    {L"-иссис, -стрис", keep_word, 2, 1},
};
// clang-format on

// христос drops its -ос in the oblique cases: христа, христу.
constexpr own_forms k_khristos_forms = {2, {L"ос", L"а", L"у", L"а", L"ом", L"е"}};

}  // namespace

const rule_table& long_s_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_s(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_s_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_khristos) {
        if (c >= 1 && c <= 6) word = apply_own_forms(k_khristos_forms, std::move(word), c);
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
