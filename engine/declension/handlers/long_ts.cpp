// Words of five or more letters in -ц, nearly all in -ец, whose vowel drops
// out or changes in the oblique cases (отца, бойца, пальца).
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// палец: its accusative is the nominative, its instrumental ends in -ьцем.
constexpr int k_palets = 0;
constexpr own_forms k_forms[] = {
    {2, {L"ец", L"ьца", L"ьцу", L"ец", L"ьцем", L"ьце"}},
};

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-есяц, -альц, -ельц, -ильц, -варц, -герц, -приц, -бзац, -рзац, -елац, -грец not after и,"
        L" -брец not after а, -абрец (5 letters), -абрец not after р (6+ letters), -игрец (6+ letters),"
        L" -ьмец", 54, 1, 0},
    // месяц and полумесяц: an unstressed ending takes -ем.
    {L"-месяц", 1, 1, 0},
    {L"-ринц, -остец, -ьстец, -трец, -крец, -дрец, -игрец (5 letters), -рабрец (6+ letters), -снец,"
        L" -рнец, -знец, -жнец, -шлец, -рлец, -длец, -глец, -лжец, -жжец, -рдец, -твец, -рвец,"
        L" шельмец (7 letters)", 55, 1, 1},
    {L"-боец, -гоец, -тиец, -сиец, -риец, -пиец, -ниец, -лиец, -киец, -зиец, -жиец, -диец, -гиец, -виец,"
        L" -биец, -хеец, -теец, -реец, -пеец, -неец, -меец, -зеец, -деец, -геец, -хаец, -таец, -наец,"
        L" -маец, -лаец, -гаец, -ваец", 142, 1, 1},
    {L"-сосец, -ырец, -урец, -ларец, -ыпец, -ипец, -разец, -лебец, -лбец, -убец not after г,"
        L" -юбец not after л, -торец (5 letters), -чепец (5 letters), -конец (5 letters),"
        L" -венец (5 letters), -резец (5 letters), -дворец (6 letters), -свинец (6+ letters),"
        L" -солонец (7+ letters), -варенец (7+ letters), -леденец (7+ letters),"
        L" -лодец (7 letters; first letter not к, м)", 143, 1, 0},
    {L"-гонец, -звонец (6+ letters)", 143, 1, 1},
    {L"-етец, -итец, -естец, -осец not after к, н, с, -перец, -янец not after ь, -озец,"
        L" -ранец (5 letters), -танец (5 letters), -шанец (5 letters), -косец (6+ letters),"
        L" -рвонец (6+ letters), -фланец (6 letters), -сланец (6 letters), -рганец (6+ letters),"
        L" -ованец (6+ letters), -остинец (7+ letters), -детинец (7+ letters), -эсминец (7+ letters),"
        L" -мизинец (7+ letters), -аусенец (7+ letters), -саженец (7+ letters),"
        L" -лодец (7 letters; first letter к)", 144, 1, 0},
    {L"-ашец, -атец, -отец not after а, -аотец (5 letters), -аотец not after р (6+ letters), -асец,"
        L" -исец not after п, -орец not after б, в, т, -ворец (5 letters),"
        L" -ворец not after [дкт] (6+ letters), -кворец (6+ letters), -торец (6+ letters),"
        L" -дворец (7+ letters), -ирец, -ерец not after п, -арец not after л, -рпец, -лопец, -ьянец, -ынец,"
        L" -онец not after в, г, к, л, -лонец (5 letters), -лонец not after о (6+ letters),"
        L" -олонец (6 letters), -олонец not after с (7+ letters), -вонец (5 letters),"
        L" -вонец not after [зр] (6+ letters), -конец (6+ letters), -инец not after в, з, м, т,"
        L" -тинец (5 letters), -тинец not after [ес] (6+ letters), -стинец (6 letters),"
        L" -стинец not after о (7+ letters), -етинец (6 letters), -етинец not after д (7+ letters),"
        L" -минец (5 letters), -минец not after с (6+ letters), -сминец (6 letters),"
        L" -сминец not after э (7+ letters), -зинец (5 letters), -зинец not after и (6+ letters),"
        L" -изинец (6 letters), -изинец not after м (7+ letters), -винец (5 letters),"
        L" -винец not after с (6+ letters), -енец not after в, д, ж, р, с, -сенец (5 letters),"
        L" -сенец not after у (6+ letters), -усенец (6 letters), -усенец not after а (7+ letters),"
        L" -ренец (5 letters), -ренец not after а (6+ letters), -аренец (6 letters),"
        L" -аренец not after в (7+ letters), -женец (5 letters), -женец not after а (6+ letters),"
        L" -аженец (6 letters), -аженец not after с (7+ letters), -денец (5 letters),"
        L" -денец not after е (6+ letters), -еденец (6 letters), -еденец not after л (7+ letters),"
        L" -венец (6+ letters), -анец not after в, г, л, р, т, ш, -ланец (5 letters),"
        L" -ланец not after [сф] (6+ letters), -фланец (7+ letters), -сланец (7+ letters),"
        L" -ганец (5 letters), -ганец not after р (6+ letters), -ванец (5 letters),"
        L" -ванец not after о (6+ letters), -ранец (6+ letters), -танец (6+ letters), -шанец (6+ letters),"
        L" -резец (6+ letters), -ямец, -умец, -омец, -имец, -емец, -амец not after с, -ккец,"
        L" -азец not after р, -езец not after р, -изец, -эзец, -ржец, -ожец, -ижец, -ежец, -ажец, -ядец,"
        L" -одец not after л, -лодец (at most 6 letters), -лодец (8+ letters), -ндец, -идец, -едец, -адец,"
        L" -авец not after д, -любец", 145, 1, 1},
    {L"-стец not after е, о, ь, -есец, -писец, -косец (5 letters), -борец, -творец (6+ letters), -упец,"
        L" -опец not after л, -епец not after ч, -чепец (6+ letters), -унец, -самец, -овец, -ивец, -евец,"
        L" -давец, -ебец not after л, -губец, -ыбец, -раотец (6+ letters),"
        L" -лодец (7 letters; first letter м)", 57, 1, 1},
    {L"-носец (first letter [зкоп]), -носец (first letter not [зкоп]; contains рогонос),"
        L" -носец (first letter not [зкоп]; contains богонос)", 145, 1, 1},
    {L"-носец (first letter not [зкоп]; does not contain рогонос; does not contain богонос)", 144, 1, 0},
    {L"-ялец, -элец, -улец, -олец, -алец not after д, м, п, -далец (5 letters),"
        L" -далец not after у (6+ letters), -палец (6+ letters)", 146, 1, 1},
    {L"-удалец (6+ letters)", 147, 1, 0},
    {L"-малец, -илец (5 letters), -елец (5 letters), -илец (6+ letters; contains стрел),"
        L" -елец (6+ letters; contains стрел)", 147, 1, 1},
    {L"-илец (6+ letters; does not contain стрел), -елец (6+ letters; does not contain стрел)", 146, 1, 1},
    {L"палец (5 letters)", own_outcome + k_palets, 1, 0},
};
// clang-format on

}  // namespace

const rule_table& long_ts_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_ts(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_ts_rules(), std::move(word), c, gender, animate, k_forms);
}

}  // namespace engine
